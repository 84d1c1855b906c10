#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "PaintRecorder.h"
#include "Theme.h"

#include "dashboard/CTopWidget.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "kx/CSmallNormalButton.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <climits>

using namespace striptest;
using kit::PaintRecorder;

namespace {

const QColor kBlue(50, 123, 166);

class TopWidgetTest : public StripTest<Ocv::CTopWidget>
{
protected:
    void SetUp() override { builder.server("s1").loginTypeAuth(false); }
    void TearDown() override { sink.reset(), kit::waitForAnswers(); }

    Ocv::CTopWidget* makeStrip()
    {
        auto* strip = StripTest::makeStrip();
        sink->resize(1600, 200);
        sink->show();
        return strip;
    }
    QVector<kit::PaintOp> answerAndPaint(Ocv::CTopWidget* strip)
    {
        strip->setCurrentService("s1");
        EXPECT_TRUE(kit::waitForAnswers());
        return PaintRecorder::record(strip);
    }
    static QVector<qreal> separators(const QVector<kit::PaintOp>& ops)
    {
        QVector<qreal> xs;
        for (const QLine& line : PaintRecorder::hairlines(ops, kFrame)) {
            if (line.x1() == line.x2() && line.y1() == 0 && line.y2() == 160 && line.x1() > 0 &&
                line.x1() < 1520)
                xs.append(line.x1());
        }
        return xs;
    }
    QMap<QString, Kx::CSmallNormalButton*> visibleButtons(QWidget* strip) const
    {
        QMap<QString, Kx::CSmallNormalButton*> shown;
        for (auto* button : strip->findChildren<Kx::CSmallNormalButton*>()) {
            if (button->isVisible())
                shown.insert(button->text(), button);
        }
        return shown;
    }
    // A point inside the drawn figure.
    static QPoint figureCentre(const QVector<kit::PaintOp>& ops, const QString& figure)
    {
        const kit::PaintOp op = PaintRecorder::findText(ops, figure);
        return QPoint(int(op.pos.x()) + 2, int(op.pos.y()) - 4);
    }

    const QFont number = kit::themeFont("ocv_fnt_top_widget_number");
};

TEST_F(TopWidgetTest, ElevenTilesBeforeTheFirstAnswer)
{
    auto* strip = makeStrip();
    EXPECT_EQ(strip->size(), QSize(1520, 160));
    EXPECT_TRUE(strip->hasMouseTracking());
    const auto ops = PaintRecorder::record(strip);
    EXPECT_EQ(separators(ops), (QVector<qreal>{138, 276, 414, 552, 690, 828, 966, 1104, 1242, 1380, 1518}));
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top")).value(0).rect, QRectF(39, 20, 60, 60));
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top_10")).value(0).rect,
              QRectF(39 + 10 * 138, 20, 60, 60));
    // A pair shows a dash on each side of the slash; a single figure one dash.
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-/-")), 8);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-")), 2);
    const int fw = advance(number, QStringLiteral("-/-")) + 5;
    const kit::PaintOp products = PaintRecorder::findText(ops, QStringLiteral("-/-"));
    EXPECT_EQ(products.color, kBlue);
    EXPECT_EQ(products.font.pointSize(), number.pointSize());
    EXPECT_NEAR(products.pos.x(), 39 + 138 - fw / 2, 1.0);
    // "个产品" fits beside its figure; the long unit of slot 6 wraps in a 60-pixel column.
    const kit::PaintOp unit = PaintRecorder::findText(ops, QStringLiteral("个产品"));
    EXPECT_NEAR(unit.pos.x(), 39 + 138 - fw / 2 + fw, 1.0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("个信号单和便捷交易")), 0)
        << "wrapped, not one line";
    EXPECT_EQ(visibleButtons(strip).keys(),
              (QList<QString>{QStringLiteral("一键创建产品"), QStringLiteral("一键创建用户"),
                              QStringLiteral("一键创建账号"), QStringLiteral("一键开户")}));
    EXPECT_EQ(visibleButtons(strip)[QStringLiteral("一键开户")]->pos(), QPoint(39 - 5 / 2 - 10, 130));
    EXPECT_EQ(visibleButtons(strip)[QStringLiteral("一键创建用户")]->size(), QSize(85, 24));
}

