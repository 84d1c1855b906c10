#pragma once

#include "HostOptions.h"

#include <QString>

class QWidget;

// The steps of a scripted host run; each returns false with a message in error when it fails.
namespace HostRun {

// Waits for the answers: for settleMs when it is set, else until every request is answered.
void settle(int settleMs);

bool selectTab(QWidget* panel, const QString& tab, QString* error);
bool click(QWidget* root, const HostClick& click, QString* error);
bool writeScreenshot(QWidget* panel, const QString& path, QString* error);

} // namespace HostRun
