#include "StripTestSupport.h"

#include "PaintRecorder.h"
#include "Theme.h"

#include "dashboard/CMiddleWidget.h"

#include <gtest/gtest.h>

using namespace striptest;
using kit::PaintRecorder;
using kit::statusRecord;

namespace {

const QString kLabels[] = {QStringLiteral("运行状态"), QStringLiteral("运行时间"),
                           QStringLiteral("CPU使用率"), QStringLiteral("内存占有")};
const int kBaselines[] = {210, 254, 298, 342};
const QString kTitles[] = {QStringLiteral("风控服务"), QStringLiteral("交易服务"), QStringLiteral("核心服务"),
                           QStringLiteral("任务服务"), QStringLiteral("交易插件")};
const QString kTitleFontKey = QStringLiteral("ocv_fnt_middle_widget_title");

class MiddleWidgetTest : public StripTest<Ocv::CMiddleWidget>
{
protected:
    void SetUp() override { builder.server("s1"); }

    QFont labelFont(QWidget* w) const { return sized(w->font(), 10, false); }
};

TEST_F(MiddleWidgetTest, EmptyMapShowsTitledColumnsOfPlaceholdersInAFrameWithFourDividers)
{
    auto* strip = makeStrip();
    EXPECT_EQ(strip->objectName(), QStringLiteral("wolcome_middle_widget"));
    EXPECT_EQ(strip->size(), QSize(1520, 380));
    EXPECT_TRUE(strip->hasMouseTracking());
    const auto ops = paint(strip, {});

    const QFont title = *kit::uiResource()->getFont(kTitleFontKey);
    for (int column = 0; column < 5; ++column)
        expectText(ops, kTitles[column], column * 304 + (304 - advance(title, kTitles[column])) / 2, 50,
                   kGrey);

    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("--")), 4 + 2);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("--:--:--")), 4);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-%")), 4);
    const int stateX = 75 + advance(labelFont(strip), kLabels[0]);
    for (int column = 0; column < 4; ++column)
        expectText(ops, QStringLiteral("--"), column * 304 + stateX, 210, kRed, column);
    const int pluginX = 4 * 304 + 75 + advance(labelFont(strip), QStringLiteral("总计"));
    expectText(ops, QStringLiteral("--"), pluginX, 210, kBlack, 4);
    expectText(ops, QStringLiteral("--"), pluginX, 254, kBlack, 5);

    // The frame covers the pixels of drawRect(0, 0, 1520, 380): its right and bottom edges fall
    // just outside the strip.
    EXPECT_EQ(PaintRecorder::hairlines(ops, kFrame),
              (QVector<QLine>{QLine(0, 0, 1520, 0), QLine(0, 380, 1520, 380), QLine(0, 0, 0, 380),
                              QLine(1520, 0, 1520, 380), QLine(304, 0, 304, 380), QLine(608, 0, 608, 380),
                              QLine(912, 0, 912, 380), QLine(1216, 0, 1216, 380)}));
}

TEST_F(MiddleWidgetTest, ThemeChangeReachesTheNextPaintOfTheTitles)
{
    auto* strip = makeStrip();
    paint(strip, {});
    QFont* themed = kit::uiResource()->getFont(kTitleFontKey);
    const QFont original = *themed;
    const kit::ScratchDir dir;
    ASSERT_TRUE(dir.loadTheme(R"({"fonts": {"ocv_fnt_middle_widget_title": {"pointSize": 20}}})"));
    const QFont changed = *themed;
    const auto ops = PaintRecorder::record(strip);
    *themed = original; // later tests expect the shipped theme

    ASSERT_EQ(changed.pointSize(), 20);
    for (int column = 0; column < 5; ++column) {
        expectText(ops, kTitles[column], column * 304 + (304 - advance(changed, kTitles[column])) / 2, 50,
                   kGrey);
        expectFont(ops, kTitles[column], 20, false);
    }
}