TEST_F(TopWidgetTest, FiguresFollowTheRecordFieldByField)
{
    auto stats = boost::make_shared<ttservice::CVornBaseInfoStatistics>();
    stats->productsA = 120;
    stats->productsB = INT_MAX;
    stats->securitiesCompanies = INT_MAX;
    stats->futuresCompanies = 7;
    stats->algoPermissionsA = 33;
    stats->accountsA = INT_MAX;
    stats->accountsB = -4; // shown as it comes: the platform's figure, not ours to fix
    stats->usersA = -1;
    stats->usersB = 900;
    builder.answer(12254, {stats});
    auto* strip = makeStrip();
    const auto ops = answerAndPaint(strip);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("120/-")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("7")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-/-4")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("-1/900")), 1);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("33/-4")), 1);

    // A failed answer keeps the figures; one of another record type turns them into dashes.
    kit::ScenarioBuilder().server("s1").loginTypeAuth(false).error(12254, "统计服务不可用").install();
    EXPECT_EQ(PaintRecorder::countText(answerAndPaint(strip), QStringLiteral("120/-")), 1);
    kit::ScenarioBuilder()
        .server("s1")
        .loginTypeAuth(false)
        .answer(12254, {boost::make_shared<ttservice::CVornSubManagerInfo>()})
        .install();
    const auto dashed = answerAndPaint(strip);
    EXPECT_EQ(PaintRecorder::countText(dashed, QStringLiteral("120/-")), 0);
    EXPECT_EQ(PaintRecorder::countText(dashed, QStringLiteral("-/-")), 8);
}

TEST_F(TopWidgetTest, LoginTypeAndAlgorithmBusClientsShowFewerTiles)
{
    builder.loginTypeAuth(true);
    auto* strip = makeStrip();
    auto ops = PaintRecorder::record(strip);
    EXPECT_EQ(separators(ops), (QVector<qreal>{506, 1012, 1518}));
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top_1")).value(0).rect, QRectF(223, 20, 60, 60));
    EXPECT_EQ(visibleButtons(strip).keys(),
              (QList<QString>{QStringLiteral("一键创建产品"), QStringLiteral("一键创建用户"),
                              QStringLiteral("一键创建账号")}));

    builder.loginTypeAuth(false).algorithmBus(true);
    strip = makeStrip();
    ops = PaintRecorder::record(strip);
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top_2")).value(0).rect, QRectF(350, 20, 60, 60));
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top_4")).value(0).rect, QRectF(1110, 20, 60, 60));
    EXPECT_EQ(visibleButtons(strip).keys(), QList<QString>{QStringLiteral("一键创建账号")});
    press(strip, QPoint(380, 50));
    EXPECT_EQ(moveTo(strip, QPoint(380, 50)), Qt::ArrowCursor);
    EXPECT_TRUE(sink->received.empty());
}

TEST_F(TopWidgetTest, FiguresAndIconsOpenTheirViewsForHoldersOfTheRight)
{
    builder.rights({10045, 12179, 12201, 12203, 12205, 12207, 12208});
    auto* strip = makeStrip();
    const auto ops = PaintRecorder::record(strip);
    const int w = 138;
    // The figure is a target besides the icon; the unit text and the unarmed tiles are not.
    press(strip, figureCentre(ops, QStringLiteral("-/-")));
    press(strip, QPoint(PaintRecorder::findText(ops, QStringLiteral("个产品")).pos.x() + 5, 110));
    press(strip, QPoint(39 + 2 * w + 30, 50));
    EXPECT_EQ(sink->received, (Events{{3000, -1, 204, "", nullptr}}));
    EXPECT_EQ(moveTo(strip, QPoint(39 + 3 * w + 30, 50)), Qt::PointingHandCursor);
    EXPECT_EQ(moveTo(strip, QPoint(39 + 4 * w + 30, 50)), Qt::ArrowCursor);

    // Each right arms its own tile and no other: with one right, only that tile's icon answers a
    // press and shows the hand.
    const std::pair<int, Events::value_type> held[] = {
        {10045, {3000, -1, 204, "", nullptr}}, {12179, {3063, 0, 1, "", nullptr}},
        {12201, {3063, 0, 4, "", nullptr}},    {12203, {3063, 0, 2, "", nullptr}},
        {12205, {3063, 0, 3, "", nullptr}},    {12207, {3063, 0, 5, "", nullptr}},
        {12208, {3064, 0, 6, "", nullptr}}};
    const int armedSlots[] = {1, 3, 6, 7, 8, 9, 10};
    for (int i = 0; i < 7; ++i) {
        builder.rights({held[i].first});
        strip = makeStrip();
        for (int slot : armedSlots) {
            press(strip, QPoint(39 + slot * w + 30, 50));
            EXPECT_EQ(moveTo(strip, QPoint(39 + slot * w + 30, 50)),
                      slot == armedSlots[i] ? Qt::PointingHandCursor : Qt::ArrowCursor)
                << "right " << held[i].first << ", slot " << slot;
        }
        EXPECT_EQ(sink->received, Events{held[i].second}) << "right " << held[i].first;
    }
}

} // namespace
