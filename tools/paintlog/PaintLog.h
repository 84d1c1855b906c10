#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace kit {

// The class of an object as its source names it, e.g. "Ocv::CMiddleWidget", also for classes
// without a meta-object of their own.
QString className(const QObject* object);

// The paint log of a panel: a block for every widget of the module (namespace Ocv) and of the
// framework (namespace Kx) in the panel, in tree order, then the same for every shown window
// (the module's dialogs) below the panel in the object tree. Plain Qt widgets are left out.
//
// A block starts with the widget's record {"op":"widget", "widget", "class", "x", "y", "w", "h",
// "visible", "cursor", "cursorName"}, its geometry relative to the panel, or for a dialog's widgets
// relative to the dialog, whose object name those records carry in "window". The paint operations
// of the widget's last paint (PaintOp::toJson) follow when it is visible.
//
// A visible Kx::CStandardHpfTable's block then says what it shows, read from the table rather
// than its paint (whose texts are elided): for each column in view
// {"op":"header", "widget", "column", "text"} (plus "sort": "ascending" | "descending" for the
// sort column and "filtered": true for a filtered one); for each row on screen
// {"op":"row", "widget", "row", "key", "selected"} followed by one
// {"op":"cell", "widget", "row", "key", "column", "text"} per column in view, which a check-box
// column completes with "checked" (rows that have a box) and a button column with
// "buttons": [{"id", "text", "enabled"}].
QList<QJsonObject> paintLog(QWidget* panel);

// Writes one compact JSON object per line.
bool writeJsonLines(const QString& path, const QList<QJsonObject>& lines, QString* error);

} // namespace kit
