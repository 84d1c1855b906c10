#include "DialogWatcher.h"

#include "data/CVornClientCenter.h"
#include "kx/CMessageBox.h"
#include "utils/CSingletonT.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

const QString kAccept = QStringLiteral("accept");
const QString kReject = QStringLiteral("reject");
const QString kClose = QStringLiteral("close");
const QString kEnter = QStringLiteral("enter");
const QString kEscape = QStringLiteral("escape");
constexpr int kCheckIntervalMs = 20;
constexpr int kCheckRounds = 500; // 10 s at the most

// Framework buttons are no QAbstractButton: press them as a user would.
void clickCentre(QWidget* button)
{
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    const QPointF global(button->mapToGlobal(centre.toPoint()));
    QMouseEvent press(QEvent::MouseButtonPress, centre, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

// To the widget that has the focus once the dialog is the active window, as a keyboard would.
void pressKey(QDialog* dialog, Qt::Key key, const QString& text)
{
    if (!dialog->isActiveWindow())
        QApplication::setActiveWindow(dialog);
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != dialog)
        target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QPointer<QWidget> guarded(target);
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    if (!guarded)
        return;
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

// Through the dialog's own button when it has one, so that what the button checks still runs.
void press(QDialog* dialog, const QString& how)
{
    if (how == kEnter || how == kEscape) {
        pressKey(dialog, how == kEnter ? Qt::Key_Return : Qt::Key_Escape,
                 how == kEnter ? QStringLiteral("\r") : QStringLiteral("\x1b"));
        return;
    }
    if (how == kClose) {
        dialog->QDialog::done(QDialog::Rejected);
        return;
    }
    const bool accept = how == kAccept;
    auto* button = dialog->findChild<QWidget*>(accept ? QStringLiteral("common_dialog_ok")
                                                      : QStringLiteral("common_dialog_cancel"));
    // A disabled button is the dialog saying no; forcing it past its own checks would lie.
    if (button) {
        if (button->isEnabled())
            clickCentre(button);
    } else if (accept)
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
    const QString how = m_answer == Accept   ? kAccept
                        : m_answer == Enter  ? kEnter
                        : m_answer == Escape ? kEscape
                                             : kReject;
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
    waitForPlatform(dialog, how, 0, false);
}

// A dialog may send its request on OK and close only when the platform agrees: it counts as
// refusing the answer only once nothing is on its way any more and the last answers had a turn.
void DialogWatcher::waitForPlatform(QDialog* dialog, const QString& how, int round, bool quiet)
{
    QPointer<QDialog> guarded(dialog);
    QTimer::singleShot(kCheckIntervalMs, this, [this, guarded, how, round, quiet] {
        if (!guarded || !guarded->isVisible())
            return;
        const bool busy = utils::CSingletonT<Ocv::CVornClientCenter>::instance()->pendingRequests() > 0;
        if ((busy || !quiet) && round < kCheckRounds)
            waitForPlatform(guarded, how, round + 1, !busy);
        else
            checkAnswered(guarded, how);
    });
}

void DialogWatcher::checkAnswered(QDialog* dialog, const QString& how)
{
    if (!dialog->isVisible() || how == kClose)
        return;
    const QString next = how == kAccept || how == kEnter ? kReject : kClose;
    QJsonObject refused = line(dialog, next);
    QJsonObject fields = refused.value(QStringLiteral("dialog")).toObject();
    fields[QStringLiteral("refused")] = how;
    emit dialogNoted(QJsonObject{{QStringLiteral("dialog"), fields}});
    answer(dialog, next);
}

QJsonObject DialogWatcher::line(QDialog* dialog, const QString& how) const
{
    QJsonObject fields{{QStringLiteral("class"), QString::fromLatin1(dialog->metaObject()->className())},
                       {QStringLiteral("objectName"), dialog->objectName()},
                       {QStringLiteral("title"), dialog->windowTitle()},
                       {QStringLiteral("modal"), dialog->isModal()},
                       {QStringLiteral("answer"), how}};
    // A question's text says what was answered.
    if (auto* box = qobject_cast<Kx::CMessageBox*>(dialog))
        fields.insert(QStringLiteral("text"), box->text());
    return QJsonObject{{QStringLiteral("dialog"), fields}};
}
