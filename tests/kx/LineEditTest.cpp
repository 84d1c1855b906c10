#include "ControlTestKit.h"

#include "common/CSafeLineEdit.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::Events;

TEST(LineEdits, EnterDeliversEvent101AndTheSafeEditCleansAndCutsText)
{
    kit::loadShippedTheme();
    kit::EventSink sink;
    sink.show();
    auto* edit = new Kx::CLineEdit(4, &sink);
    QTest::keyClicks(edit, QStringLiteral("zhang"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sink.received, (Events{{101, 4, 0, "zhang", edit}, {101, 4, 0, "zhang", edit}}));

    auto* safe = new Ocv::CSafeLineEdit(9, &sink);
    safe->setText(QStringLiteral("a\tb\u202Ec\r\nd\u2028e"));
    EXPECT_EQ(safe->text(), "abcde");
    safe->clear();
    QApplication::clipboard()->setText(QStringLiteral("x\n") + QString(400, QLatin1Char('y')));
    safe->paste();
    EXPECT_EQ(safe->text(), "x" + QString(Ocv::CSafeLineEdit::kMaxLength - 2, QLatin1Char('y')));
    QTest::keyClicks(safe, QStringLiteral("zz"));
    EXPECT_EQ(safe->text().size(), Ocv::CSafeLineEdit::kMaxLength) << "typing stops at the limit";
}

TEST(LineEdits, Event102IsDeliveredOnlyWhileTheEditHasTheFocus)
{
    kit::EventSink sink;
    auto* search = new Kx::CLineEdit(3, &sink);
    auto* other = new Kx::CLineEdit(5, &sink);
    other->move(0, 40);
    sink.show();
    search->setReturnEvent(Kx::CLineEdit::EventReturnPressed2);
    search->setReturnEvent(55);
    EXPECT_EQ(search->returnEvent(), 102) << "an id of no Enter event is ignored";
    search->setText(QStringLiteral("abc"));

    QTest::keyClick(search, Qt::Key_Return);
    emit search->returnPressed();
    EXPECT_EQ(sink.received, Events{}) << "no focus: neither a key sent to it nor a call delivers";

    QApplication::setActiveWindow(&sink);
    search->setFocus();
    ASSERT_TRUE(search->hasFocus());
    QTest::keyClick(search, Qt::Key_Return);
    QTest::keyClick(search, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sink.received, (Events{{102, 3, 0, "abc", search}, {102, 3, 0, "abc", search}}));

    other->setFocus();
    sink.received.clear();
    QTest::keyClick(search, Qt::Key_Return);
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(sink.received, (Events{{101, 5, 0, "", other}})) << "the focus moved on";

    search->setReturnEvent(Kx::CLineEdit::EventReturnPressed);
    emit search->returnPressed();
    EXPECT_EQ(sink.received.back(), (kit::Event{101, 3, 0, "abc", search})) << "101 needs no focus";
}

TEST(LoadingMask, FollowsTheWidgetItCoversAndTakesItsClicks)
{
    kit::EventSink sink;
    sink.show();
    auto* covered = new kit::EventSink(&sink);
    covered->setGeometry(10, 10, 120, 60);
    covered->show();
    Kx::CLoadingMaskWidget mask(QStringLiteral("加载中…"), nullptr);
    mask.attach(covered);
    mask.show();
    covered->resize(200, 90);
    EXPECT_EQ(mask.geometry(), QRect(0, 0, 200, 90));
    struct Spy : QObject
    {
        bool pressed = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            pressed |= e->type() == QEvent::MouseButtonPress;
            return false;
        }
    } spy;
    covered->installEventFilter(&spy);
    QTest::mouseClick(&mask, Qt::LeftButton);
    EXPECT_FALSE(spy.pressed);

    auto* other = new QWidget(&sink);
    other->setGeometry(0, 0, 50, 40);
    other->show();
    mask.attach(other);
    EXPECT_TRUE(mask.isVisible()) << "a shown mask stays shown when it moves";
    covered->resize(10, 10);
    EXPECT_EQ(mask.geometry(), QRect(0, 0, 50, 40)) << "no longer follows the first widget";
}

} // namespace
