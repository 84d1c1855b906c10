#include "PaintLog.h"

#include "PaintRecorder.h"

#include <QFile>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QWidget>

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace kit {

namespace {

bool isLogged(const QWidget* widget)
{
    const QString name = className(widget);
    return name.startsWith(QLatin1String("Ocv::")) || name.startsWith(QLatin1String("Kx::"));
}

QJsonObject record(QWidget* widget, QWidget* origin, const QString& window)
{
    const QPoint pos = widget->mapTo(origin, QPoint(0, 0));
    const Qt::CursorShape shape = widget->cursor().shape();
    QJsonObject o{{QStringLiteral("op"), QStringLiteral("widget")},
                  {QStringLiteral("widget"), widget->objectName()},
                  {QStringLiteral("class"), className(widget)},
                  {QStringLiteral("x"), pos.x()},
                  {QStringLiteral("y"), pos.y()},
                  {QStringLiteral("w"), widget->width()},
                  {QStringLiteral("h"), widget->height()},
                  {QStringLiteral("visible"), widget->isVisible()},
                  {QStringLiteral("cursor"), int(shape)},
                  {QStringLiteral("cursorName"),
                   QString::fromLatin1(QMetaEnum::fromType<Qt::CursorShape>().valueToKey(shape))}};
    if (!window.isNull())
        o[QStringLiteral("window")] = window;
    return o;
}

// Widgets in other windows below this one are logged with their own window.
void logTree(QWidget* widget, QWidget* origin, const QString& window, QList<QJsonObject>* lines)
{
    if (isLogged(widget)) {
        lines->append(record(widget, origin, window));
        if (widget->isVisible()) {
            for (const PaintOp& op : PaintRecorder::record(widget))
                lines->append(op.toJson());
        }
    }
    for (QObject* child : widget->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (childWidget && !childWidget->isWindow())
            logTree(childWidget, origin, window, lines);
    }
}

} // namespace

QString className(const QObject* object)
{
    const auto& type = typeid(*object);
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? QString::fromLatin1(name.get())
                               : QString::fromLatin1(object->metaObject()->className());
}

QList<QJsonObject> paintLog(QWidget* panel)
{
    QList<QJsonObject> lines;
    logTree(panel, panel, QString(), &lines);
    for (QWidget* dialog : panel->findChildren<QWidget*>()) {
        if (!dialog->isWindow() || !dialog->isVisible())
            continue;
        const QString window = dialog->objectName().isEmpty() ? className(dialog) : dialog->objectName();
        logTree(dialog, dialog, window, &lines);
    }
    return lines;
}

bool writeJsonLines(const QString& path, const QList<QJsonObject>& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    for (const QJsonObject& line : lines)
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    if (!file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace kit