TEST_F(MiddleWidgetTest, ServiceColumnShowsFirstRecordOfItsType)
{
    auto* strip = makeStrip();
    Ocv::SysStatusMap map;
    map[2].append(statusRecord(2, [](auto& r) {
        r.runTime = "12:34:56";
        r.cpuUsage = 12.6;
        r.memoryUsed = 2048;
    }));
    map[2].append(statusRecord(2, [](auto& r) { r.runTime = "99:99:99"; }));
    const auto ops = paint(strip, map);

    const int left = 304; // trading service is column 2
    const QString values[] = {QStringLiteral("正常"), QStringLiteral("12:34:56"), QStringLiteral("13%"),
                              QStringLiteral("2.0M")};
    for (int row = 0; row < 4; ++row) {
        expectText(ops, kLabels[row], left + 60, kBaselines[row], kGrey, 1);
        expectFont(ops, kLabels[row], 10, false, 1);
        expectText(ops, values[row], left + 75 + advance(labelFont(strip), kLabels[row]), kBaselines[row],
                   row == 0 ? kGreen : kBlack);
        expectFont(ops, values[row], 11, true);
    }
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("99:99:99")), 0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("--:--:--")), 3);
}

TEST_F(MiddleWidgetTest, FaultOrStoppedServiceIsAbnormalAndThePluginColumnCountsAllAndAbnormal)
{
    auto* strip = makeStrip();
    Ocv::SysStatusMap map;
    map[3].append(statusRecord(3, [](auto& r) { r.faultFlag = 1; }));
    map[1].append(statusRecord(1, [](auto& r) { r.running = 0; }));
    map[4].append(statusRecord(4, [](auto& r) { r.cpuUsage = std::numeric_limits<double>::quiet_NaN(); }));
    map[5] = {statusRecord(5), statusRecord(5, [](auto& r) { r.running = 0; }), statusRecord(5), nullptr};
    const auto ops = paint(strip, map);
    const int stateX = 75 + advance(labelFont(strip), kLabels[0]);
    expectText(ops, QStringLiteral("异常"), 0 + stateX, 210, kRed, 0);
    expectText(ops, QStringLiteral("异常"), 608 + stateX, 210, kRed, 1);
    expectText(ops, QStringLiteral("正常"), 912 + stateX, 210, kGreen);
    expectText(ops, QStringLiteral("非法值%"), 912 + 75 + advance(labelFont(strip), kLabels[2]), 298, kBlack);
    const int x = 4 * 304 + 75 + advance(labelFont(strip), QStringLiteral("总计"));
    expectText(ops, QStringLiteral("4"), x, 210, kBlack);
    expectText(ops, QStringLiteral("1"), x, 254, kBlack);
}

TEST_F(MiddleWidgetTest, LoginTypeClientHasNoPluginColumnAndTheWideLayoutUses351PixelColumns)
{
    builder.loginTypeAuth(true);
    auto ops = paint(makeStrip(), {});
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("交易插件")), 0);
    EXPECT_TRUE(images(ops, QStringLiteral("ocv_img_wolcome_second_5")).isEmpty());
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_second_4")).size(), 1);

    builder.loginTypeAuth(false).user(1, 4);
    auto* strip = makeStrip();
    EXPECT_EQ(strip->size(), QSize(1755, 380));
    ops = paint(strip, {});
    const auto icon = images(ops, QStringLiteral("ocv_img_wolcome_second_5"));
    ASSERT_EQ(icon.size(), 1);
    EXPECT_EQ(icon.first().rect, QRectF(1529, 80, 100, 100));
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_second_1")).first().rect,
              QRectF(125, 80, 100, 100));
    expectText(ops, QStringLiteral("总计"), 1404 + 60, 210, kGrey);
}

TEST_F(MiddleWidgetTest, ClickAsksHostForStatusViewOnlyWhenAllowed)
{
    struct Case
    {
        int userType;
        std::set<int> rights;
        bool algorithmBus;
        bool opens;
    };
    const Case cases[] = {{1, {10081}, false, true},
                          {100, {10081}, false, false},
                          {1, {1}, false, false},
                          {1, {10081}, true, false}};
    for (const Case& c : cases) {
        builder = kit::ScenarioBuilder();
        builder.server("s1").user(c.userType).rights(c.rights).algorithmBus(c.algorithmBus);
        auto* strip = makeStrip();
        const bool allowed = c.userType != 100 && c.rights.count(10081);
        EXPECT_EQ(moveTo(strip, QPointF(200, 20)) == Qt::PointingHandCursor, allowed) << c.userType;
        press(strip, QPointF(10, 10), Qt::RightButton);
        EXPECT_EQ(sink->received, (c.opens ? Events{{3000, -1, 901, QString(), nullptr}} : Events()))
            << c.userType;
    }
}

} // namespace
