#include "StripTestSupport.h"

#include "PaintRecorder.h"

#include "dashboard/CBottomWidget.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

using namespace striptest;
using kit::PaintRecorder;
using kit::statusRecord;

namespace {

const QString kState = QStringLiteral("运行状态");
const int kBaselines[] = {120, 160, 200, 240, 280};

class BottomWidgetTest : public StripTest<Ocv::CBottomWidget>
{
protected:
    void SetUp() override { builder.server("s1"); }

    static Ocv::SysStatusMap listOf(int type, int count)
    {
        Ocv::SysStatusMap map;
        for (int i = 0; i < count; ++i) {
            map[type].append(statusRecord(type, [i](auto& r) {
                r.deviceName = "/fs" + std::to_string(i);
                r.itemName = "item" + std::to_string(i);
                r.fsSize = 2048;
                r.fsAvailable = 1024;
                r.used = 512;
            }));
        }
        return map;
    }

    const QFont labelFont = sized(QFont(), 10, false);
    const QFont valueFont = sized(QFont(), 11, true);
};

TEST_F(BottomWidgetTest, EmptyMapShowsLabelsDashesAndIcons)
{
    auto* strip = makeStrip();
    EXPECT_EQ(strip->objectName(), QStringLiteral("wolcome_bottom_widget"));
    EXPECT_EQ(strip->size(), QSize(1520, 350));
    EXPECT_TRUE(strip->hasMouseTracking());
    const auto ops = paint(strip, {});

    // A column's values after the state line up after one of its labels.
    const QStringList labels[] = {{kState, "空闲占比", "用户占比", "内核占比", "等待占比"},
                                  {kState, "总计", "空闲", "用户", "缓存"},
                                  {kState, "网卡名称", "流量单位", "上传流量", "下载流量"}};
    const int labelX[] = {80, 320, 1040};
    const int alignLabel[] = {0, 1, 0};
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-")), 15);
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 5; ++row) {
            const int labelOccurrence = row == 0 ? c : 0;
            expectText(ops, labels[c][row], labelX[c], kBaselines[row], kGrey, labelOccurrence);
            expectFont(ops, labels[c][row], 10, false, labelOccurrence);
            const int valueX = labelX[c] + 15 + advance(labelFont, labels[c][row == 0 ? 0 : alignLabel[c]]);
            expectText(ops, QStringLiteral("-"), valueX, kBaselines[row], row == 0 ? kGrey : kBlack,
                       5 * c + row);
            expectFont(ops, QStringLiteral("-"), 11, true, 5 * c + row);
        }
    }
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("文件系统")), 0);
    const QRectF icons[] = {
        {105, 20, 70, 70}, {345, 20, 70, 70}, {675, 20, 70, 70}, {1065, 20, 70, 70}, {1300, 20, 70, 70}};
    for (int i = 0; i < 5; ++i) {
        const auto icon = images(ops, QStringLiteral("ocv_img_wolcome_bottom_%1").arg(i + 1));
        ASSERT_EQ(icon.size(), 1) << i;
        EXPECT_EQ(icon.first().rect, icons[i]);
    }
}

TEST_F(BottomWidgetTest, CpuMemoryAndNetworkColumnsShowTheirRecords)
{
    auto* strip = makeStrip();
    Ocv::SysStatusMap map;
    map[7].append(statusRecord(7, [](auto& r) {
        r.idle = 87.25;
        r.userRatio = 10;
        r.kernelRatio = std::numeric_limits<double>::infinity();
        r.waitRatio = 0.04;
    }));
    map[8].append(statusRecord(8, [](auto& r) {
        r.running = 0;
        r.memTotal = 16.0 * 1024 * 1024;
        r.idle = 512;
        r.used = DBL_MAX;
        r.cache = 1536;
    }));
    map[10].append(statusRecord(10, [](auto& r) {
        r.deviceName = "eth0";
        r.uploadRate = 12.5;
        r.downloadRate = 3.14159;
    }));
    const auto ops = paint(strip, map);

    const int cpuX = 95 + advance(labelFont, kState);
    expectText(ops, QStringLiteral("正常"), cpuX, 120, kGreen);
    expectText(ops, QStringLiteral("87.3%"), cpuX, 160, kBlack);
    expectText(ops, QStringLiteral("10.0%"), cpuX, 200, kBlack);
    expectText(ops, QStringLiteral("非法值%"), cpuX, 240, kBlack);
    expectText(ops, QStringLiteral("0.0%"), cpuX, 280, kBlack);

    expectText(ops, QStringLiteral("异常"), 335 + advance(labelFont, kState), 120, kRed);
    const int memX = 335 + advance(labelFont, QStringLiteral("总计"));
    expectText(ops, QStringLiteral("16.0G"), memX, 160, kBlack);
    expectText(ops, QStringLiteral("512.0K"), memX, 200, kBlack);
    expectText(ops, QStringLiteral("1.5M"), memX, 280, kBlack);
    for (const auto& op : PaintRecorder::texts(ops))
        EXPECT_FALSE(op.pos == QPointF(memX, 240) && !op.text.isEmpty())
            << "missing figure drawn as " << op.text.toStdString();

    const int netX = 1055 + advance(labelFont, kState);
    expectText(ops, QStringLiteral("eth0"), netX, 160, kBlack);
    expectText(ops, QStringLiteral("KBs"), netX, 200, kBlack);
    expectText(ops, QStringLiteral("12.50"), netX, 240, kBlack);
    expectText(ops, QStringLiteral("3.14"), netX, 280, kBlack);
    EXPECT_TRUE(PaintRecorder::findText(ops, QStringLiteral("12.50")).font.bold());
}

