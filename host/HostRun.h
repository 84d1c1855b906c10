#pragma once

#include "HostOptions.h"

#include <QImage>
#include <QString>

class QWidget;

// The steps of a scripted host run; each returns false with a message in error when it fails.
namespace HostRun {

// Waits for the answers: for settleMs when it is set, else until every request is answered.
void settle(int settleMs);

bool selectTab(QWidget* panel, const QString& tab, QString* error);
// Sends the click, move or typing to the index-th shown widget below root (or root) with the action's
// object name, in the paint log's order; an action at a point goes to the widget under that point of
// root, or of the shown dialog below root with that name.
bool pointerAction(QWidget* root, const HostPointerAction& action, QString* error);
// The panel with every shown window below it in the object tree (the module's dialogs) drawn over
// it at its place relative to the panel; the image grows to hold a dialog reaching past the panel.
QImage screenshot(QWidget* panel);
bool writeScreenshot(QWidget* panel, const QString& path, QString* error);

} // namespace HostRun
