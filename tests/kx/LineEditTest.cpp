#include "ControlTestKit.h"

#include "common/CSafeLineEdit.h"
#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::PaintRecorder;
using kxtest::Events;
using kxtest::themeColor;

class LineEdits : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kxtest::loadShippedTheme();
        sink.resize(300, 100);
        sink.show();
    }

    kxtest::EventSink sink;
};

TEST_F(LineEdits, EnterDeliversEventOneHundredOneWithTheText)
{
    auto* edit = new Kx::CLineEdit(4, &sink);
    edit->setEmptyHint(QStringLiteral("搜索用户"));
    EXPECT_EQ(edit->placeholderText(), "搜索用户");
    EXPECT_EQ(edit->palette().color(QPalette::PlaceholderText), themeColor("clr_lineedit_empty_hint"));
    QTest::keyClicks(edit, QStringLiteral("zhang"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sink.received, (Events{{101, 4, 0, "zhang", edit}, {101, 4, 0, "zhang", edit}}));
}

TEST_F(LineEdits, TheSafeEditDropsControlCharactersAndCutsLongPastes)
{
    auto* edit = new Ocv::CSafeLineEdit(9, &sink);
    edit->setText(QStringLiteral("a\tb\u202Ec\r\nd\u2028e"));
    EXPECT_EQ(edit->text(), "abcde");
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("x\n") + QString(400, QLatin1Char('y')));
    edit->paste();
    EXPECT_EQ(edit->text(), "x" + QString(Ocv::CSafeLineEdit::kMaxLength - 2, QLatin1Char('y')))
        << "cut to the limit, then cleaned";
    QTest::keyClicks(edit, QStringLiteral("zz"));
    EXPECT_EQ(edit->text().size(), Ocv::CSafeLineEdit::kMaxLength) << "typing stops at the limit";
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(std::get<0>(sink.received.front()), 101);
}

TEST_F(LineEdits, TheLoadingMaskCoversItsWidgetAndTakesItsClicks)
{
    auto* covered = new kxtest::EventSink(&sink);
    covered->setGeometry(10, 10, 120, 60);
    covered->show();
    Kx::CLoadingMaskWidget mask(QStringLiteral("加载中…"), nullptr);
    mask.attach(covered);
    EXPECT_EQ(mask.objectName(), "loading_mask");
    EXPECT_FALSE(mask.isVisible());
    mask.show();
    EXPECT_EQ(mask.parentWidget(), covered);
    EXPECT_EQ(mask.geometry(), covered->rect());
    covered->resize(200, 90);
    EXPECT_EQ(mask.geometry(), QRect(0, 0, 200, 90));

    const auto ops = PaintRecorder::record(&mask);
    ASSERT_FALSE(ops.isEmpty());
    EXPECT_EQ(ops.first().rect, QRectF(0, 0, 200, 90));
    EXPECT_EQ(ops.first().fill, themeColor("clr_loading_mask"));
    EXPECT_LT(ops.first().fill.alpha(), 255);
    EXPECT_EQ(PaintRecorder::countText(ops, "加载中…"), 1);

    bool pressed = false;
    struct Spy : QObject
    {
        bool* flag;
        explicit Spy(bool* f) : flag(f) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            *flag |= e->type() == QEvent::MouseButtonPress;
            return false;
        }
    } spy(&pressed);
    covered->installEventFilter(&spy);
    QTest::mouseClick(&mask, Qt::LeftButton);
    EXPECT_FALSE(pressed);

    auto* other = new QWidget(&sink);
    other->setGeometry(0, 0, 50, 40);
    other->show();
    mask.attach(other);
    EXPECT_EQ(mask.parentWidget(), other);
    EXPECT_TRUE(mask.isVisible()) << "a shown mask stays shown when it moves";
    covered->resize(10, 10);
    EXPECT_EQ(mask.geometry(), QRect(0, 0, 50, 40)) << "no longer follows the first widget";
}

} // namespace
