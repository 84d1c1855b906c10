#pragma once

#include "sim/Scenario.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Where the host's scenarios come from and how the command line adjusts them.
namespace HostScenario {

// The built-in demo, compiled into the host.
extern const QString kBuiltInDemo;

struct Entry
{
    QString title;
    QString path;
};

// The built-in demo, then the *.json files of the source tree's scenarios folder by name.
QList<Entry> shipped();

// An empty path loads the built-in demo. False with a message in error when the file is unusable.
bool load(const QString& path, sim::Scenario* scenario, QString* error);

// Fixes the client's clock and the clock of every server with a time service (fixed or the
// client's local time) at that time; servers without one keep none.
void fixClocks(sim::Scenario* scenario, const QDateTime& at);

} // namespace HostScenario
