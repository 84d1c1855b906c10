#include "StripTestSupport.h"

#include "ScenarioBuilder.h"
#include "Theme.h"

#include "kx/CSmallNormalButton.h"
#include "kx/CUiResource.h"
#include "risk/CTopModelWidget.h"
#include "utils/CSingletonT.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using kit::PaintRecorder;
using namespace striptest;
using kit::themeColor;
using kit::themeFont;

QSize imageSize(const char* key)
{
    return utils::CSingletonT<Kx::CUiResource>::instance()->imageSize(QString::fromLatin1(key));
}

class TopModelWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::ScenarioBuilder().install();
        tile = std::make_unique<Ocv::CTopModelWidget>(id, nullptr);
        tile->resize(342, 273);
        tile->setTextColor(QStringLiteral("clr_top_account_color"),
                           QStringLiteral("clr_welcome_top_account_hight_text"));
        tile->setText(QStringLiteral("今日新增:0个账号"), QStringLiteral("0"), QStringLiteral("账号"),
                      QStringLiteral("账号设置"));
        tile->setImage(QStringLiteral("top_account_new"), QStringLiteral("top_accoount_up"));
    }
    void moveTo(QPoint pos) { striptest::moveTo(tile.get(), pos); }
    void press(QPoint pos) { striptest::press(tile.get(), pos); }
    // Top of the number, then of the today line, from the icon and the fonts.
    int numberTop() const { return imageSize("top_account_new").height() + 73; }
    int todayTop() const
    {
        return numberTop() + QFontMetrics(themeFont("ocv_fnt_welcome_top_widget_number")).height() + 28;
    }

    Ocv::ETopModelWidgetID id = Ocv::TOP_MODEL_ACCOUNT;
    std::unique_ptr<Ocv::CTopModelWidget> tile;
};

TEST_F(TopModelWidgetTest, SetTextKeepsEmptyArgumentsAndReportsOnlyNumberAndTodayChanges)
{
    EXPECT_FALSE(tile->setText(QString(), QString(), QStringLiteral("账户"), QStringLiteral("设置")))
        << "title and hover label do not count";
    EXPECT_EQ(tile->titleText(), QStringLiteral("账户"));
    EXPECT_FALSE(
        tile->setText(QStringLiteral("今日新增:0个账号"), QStringLiteral("0"), QString(), QString()));
    EXPECT_TRUE(tile->setText(QString(), QStringLiteral("12"), QString(), QString()));
    EXPECT_TRUE(tile->setText(QStringLiteral("今日新增:3个账号"), QString(), QString(), QString()));
    EXPECT_EQ(tile->numberText(), QStringLiteral("12"));
    EXPECT_EQ(tile->todayText(), QStringLiteral("今日新增:3个账号"));
    EXPECT_EQ(tile->hoverLabel(), QStringLiteral("设置"));
}

// Positions follow the icon's size and the fonts' heights; texts sit on their rectangles' bottoms.
TEST_F(TopModelWidgetTest, PaintsIconTitleNumberAndTodayLineWhereTheFontsPutThem)
{
    const QSize icon = imageSize("top_account_new");
    const QSize today = imageSize("top_accoount_up");
    const auto ops = PaintRecorder::record(tile.get());
    EXPECT_EQ(images(ops, QStringLiteral("top_account_new")).value(0).rect, QRectF(QPointF(20, 45), icon));
    EXPECT_EQ(images(ops, QStringLiteral("top_accoount_up")).value(0).rect,
              QRectF(QPointF(20, todayTop()), today));
    const QFontMetrics title(themeFont("ocv_fnt_welcome_top_widget_title"));
    const QFontMetrics number(themeFont("ocv_fnt_welcome_top_widget_number"));
    const QFontMetrics line(themeFont("ocv_fnt_welcome_top_widget_current_number"));
    const QColor text = themeColor("clr_top_account_color");
    expectText(ops, QStringLiteral("账号"), icon.width() + 50, 58 + title.ascent(), QColor(74, 74, 74));
    expectText(ops, QStringLiteral("0"), 20, numberTop() + number.ascent(), text);
    expectText(ops, QStringLiteral("今日新增:0个账号"), today.width() + 30, todayTop() + 3 + line.ascent(),
               text);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("账号设置")), 0)
        << "the label shows on hover only";
    EXPECT_EQ(PaintRecorder::hairlines(ops, themeColor("clr_welcome_splite_line")).size(), 4)
        << "the outline";
}

TEST_F(TopModelWidgetTest, HoveringAShortcutHighlightsItAndAPressAsksForItsDialog)
{
    QSignalSpy asked(tile.get(), &Ocv::CTopModelWidget::sigShowDialog);
    const QRect number = tile->numberRect();
    moveTo(number.center());
    EXPECT_EQ(tile->cursor().shape(), Qt::PointingHandCursor);
    auto ops = PaintRecorder::record(tile.get());
    const QColor hover = themeColor("clr_welcome_top_account_hight_text");
    const QFontMetrics numberFont(themeFont("ocv_fnt_welcome_top_widget_number"));
    const QFontMetrics label(themeFont("ocv_fnt_welcome_top_widget_tooltip_title"));
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("0")).color, hover);
    expectText(ops, QStringLiteral("账号设置"), number.width() + 30,
               numberTop() + numberFont.height() / 2 - label.height() / 2 + label.ascent(), hover);

    moveTo(tile->todayRect().center());
    ops = PaintRecorder::record(tile.get());
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("今日新增:0个账号")).color, hover);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("账号设置")), 0);
    moveTo(QPoint(300, 20));
    EXPECT_EQ(tile->cursor().shape(), Qt::ArrowCursor);

    press(number.center());
    press(tile->todayRect().center());
    press(QPoint(300, 20));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], (QList<QVariant>{int(id), false}));
    EXPECT_EQ(asked[1], (QList<QVariant>{int(id), true}));
}

// The button takes the text colour it finds, sits right of the today line on a rounded plate.
TEST_F(TopModelWidgetTest, ButtonSitsOnItsPlateRightOfTheTodayLine)
{
    tile->setBtn(1000, QStringLiteral("一键创建账号"));
    Kx::CSmallNormalButton* button = tile->button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->size(), QSize(133, 40));
    EXPECT_EQ(button->pos(), QPoint(342 - 156, todayTop() - 10));
    EXPECT_EQ(button->buttonColor().key(Kx::CButtonColor::Hover), QStringLiteral("clr_top_account_color"));
    EXPECT_EQ(button->text(), QStringLiteral("一键创建账号"));
    bool plate = false;
    for (const kit::PaintOp& op : PaintRecorder::record(tile.get()))
        plate = plate ||
                (op.kind == kit::PaintOp::Shape && op.rect == QRectF(342 - 158, todayTop() - 10, 138, 40));
    EXPECT_TRUE(plate);
}

} // namespace
