#include "ControlTestKit.h"

#include "kx/CCommonDialog.h"
#include "kx/CMessageBox.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CTabButton.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using kit::PaintOp;
using kit::PaintRecorder;
using kit::themeColor;

class ValidatingDialog : public Kx::CCommonDialog
{
public:
    using Kx::CCommonDialog::CCommonDialog;
    using Kx::CCommonDialog::titleBarHeight;
    bool allow = false;
    int asked = 0;

protected:
    bool onAccept() override
    {
        ++asked;
        return allow;
    }
};

class CommonDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        inner->setFixedSize(300, 120);
        dialog->setTitle(QStringLiteral("编辑用户"));
        dialog->setInnerWidget(inner);
        dialog->setStandardButtons(Kx::CCommonDialog::Ok | Kx::CCommonDialog::Cancel);
        dialog->show();
    }

    Kx::CPushButton* button(const char* name) const
    {
        return dialog->findChild<Kx::CPushButton*>(QLatin1String(name));
    }

    kit::EventSink owner;
    ValidatingDialog* dialog = new ValidatingDialog(&owner);
    QWidget* inner = new QWidget;
    QSignalSpy finished{dialog, &QDialog::finished};
};

TEST_F(CommonDialog, OkAcceptsOnlyWhenOnAcceptAgreesWhileCancelEscapeAndCloseReject)
{
    QTest::mouseClick(button("common_dialog_ok"), Qt::LeftButton);
    EXPECT_EQ(dialog->asked, 1);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(button("common_dialog_cancel"), Qt::LeftButton);
    EXPECT_EQ(dialog->clickedButton(), Kx::CCommonDialog::Cancel);
    dialog->show();
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    dialog->show();
    QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(dialog->width() - 6, 6));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->clickedButton(), Kx::CCommonDialog::NoButton);
    EXPECT_EQ(finished.count(), 3);
    for (const QList<QVariant>& args : finished)
        EXPECT_EQ(args.at(0).toInt(), QDialog::Rejected);
    EXPECT_EQ(dialog->asked, 1);

    dialog->show();
    dialog->allow = true;
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_EQ(dialog->asked, 2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->clickedButton(), Kx::CCommonDialog::Ok);
    EXPECT_TRUE(owner.received.empty()) << "the dialog consumes its own buttons' clicks";
}

TEST_F(CommonDialog, PaintsItsTitleOwnsItsInnerWidgetAndPassesOnWhatItDoesNotHandle)
{
    const QVector<PaintOp> ops = PaintRecorder::record(dialog);
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("编辑用户")).color,
              themeColor("clr_dialog_title_text"));
    EXPECT_GE(dialog->height(),
              dialog->titleBarHeight() + inner->height() + button("common_dialog_ok")->height());
    QPointer<QWidget> replaced(inner);
    auto* tab = new Kx::CTabButton(31, nullptr, false);
    dialog->setInnerWidget(tab);
    EXPECT_TRUE(replaced.isNull());
    tab->click();
    EXPECT_EQ(owner.received, (kit::Events{{5, 31, 0, QString(), tab}}));
}

// Drives the modal box that the call under test runs: presses a key or clicks a button by name.
void answerModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) {
            ADD_FAILURE() << "no modal box";
            for (QWidget* w : QApplication::topLevelWidgets())
                w->close();
            return;
        }
        act(box);
    });
}

TEST(MessageBox, QuestionReturnsTheButtonPressedAndCancelWhenClosed)
{
    kit::loadShippedTheme();
    answerModal([](QWidget* box) {
        QTest::mouseClick(box->findChild<Kx::CPushButton*>(QStringLiteral("common_dialog_ok")),
                          Qt::LeftButton);
    });
    const auto okCancel = Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel;
    EXPECT_EQ(Kx::CMessageBox::question(nullptr, QStringLiteral("删除"), QStringLiteral("确定删除该用户吗？"),
                                        okCancel, Kx::CMessageBox::Cancel),
              Kx::CMessageBox::Ok);

    answerModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(Kx::CMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("x"), okCancel,
                                        Kx::CMessageBox::Cancel),
              Kx::CMessageBox::Cancel);
    answerModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(Kx::CMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("x")),
              Kx::CMessageBox::Cancel);
}

// Enter where the keyboard sends it, to the focused widget of the active box: with a default it
// answers that; without one (a question's default) it answers nothing, whatever has the focus.
TEST(MessageBox, EnterAnswersOnlyTheDefaultButtonEvenWhenOkHasTheFocus)
{
    kit::loadShippedTheme();
    const auto okCancel = Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel;
    const auto focusOf = [](QWidget* box, const char* focused) {
        QApplication::setActiveWindow(box);
        if (focused)
            box->findChild<QWidget*>(QLatin1String(focused))->setFocus();
        QWidget* target = QApplication::focusWidget();
        EXPECT_TRUE(target && target->window() == box);
        return target ? target : box;
    };
    answerModal([&](QWidget* box) {
        QTest::keyClick(focusOf(box, nullptr), Qt::Key_Return);
        if (box->isVisible())
            static_cast<QDialog*>(box)->reject();
    });
    EXPECT_EQ(Kx::CMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("x"), okCancel,
                                        Kx::CMessageBox::Ok),
              Kx::CMessageBox::Ok);
    for (const char* focused :
         {static_cast<const char*>(nullptr), "common_dialog_ok", "common_dialog_cancel"}) {
        answerModal([&](QWidget* box) {
            QWidget* target = focusOf(box, focused);
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(box->isVisible()) << (focused ? focused : "first focus");
            QTest::keyClick(target, Qt::Key_Escape);
            EXPECT_FALSE(box->isVisible()) << "Escape cancels";
            if (box->isVisible())
                static_cast<QDialog*>(box)->reject();
        });
        EXPECT_EQ(
            Kx::CMessageBox::question(nullptr, QStringLiteral("提示"), QStringLiteral("是否登出全部用户？")),
            Kx::CMessageBox::Cancel);
    }
}

// With the shipped theme no control falls back to the magenta placeholder in any of its looks.
TEST(ControlTheme, NoControlPaintsThePlaceholderWithTheShippedTheme)
{
    kit::loadShippedTheme();
    const QColor magenta(255, 0, 255);
    kit::EventSink sink;
    Kx::CMessageBox box(&sink, QStringLiteral("t"), QStringLiteral("text"),
                        Kx::CMessageBox::Ok | Kx::CMessageBox::Cancel, Kx::CMessageBox::Ok);
    box.setWarning(true);
    auto* checked = new Kx::CTabButton(1, &sink, true);
    auto* label = new Kx::CSimpleTextWidget(2, Qt::AlignLeft, &sink);
    label->setText(QStringLiteral("x"), 10);
    QList<QWidget*> widgets{&box,    box.button(Kx::CMessageBox::Ok),
                            checked, new Kx::CTabButton(3, &sink, false),
                            label,   box.findChild<QWidget*>(QStringLiteral("message_box_text"))};
    for (bool enabled : {true, false}) {
        for (QWidget* widget : widgets) {
            widget->setEnabled(enabled);
            for (const PaintOp& op : PaintRecorder::record(widget))
                EXPECT_TRUE(op.color != magenta && op.fill != magenta)
                    << widget->metaObject()->className() << " " << (enabled ? "enabled" : "disabled");
        }
    }
}

} // namespace
