#include "HostRun.h"

#include "AnswerWait.h"
#include "PaintRecorder.h"

#include "kx/CStandardTabControl.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <typeinfo>

namespace HostRun {

namespace {

constexpr int kSettleBoundMs = 10000;

// Widgets of the module live in namespace Ocv; the framework's own widgets are not logged.
bool isModuleWidget(const QWidget* widget)
{
    return QByteArray(typeid(*widget).name()).startsWith("N3Ocv");
}

bool writeLines(const QString& path, const QList<QJsonObject>& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    for (const QJsonObject& line : lines)
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    return true;
}

} // namespace

void settle(int settleMs)
{
    if (settleMs >= 0)
        kit::processEventsFor(settleMs);
    else
        kit::waitForAnswers(kSettleBoundMs);
}

bool selectTab(QWidget* panel, const QString& tab, QString* error)
{
    const QString title =
        tab == QLatin1String("quick") ? QStringLiteral("快捷操作") : QStringLiteral("系统状态");
    auto* tabs = panel->findChild<Kx::CStandardTabControl*>();
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        if (tabs->tabTitle(i) == title) {
            tabs->setCurrentIndex(i);
            return true;
        }
    }
    *error = QStringLiteral("the panel has no tab \"%1\" for this user").arg(title);
    return false;
}

bool click(QWidget* root, const HostClick& click, QString* error)
{
    QWidget* target =
        root->objectName() == click.objectName ? root : root->findChild<QWidget*>(click.objectName);
    if (!target) {
        *error = QStringLiteral("no widget named %1").arg(click.objectName);
        return false;
    }
    const QPointF local(click.pos);
    const QPointF global(target->mapToGlobal(click.pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    return true;
}

bool writeScreenshot(QWidget* panel, const QString& path, QString* error)
{
    if (!panel->grab().save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool writePaintLog(QWidget* panel, const QString& path, QString* error)
{
    QList<QJsonObject> lines;
    QList<QWidget*> widgets{panel};
    widgets += panel->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!isModuleWidget(widget) || !widget->isVisible())
            continue;
        for (const kit::PaintOp& op : kit::PaintRecorder::record(widget))
            lines.append(op.toJson());
    }
    return writeLines(path, lines, error);
}

bool writeEvents(const QVector<CDockHost::Event>& events, const QString& path, QString* error)
{
    QList<QJsonObject> lines;
    for (const CDockHost::Event& event : events) {
        lines.append(QJsonObject{{QStringLiteral("id"), event.id},
                                 {QStringLiteral("a"), event.a},
                                 {QStringLiteral("b"), event.b},
                                 {QStringLiteral("text"), event.text}});
    }
    return writeLines(path, lines, error);
}

} // namespace HostRun