TEST_F(BottomWidgetTest, FileSystemRowsSpreadDownToTheSameLastBaselineAndAStoppedOneIsMarked)
{
    auto* strip = makeStrip();
    auto ops = paint(strip, listOf(9, 1));
    const QString headers[] = {QStringLiteral("文件系统"), QStringLiteral("大小"), QStringLiteral("可用"),
                               QStringLiteral("已用")};
    const int headerX[] = {580, 730, 830, 930};
    for (int i = 0; i < 4; ++i) {
        expectText(ops, headers[i], headerX[i], 120, kGrey);
        expectFont(ops, headers[i], 11, true);
    }
    expectText(ops, QStringLiteral("2.0M"), 730, 282, kGrey);
    expectText(ops, QStringLiteral("1.0M"), 830, 282, kGrey);
    expectText(ops, QStringLiteral("512.0K"), 930, 282, kGrey);
    // The name is right-aligned in a box from x 530 to 700 whose top is 16 above the row's baseline.
    const auto name = PaintRecorder::findText(ops, QStringLiteral("/fs0"));
    EXPECT_NEAR(name.pos.x(), 700 - QFontMetricsF(valueFont).horizontalAdvance(QStringLiteral("/fs0")), 0.01);
    EXPECT_EQ(name.pos.y(), 282 - 16 + QFontMetrics(valueFont).ascent());

    ops = paint(strip, listOf(9, 3));
    const int baselines[] = {174, 228, 282};
    for (int i = 0; i < 3; ++i)
        expectText(ops, QStringLiteral("2.0M"), 730, baselines[i], kGrey, i);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("异常")), 0);

    // A stopped file system is marked on its own row.
    Ocv::SysStatusMap map = listOf(9, 2);
    map[9][0]->running = 0;
    ops = paint(strip, map);
    expectText(ops, QStringLiteral("异常"), 1000, 201, kRed);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("异常")), 1);
}

TEST_F(BottomWidgetTest, CountedItemIsAbnormalWhenDriftReachesTolerance)
{
    auto* strip = makeStrip();
    auto item = [](double reference, double tolerance) {
        return statusRecord(31, [=](auto& r) {
            r.itemName = "委托";
            r.itemCount = 100;
            r.cpuUsage = reference;
            r.memoryUsed = tolerance;
        });
    };
    Ocv::SysStatusMap map;
    map[31] = {item(100, 0)};
    auto ops = paint(strip, map);
    expectText(ops, QStringLiteral("委托"), 1280, 282, kGrey);
    expectText(ops, QStringLiteral("100条"), 1360, 282, kBlack);
    expectText(ops, QStringLiteral("异常"), 1450, 282, kRed);
    expectText(ops, QStringLiteral("异常"), 1350, 120, kRed, 1);

    map[31] = {item(100.9, 1.5), item(97, 4)};
    ops = paint(strip, map);
    expectText(ops, QStringLiteral("正常"), 1350, 120, kGreen);
    expectText(ops, QStringLiteral("100条"), 1360, 201, kBlack);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("异常")), 0);

    map[31] = {item(97, 3)};
    ops = paint(strip, map);
    expectText(ops, QStringLiteral("异常"), 1450, 282, kRed);
}

TEST_F(BottomWidgetTest, ThousandRowsStayInsideTheStrip)
{
    auto* strip = makeStrip();
    Ocv::SysStatusMap map = listOf(9, 1000);
    map[31] = listOf(31, 1000)[31];
    map[9][7] = nullptr;
    const auto ops = paint(strip, map);
    const QRectF bounds(0, 0, strip->width(), strip->height());
    int rows = 0;
    for (const auto& op : PaintRecorder::texts(ops)) {
        EXPECT_TRUE(bounds.contains(op.pos)) << op.text.toStdString();
        rows += op.text == QStringLiteral("2.0M") ? 1 : 0;
    }
    EXPECT_EQ(rows, 999); // one size per file system; the null row is skipped
}

TEST_F(BottomWidgetTest, ClickAsksForStatusViewWithItsTextButNotOnTheAlgorithmBusClient)
{
    builder.user(1, 4);
    auto* strip = makeStrip();
    EXPECT_EQ(strip->size(), QSize(1755, 350));
    press(strip, QPointF(1700, 300));
    EXPECT_EQ(sink->received, (Events{{3000, -1, 901, "system_statue", nullptr}}));

    builder.algorithmBus(true);
    strip = makeStrip();
    const auto ops = paint(strip, listOf(31, 2));
    EXPECT_TRUE(images(ops, QStringLiteral("ocv_img_wolcome_bottom_5")).isEmpty()) << "no counted items";
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("item0")), 0);
    press(strip, QPointF(5, 5));
    EXPECT_TRUE(sink->received.empty());
}

} // namespace
