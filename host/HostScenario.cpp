#include "HostScenario.h"

#include <QDir>
#include <QFileInfo>

namespace HostScenario {

const QString kBuiltInDemo = QStringLiteral(":/scenarios/demo.json");

QList<Entry> shipped()
{
    QList<Entry> entries{{QStringLiteral("内置演示"), kBuiltInDemo}};
    const QDir dir(QStringLiteral(WELCOME_SCENARIO_DIR));
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        entries.append({file.completeBaseName(), file.absoluteFilePath()});
    return entries;
}

bool load(const QString& path, sim::Scenario* scenario, QString* error)
{
    const QString file = path.isEmpty() ? kBuiltInDemo : path;
    QString fault;
    *scenario = sim::Scenario::fromJsonFile(file, &fault);
    if (fault.isEmpty())
        return true;
    *error = QStringLiteral("scenario %1: %2").arg(file, fault);
    return false;
}

void fixClocks(sim::Scenario* scenario, const QDateTime& at)
{
    scenario->now = at;
    for (sim::ServerSetup& server : scenario->servers) {
        if (server.timeKind == sim::ServerSetup::NoTime)
            continue;
        server.timeKind = sim::ServerSetup::FixedTime;
        server.fixedTime = at;
    }
}

} // namespace HostScenario
