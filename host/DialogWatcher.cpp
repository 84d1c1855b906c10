#include "DialogWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

namespace {

const QString kAccept = QStringLiteral("accept");
const QString kReject = QStringLiteral("reject");
const QString kClose = QStringLiteral("close");

// Through the dialog's own button when it has one, so that what the button checks still runs.
void press(QDialog* dialog, const QString& how)
{
    if (how == kClose) {
        dialog->QDialog::done(QDialog::Rejected);
        return;
    }
    const bool accept = how == kAccept;
    auto* button = dialog->findChild<QAbstractButton*>(accept ? QStringLiteral("common_dialog_ok")
                                                              : QStringLiteral("common_dialog_cancel"));
    if (button && button->isEnabled())
        button->click();
    else if (accept)
        dialog->accept();
    else
        dialog->reject();
}

} // namespace

DialogWatcher::DialogWatcher(Answer answer, QObject* parent) : QObject(parent), m_answer(answer)
{
    qApp->installEventFilter(this);
}

DialogWatcher::~DialogWatcher()
{
    qApp->removeEventFilter(this);
}

bool DialogWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // Spontaneous shows are a window coming back from minimized, not a dialog opening.
    if (event->type() != QEvent::Show || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow() || dialog->objectName().startsWith(QLatin1String("host_")))
        return false;
    if (!dialog->isModal() || m_answer == None) {
        emit dialogNoted(line(dialog, QStringLiteral("none")));
        return false;
    }
    const QString how = m_answer == Accept ? kAccept : kReject;
    emit dialogNoted(line(dialog, how));
    // Queued: exec() has not entered its loop yet while the dialog is being shown.
    QPointer<QDialog> guarded(dialog);
    QMetaObject::invokeMethod(
        this,
        [this, guarded, how] {
            if (guarded)
                answer(guarded, how);
        },
        Qt::QueuedConnection);
    return false;
}

void DialogWatcher::answer(QDialog* dialog, const QString& how)
{
    press(dialog, how);
    QPointer<QDialog> guarded(dialog);
    QMetaObject::invokeMethod(
        this,
        [this, guarded, how] {
            if (guarded)
                checkAnswered(guarded, how);
        },
        Qt::QueuedConnection);
}

void DialogWatcher::checkAnswered(QDialog* dialog, const QString& how)
{
    if (!dialog->isVisible() || how == kClose)
        return;
    const QString next = how == kAccept ? kReject : kClose;
    QJsonObject refused = line(dialog, next);
    QJsonObject fields = refused.value(QStringLiteral("dialog")).toObject();
    fields[QStringLiteral("refused")] = how;
    emit dialogNoted(QJsonObject{{QStringLiteral("dialog"), fields}});
    answer(dialog, next);
}

QJsonObject DialogWatcher::line(QDialog* dialog, const QString& how) const
{
    const QJsonObject fields{
        {QStringLiteral("class"), QString::fromLatin1(dialog->metaObject()->className())},
        {QStringLiteral("objectName"), dialog->objectName()},
        {QStringLiteral("title"), dialog->windowTitle()},
        {QStringLiteral("modal"), dialog->isModal()},
        {QStringLiteral("answer"), how}};
    return QJsonObject{{QStringLiteral("dialog"), fields}};
}
