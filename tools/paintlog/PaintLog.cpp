#include "PaintLog.h"

#include "PaintRecorder.h"

#include "kx/CStandardHpfTable.h"

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

// What a table shows, from its own state: the painted texts are elided, these are whole.
void logTable(const Kx::CStandardHpfTable* table, QList<QJsonObject>* lines)
{
    const Kx::IBaseHpfTableModel* model = table->dataModel();
    if (!model)
        return;
    const QString name = table->objectName();
    const QList<int> columns = table->shownColumns();
    for (int c : columns) {
        QJsonObject header{{QStringLiteral("op"), QStringLiteral("header")},
                           {QStringLiteral("widget"), name},
                           {QStringLiteral("column"), c},
                           {QStringLiteral("text"), model->headerText(c)}};
        if (model->sortColumn() == c) {
            header[QStringLiteral("sort")] = model->sortOrder() == Qt::AscendingOrder
                                                 ? QStringLiteral("ascending")
                                                 : QStringLiteral("descending");
        }
        if (model->filters().contains(c))
            header[QStringLiteral("filtered")] = true;
        lines->append(header);
    }
    const int first = table->firstShownRow();
    for (int r = first; first >= 0 && r < first + table->shownRowCount(); ++r) {
        const Kx::IBaseHpfTableDataPtr data = model->dataAt(r);
        if (!data)
            continue;
        const QString key = data->qsKey();
        lines->append(QJsonObject{{QStringLiteral("op"), QStringLiteral("row")},
                                  {QStringLiteral("widget"), name},
                                  {QStringLiteral("row"), r},
                                  {QStringLiteral("key"), key},
                                  {QStringLiteral("selected"), table->isRowSelected(r)}});
        for (int c : columns) {
            QJsonObject cell{{QStringLiteral("op"), QStringLiteral("cell")},
                             {QStringLiteral("widget"), name},
                             {QStringLiteral("row"), r},
                             {QStringLiteral("key"), key},
                             {QStringLiteral("column"), c},
                             {QStringLiteral("text"), data->getColumnText(c)}};
            if (const Kx::CBaseTableColumnDelegate* delegate = table->columnDelegate(c)) {
                const QJsonObject state = QJsonObject::fromVariantMap(delegate->cellState(key));
                for (auto it = state.begin(); it != state.end(); ++it)
                    cell[it.key()] = it.value();
            }
            lines->append(cell);
        }
    }
}

// Widgets in other windows below this one are logged with their own window.
void logTree(QWidget* widget, QWidget* origin, const QString& window, QList<QJsonObject>* lines)
{
    if (isLogged(widget)) {
        lines->append(record(widget, origin, window));
        if (widget->isVisible()) {
            for (const PaintOp& op : PaintRecorder::record(widget))
                lines->append(op.toJson());
            if (auto* table = qobject_cast<Kx::CStandardHpfTable*>(widget))
                logTable(table, lines);
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
