#include "DialogWatcher.h"
#include "HostRun.h"

#include "AnswerWait.h"

#include "kx/CMessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The buttons carry the framework's names; OK accepts only while acceptable.
struct CheckedDialog : QDialog
{
    CheckedDialog()
    {
        auto* ok = new QPushButton(this);
        ok->setObjectName("common_dialog_ok");
        connect(ok, &QPushButton::clicked, this, [this] {
            ++okClicks;
            if (acceptable)
                accept();
        });
        auto* cancel = new QPushButton(this);
        cancel->setObjectName("common_dialog_cancel");
        connect(cancel, &QPushButton::clicked, this, [this] {
            cancelled = true;
            reject();
        });
    }
    bool acceptable = true;
    int okClicks = 0;
    bool cancelled = false;
};

// exec() from a queued call, as a click handler of the module would; -2 when nobody answered.
int execQueued(QDialog* dialog)
{
    QTimer unanswered;
    QObject::connect(&unanswered, &QTimer::timeout, dialog, [dialog] { dialog->done(-2); });
    unanswered.start(2000);
    int result = -1;
    QMetaObject::invokeMethod(
        qApp, [&] { result = dialog->exec(); }, Qt::QueuedConnection);
    for (int i = 0; i < 200 && result < 0; ++i)
        kit::processEventsFor(5);
    return result;
}

TEST(DialogWatcher, AnswersModalDialogsAsAskedAndLogsEachStep)
{
    QList<QJsonObject> lines;
    auto watcher = std::make_unique<DialogWatcher>(DialogWatcher::Accept);
    QObject::connect(watcher.get(), &DialogWatcher::dialogNoted,
                     [&lines](const QJsonObject& line) { lines << line["dialog"].toObject(); });
    QDialog plain;
    EXPECT_EQ(execQueued(&plain), QDialog::Accepted);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]["answer"], "accept");
    EXPECT_EQ(lines[0]["modal"], true);

    CheckedDialog checked;
    EXPECT_EQ(execQueued(&checked), QDialog::Accepted);
    // A dialog whose own checks refuse the accept is rejected so that the run goes on.
    checked.acceptable = false;
    EXPECT_EQ(execQueued(&checked), QDialog::Rejected);
    EXPECT_TRUE(checked.okClicks == 2 && checked.cancelled);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[3]["refused"], "accept");

    watcher = std::make_unique<DialogWatcher>(DialogWatcher::Reject);
    EXPECT_EQ(execQueued(&plain), QDialog::Rejected);
}

// Enter and Escape go where a keyboard sends them, to the focused widget of the dialog: Enter in a
// line edit confirms through it, while a question without a default button stays open on Enter
// and is then rejected.
TEST(DialogWatcher, PressesEnterAndEscapeOnTheFocusedWidget)
{
    QStringList answers;
    auto watcher = std::make_unique<DialogWatcher>(DialogWatcher::Enter);
    QObject::connect(watcher.get(), &DialogWatcher::dialogNoted,
                     [&answers](const QJsonObject& line) { answers << line["dialog"]["answer"].toString(); });
    QDialog form;
    auto* edit = new QLineEdit(&form);
    QObject::connect(edit, &QLineEdit::returnPressed, &form, &QDialog::accept);
    edit->setFocus();
    EXPECT_EQ(execQueued(&form), QDialog::Accepted);
    EXPECT_EQ(answers, QStringList{"enter"});

    answers.clear();
    Kx::CMessageBox question(nullptr, "提示", "是否登出全部用户？",
                             Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel, Kx::CMessageBox::NoButton);
    EXPECT_EQ(execQueued(&question), QDialog::Rejected);
    EXPECT_EQ(question.clickedButton(), Kx::CMessageBox::Cancel) << "rejected through its Cancel";
    EXPECT_EQ(answers, (QStringList{"enter", "reject"}));

    answers.clear();
    watcher = std::make_unique<DialogWatcher>(DialogWatcher::Escape);
    QObject::connect(watcher.get(), &DialogWatcher::dialogNoted,
                     [&answers](const QJsonObject& line) { answers << line["dialog"]["answer"].toString(); });
    EXPECT_EQ(execQueued(&form), QDialog::Rejected);
    EXPECT_EQ(execQueued(&question), QDialog::Rejected);
    EXPECT_EQ(question.clickedButton(), Kx::CMessageBox::NoButton) << "Escape, not Cancel";
    EXPECT_EQ(answers, (QStringList{"escape", "escape"}));
}

TEST(DialogWatcher, NonModalDialogStaysOpenAndJoinsTheScreenshot)
{
    int noted = 0;
    DialogWatcher watcher(DialogWatcher::Reject);
    QObject::connect(&watcher, &DialogWatcher::dialogNoted,
                     [&noted](const QJsonObject& line) { noted += line["dialog"]["answer"] == "none"; });
    QWidget panel;
    panel.setFixedSize(200, 100);
    panel.setStyleSheet("background: #ff0000");
    auto* dialog = new QDialog(&panel);
    dialog->setStyleSheet("background: #00ff00");
    dialog->setFixedSize(50, 40);
    panel.show();
    dialog->show();
    dialog->move(panel.mapToGlobal(QPoint(170, 20)));
    kit::processEventsFor(20);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(noted, 1);
    // The dialog reaches past the panel's right edge: the image grows to hold it.
    const QPoint place = dialog->mapToGlobal(QPoint()) - panel.mapToGlobal(QPoint());
    const QImage shot = HostRun::screenshot(&panel);
    EXPECT_EQ(shot.size(), QSize(place.x() + 50, 100));
    EXPECT_EQ(shot.pixelColor(10, 10), QColor("#ff0000"));
    EXPECT_EQ(shot.pixelColor(place + QPoint(45, 10)), QColor("#00ff00"));
}

} // namespace
