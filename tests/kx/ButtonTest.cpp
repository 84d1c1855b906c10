#include "ControlTestKit.h"

#include "kx/CPushButton.h"
#include "kx/CSmallNormalButton.h"
#include "kx/CStandardTabControl.h"
#include "kx/CTabButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::Events;
using kit::PaintOp;
using kit::PaintRecorder;
using kit::themeColor;
using kit::themeFont;
using kxtest::backgroundOf;

class PushButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        button->setText(QStringLiteral("Apply"));
        button->resize(120, 32);
        sink.resize(200, 100);
        sink.show();
    }

    kit::EventSink sink;
    Kx::CPushButton* button = new Kx::CPushButton(7, &sink);
    QSignalSpy clicks{button, &Kx::CPushButton::clicked};
};

TEST_F(PushButton, AClickSpaceEnterAndReturnDeliverEventFiveAndEmitClicked)
{
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{5, 7, 0, QStringLiteral("Apply"), button}}));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 7);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1) << "released outside or another button: no click";

    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1) << "space clicks on release";
    QTest::keyRelease(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(sink.received.size(), 4u);
}

TEST_F(PushButton, HoverPressFocusAndDisabledLooksAndADisabledButtonNeverClicks)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(backgroundOf(button), themeColor("clr_btn_hover"));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(backgroundOf(button), themeColor("clr_btn_press"));
    QMouseEvent away(QEvent::MouseMove, QPointF(-9, -9), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &away);
    EXPECT_EQ(backgroundOf(button), themeColor("clr_btn_hover")) << "pressed look only while inside";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-9, -9));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(backgroundOf(button), themeColor("clr_btn_normal"));

    auto focusLines = [&] {
        const QVector<PaintOp> now = PaintRecorder::record(button);
        return std::count_if(now.begin(), now.end(), [](const PaintOp& op) {
            return op.kind == PaintOp::Rect && !op.fill.isValid() && op.color == themeColor("clr_focus_line");
        });
    };
    EXPECT_EQ(focusLines(), 0);
    QApplication::setActiveWindow(&sink);
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(focusLines(), 1);

    QTest::mousePress(button, Qt::LeftButton);
    button->setEnabled(false);
    EXPECT_EQ(backgroundOf(button), themeColor("clr_btn_disable"));
    EXPECT_EQ(PaintRecorder::findText(PaintRecorder::record(button), QStringLiteral("Apply")).color,
              themeColor("clr_btn_text_disable"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);
    button->click();
    button->setEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_TRUE(sink.received.empty()) << "a press from before the button was disabled does not count";
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(PushButton, ColoursFollowTheThemeAndAStyleSheetBorderIsDrawn)
{
    const kit::ScratchDir dir;
    ASSERT_TRUE(dir.loadTheme(R"({"colors": {"clr_t_button_bg": "#102030"}})"));
    button->setButtonColor(Kx::CButtonColor(QStringLiteral("clr_t_button_bg")));
    EXPECT_EQ(backgroundOf(button), QColor(0x10, 0x20, 0x30));
    ASSERT_TRUE(dir.loadTheme(R"({"colors": {"clr_t_button_bg": "#405060"}})"));
    EXPECT_EQ(backgroundOf(button), QColor(0x40, 0x50, 0x60));

    button->setStyleSheet(QStringLiteral("border: 2px solid #ff0000;"));
    const QVector<PaintOp> ops = PaintRecorder::record(button);
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                            [](const PaintOp& op) { return op.color == Qt::red || op.fill == Qt::red; }));
}

TEST(SmallButton, FitsItsTextInALayoutAndTakesTheNavigationLook)
{
    kit::loadShippedTheme();
    kit::EventSink sink;
    auto* row = new QHBoxLayout(&sink);
    auto* fitted = new Kx::CSmallNormalButton(3, true, Kx::CSmallNormalButton::SmallNavigation, &sink);
    auto* stretched = new Kx::CSmallNormalButton(4, false, Kx::CSmallNormalButton::SmallNormal, &sink);
    fitted->setText(QStringLiteral("Export"));
    stretched->setText(QStringLiteral("Go"));
    row->addWidget(fitted);
    row->addWidget(stretched);
    sink.resize(400, 40);
    sink.show();
    EXPECT_EQ(fitted->width(), fitted->sizeHint().width());
    EXPECT_GT(stretched->width(), stretched->sizeHint().width());
    EXPECT_EQ(backgroundOf(fitted), themeColor("clr_nav_exchang_btn_normal"));
    EXPECT_EQ(backgroundOf(stretched), themeColor("clr_btn_normal"));
    QTest::mouseClick(stretched, Qt::LeftButton);
    EXPECT_EQ(sink.received, (Events{{5, 4, 0, QStringLiteral("Go"), stretched}}));
}

// A style sheet's border and padding take the place of the button's own padding: the dashboard's
// one-click labels read whole on their 85 x 24 buttons, centred between border and padding.
TEST(SmallButton, AStyleSheetsBoxReplacesItsPaddingSoTheLabelFits)
{
    kit::loadShippedTheme();
    const QFontMetricsF metrics(themeFont("fnt_small_button"));
    for (const char* label : {"一键开户", "一键创建产品", "一键创建账号", "一键创建用户"}) {
        const QString text = QString::fromUtf8(label);
        Kx::CSmallNormalButton button(20, false, Kx::CSmallNormalButton::SmallNormal, nullptr);
        button.setText(text);
        button.setFixedSize(85, 24);
        button.setStyleSheet(QStringLiteral("border:2px groove gray;border-radius:5px;padding:2px 4px;"));
        const PaintOp drawn = PaintRecorder::findText(PaintRecorder::record(&button), text);
        EXPECT_EQ(drawn.text, text) << label;
        EXPECT_NEAR(drawn.pos.x(), 6 + (73 - metrics.horizontalAdvance(text)) / 2, 1) << label;
    }
}

TEST(TabButton, AloneAClickChecksItForGoodAndDeliversItsId)
{
    kit::EventSink sink;
    auto* tab = new Kx::CTabButton(4, &sink, false);
    tab->setText(QStringLiteral("tab"));
    QSignalSpy toggled(tab, &Kx::CTabButton::toggled);
    sink.show();
    QTest::mouseClick(tab, Qt::LeftButton);
    QTest::mouseClick(tab, Qt::LeftButton);
    EXPECT_TRUE(tab->isChecked());
    EXPECT_EQ(toggled.count(), 1);
    const kit::Event click{5, 4, 0, QStringLiteral("tab"), tab};
    EXPECT_EQ(sink.received, (Events{click, click}));
}

TEST(TabButton, TheCheckedTabHasTheCheckedLookAndTheKeyboardSwitchesTabs)
{
    kit::loadShippedTheme();
    QWidget window;
    auto* tabs = new Kx::CStandardTabControl(&window);
    tabs->addTabWidget(QStringLiteral("zero"), new QWidget);
    tabs->addTabWidget(QStringLiteral("one"), new QWidget);
    tabs->resize(300, 200);
    window.show();
    Kx::CTabButton* zero = tabs->tabButton(0);
    Kx::CTabButton* one = tabs->tabButton(1);
    EXPECT_EQ(backgroundOf(zero), themeColor("clr_widget_background"));
    EXPECT_EQ(backgroundOf(one), themeColor("clr_nav_exchang_btn_normal"));

    QTest::keyClick(one, Qt::Key_Space);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_FALSE(zero->isChecked());
    EXPECT_EQ(backgroundOf(zero), themeColor("clr_nav_exchang_btn_normal"));
}

} // namespace
