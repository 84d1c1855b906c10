#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "PaintRecorder.h"
#include "ScenarioBuilder.h"
#include "Theme.h"

#include "dashboard/CExchangeTabButton.h"
#include "dashboard/CRightWidget.h"
#include "dashboard/CWelcomeImageWidget.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CVScrollWidgetList.h"
#include "sim/SimPlatform.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <memory>

using namespace striptest;
using kit::PaintRecorder;

namespace {

const QDateTime kMorning(QDate(2026, 12, 7), QTime(10, 0));

ttservice::IDataPtr exchange(const char* code, const char* tradeDay, const QDateTime& update,
                             bool trading = true)
{
    auto info = boost::make_shared<ttservice::CVornExchangeInfo>();
    info->m_strMarketName = code;
    info->m_strMarketTradeDay = tradeDay;
    info->m_nToUpdateSecond = update.isValid() ? int(update.toSecsSinceEpoch()) : 0;
    info->m_bInTradingTime = trading;
    return info;
}

class RightWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override { builder.user(600).now(kMorning).server("s1"); }
    void TearDown() override { sink.reset(), kit::waitForAnswers(); }

    Ocv::CRightWidget* make(sim::ServerSetup::TimeKind time = sim::ServerSetup::LocalTime,
                            int serverAhead = 0)
    {
        sim::Scenario scenario = builder.scenario();
        for (auto& server : scenario.servers) {
            server.timeKind = time;
            server.fixedTime = scenario.now.addSecs(serverAhead);
        }
        sim::SimPlatform::install(scenario);
        sink = std::make_unique<EventSink>();
        board = new Ocv::CRightWidget(sink.get());
        sink->show();
        return board;
    }
    QVector<kit::PaintOp> askAndPaint(const std::string& system = "s1")
    {
        board->setCurrentService(system);
        EXPECT_TRUE(kit::waitForAnswers());
        return PaintRecorder::record(board);
    }
    Ocv::CExchangeTabButton* tab(int index) const
    {
        return static_cast<Ocv::CExchangeTabButton*>(board->findChildren<Kx::CTabButton*>().value(index));
    }
    int rowBottom(int row) const { return 80 + tab(0)->height() + 5 + 60 * row; }
    void expectRow(const QVector<kit::PaintOp>& ops, int row, const QString& name, const QString& date,
                   const QColor& color, int occurrence = 0) const
    {
        expectText(ops, name, 10, rowBottom(row) - 12, color);
        expectText(ops, date, 80, rowBottom(row) - 39, color, occurrence);
    }
    QStringList overseasTexts() const
    {
        QStringList texts;
        for (auto* text : board->findChildren<Kx::CSimpleTextWidget*>())
            texts << text->text();
        return texts;
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<EventSink> sink;
    Ocv::CRightWidget* board = nullptr;
};

// Trade days ahead or behind their market data are wrong only before 21:00, when no night session
// has rolled over yet; a delay counts at any hour. The server runs 20 s ahead of the local clock.
TEST_F(RightWidgetTest, WarningsFollowTheLocalHourAndTheServerClock)
{
    const QString mismatch = QStringLiteral("交易日和行情不匹配,建议重启");
    const QString stale = QStringLiteral("行情日期未更新");
    const QString delayed = QStringLiteral(" (延迟31秒)");
    for (const QTime& clock : {QTime(10, 0), QTime(21, 30)}) {
        const bool late = clock.hour() >= 21;
        const QDateTime server = QDateTime(kMorning.date(), clock).addSecs(20);
        const QString at = server.addSecs(-5).toString(QStringLiteral(" hh:mm:ss"));
        builder.now(QDateTime(kMorning.date(), clock))
            .answer(12255, {exchange("SH", "20261208", server.addSecs(-5)),
                            exchange("SZ", "20261206", server.addSecs(-5)),
                            exchange("CFFEX", "20261207", server.addSecs(-30)),
                            exchange("SHFE", "20261207", server.addSecs(-31)),
                            exchange("CZCE", "20261209", server.addSecs(-5), false)});
        make(sim::ServerSetup::FixedTime, 20);
        const auto ops = askAndPaint();
        SCOPED_TRACE(clock.toString().toStdString());
        expectText(ops, server.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), 80, 31, kGrey);
        expectRow(ops, 1, QStringLiteral("上证所"), late ? "2026-12-08" + at : "2026-12-08 --:--:--",
                  late ? kGrey : kRed);
        expectRow(ops, 2, QStringLiteral("深交所"), late ? "2026-12-06" + at : "2026-12-06 --:--:--",
                  late ? kGrey : kRed);
        expectRow(ops, 3, QStringLiteral("中金所"), "2026-12-07" + server.addSecs(-30).toString(" hh:mm:ss"),
                  kGrey);
        expectRow(ops, 4, QStringLiteral("上期所"), "2026-12-07" + server.addSecs(-31).toString(" hh:mm:ss"),
                  kRed);
        expectRow(ops, 5, QStringLiteral("郑商所"), QStringLiteral("2026-12-09 --:--:--"), kGrey);
        expectText(ops, delayed, 80, rowBottom(4) - 20, kRed);
        if (!late) {
            expectText(ops, stale, 80, rowBottom(1) - 20, kRed);
            expectText(ops, mismatch, 55, rowBottom(2) - 20, kRed);
        }
        // The clock's two lines, a name and a date per row, and the warnings: nothing more.
        EXPECT_EQ(PaintRecorder::texts(ops).size(), 2 + 2 * 15 + (late ? 1 : 3));
    }
}

// A record without any market-data update shows no update time; a trade day that is no date shows
// no date. Both compare as text, so each warns of a trade day ahead of its update day.
TEST_F(RightWidgetTest, RecordsWithoutAnUpdateOrWithAnOddTradeDayAreShownAsTheyCome)
{
    builder.answer(12255, {exchange("CZCE", "20261207", QDateTime()),
                           exchange("DCE", "notadate", kMorning.addSecs(-5))});
    make(sim::ServerSetup::FixedTime);
    const auto ops = askAndPaint();
    const QString stale = QStringLiteral("行情日期未更新");
    expectRow(ops, 5, QStringLiteral("郑商所"), QStringLiteral("2026-12-07 --:--:--"), kRed);
    expectRow(ops, 6, QStringLiteral("大商所"), QStringLiteral(" --:--:--"), kRed);
    expectText(ops, stale, 80, rowBottom(5) - 20, kRed);
    expectText(ops, stale, 80, rowBottom(6) - 20, kRed, 1);
}

TEST_F(RightWidgetTest, RowsFollowTheGroupsTheUserMaySee)
{
    const QStringList all = {"上证所", "深交所",   "中金所", "上期所",   "郑商所",
                             "大商所", "广期所",   "沪港通", "深港通",   "上期权",
                             "北交所", "全国股转", "金交所", "能源中心", "深期权"};
    builder.answer(12255, {exchange("NEEQ", "20261207", kMorning.addSecs(-2))});
    make();
    auto ops = askAndPaint();
    for (int k = 0; k < all.size(); ++k)
        expectText(ops, all[k], 10, rowBottom(k + 1) - 12, kGrey);
    // One record behind both Beijing rows.
    expectRow(ops, 11, all[10], QStringLiteral("2026-12-07 09:59:58"), kGrey, 0);
    expectRow(ops, 12, all[11], QStringLiteral("2026-12-07 09:59:58"), kGrey, 1);

    struct Case
    {
        bool algorithmBus;
        bool loginType;
        std::set<int> rights;
        QStringList names;
    };
    for (const Case& c :
         {Case{true, false, {}, {"上证所", "深交所", "沪港通", "深港通", "深期权"}},
          Case{false, false, {10745, 10089}, {"上证所", "深交所", "沪港通"}}, Case{false, true, {}, {}}}) {
        builder.user(c.rights.empty() ? 600 : 10)
            .rights(c.rights)
            .algorithmBus(c.algorithmBus)
            .loginTypeAuth(c.loginType);
        make();
        ops = PaintRecorder::record(board);
        for (int k = 0; k < c.names.size(); ++k)
            expectText(ops, c.names[k], 10, rowBottom(k + 1) - 12, kGrey);
        EXPECT_EQ(PaintRecorder::texts(ops).size(), 2 * c.names.size()) << "no system, so no clock";
    }
}

TEST_F(RightWidgetTest, WithoutATimeServiceTheClockIsLeftOutAndDelaysCountOnTheLocalClock)
{
    builder.answer(
        12255, {exchange("SH", "20261207", kMorning.addSecs(-40)), exchange("SZ", "n/a", kMorning, false),
                exchange("CFFEX", "20261207", QDateTime(), false), exchange("SHFE", "", kMorning, false)});
    make(sim::ServerSetup::NoTime);
    const auto ops = askAndPaint();
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("服务器")), 0);
    expectText(ops, QStringLiteral(" (延迟40秒)"), 80, rowBottom(1) - 20, kRed);
    // A trade day that is no date, or none, reads as no text at all.
    expectRow(ops, 2, QStringLiteral("深交所"), QStringLiteral(" --:--:--"), kGrey);
    expectRow(ops, 3, QStringLiteral("中金所"), QStringLiteral("2026-12-07 --:--:--"), kGrey);
    expectRow(ops, 4, QStringLiteral("上期所"), QStringLiteral(" --:--:--"), kGrey, 1);
    expectRow(ops, 5, QStringLiteral("郑商所"), QStringLiteral(" -"), kGrey);

    make(); // the local clock as time service
    expectText(askAndPaint(), QStringLiteral("2026-12-07 10:00:00"), 80, 31, kGrey);
}

TEST_F(RightWidgetTest, OverseasTabShowsEveryOverseasExchangeAndASecondClickChangesNothing)
{
    builder.answer(12255, {exchange("CBF", "20261207", QDateTime()), exchange("SGX", "20261208", kMorning)});
    make();
    askAndPaint();
    auto* list = board->findChild<Kx::CVScrollWidgetList*>();
    EXPECT_FALSE(list->isVisible());
    QStringList texts = overseasTexts();
    ASSERT_EQ(texts.size(), 26);
    EXPECT_EQ(texts.mid(0, 4),
              (QStringList{"芝加哥期权交易所", "2026-12-07 --:--:--", "芝加哥期货交易所", "-- --:--:--"}));
    EXPECT_EQ(texts.mid(24), (QStringList{"新加坡交易所", "2026-12-08 10:00:00"}));

    const Kx::CButtonColor normal("clr_nav_exchang_btn_normal", "clr_nav_exchang_btn_hover",
                                  "clr_nav_exchang_btn_press", "clr_nav_exchang_btn_disable");
    const Kx::CButtonColor checked("clr_nav_exchang_btn_press", "clr_nav_exchang_btn_press",
                                   "clr_nav_exchang_btn_press", "clr_nav_exchang_btn_disable");
    for (int click : {1, 1, 0, 0}) {
        QTest::mouseClick(tab(click), Qt::LeftButton);
        EXPECT_TRUE(tab(click)->isChecked() && !tab(1 - click)->isChecked());
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(tab(k)->buttonColor(), k == click ? checked : normal);
            const auto label = PaintRecorder::findText(PaintRecorder::record(tab(k)), tab(k)->text());
            EXPECT_EQ(label.font.bold(), k == click);
        }
        EXPECT_EQ(list->isVisible(), click == 1);
        EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(board), QStringLiteral("上证所")),
                  click == 0 ? 1 : 0);
    }
    EXPECT_TRUE(sink->received.empty());

    // Every overseas code answered: each row shows its own record.
    builder = kit::ScenarioBuilder();
    builder.user(600).now(kMorning).server("s1").exchanges({true, {}, {}, {}});
    make();
    askAndPaint();
    texts = overseasTexts();
    const QRegularExpression shown(QStringLiteral("^2026-12-0\\d \\d\\d:\\d\\d:\\d\\d$"));
    for (int k = 1; k < texts.size(); k += 2)
        EXPECT_TRUE(shown.match(texts[k]).hasMatch()) << texts[k].toStdString();
}

TEST_F(RightWidgetTest, AnswersOfASystemSwitchedAwayFromAreDroppedAndMissingExchangesKeepTheirRecords)
{
    builder.server("slow", 150).answer(12255, {exchange("SH", "20261207", kMorning.addSecs(-1))});
    builder.server("fast").answer(12255, {exchange("SZ", "20261207", kMorning.addSecs(-2))});
    builder.server("other").answer(12255, {exchange("SHFE", "20261207", kMorning.addSecs(-3))});
    make();
    // Whichever answers first: the fast server switched away from, or the slow one after it.
    board->setCurrentService("fast");
    askAndPaint("slow");
    EXPECT_EQ(kit::center()->exchangeInfo("SZ"), nullptr);
    board->setCurrentService("slow");
    const auto ops = askAndPaint("other");
    ASSERT_NE(kit::center()->exchangeInfo("SH"), nullptr);
    expectRow(ops, 1, QStringLiteral("上证所"), QStringLiteral("2026-12-07 09:59:59"), kGrey);
    expectRow(ops, 2, QStringLiteral("深交所"), QStringLiteral(" -"), kGrey);
    expectRow(ops, 4, QStringLiteral("上期所"), QStringLiteral("2026-12-07 09:59:57"), kGrey);

    // Destroyed while its query is on its way: the answer finds nobody.
    board->setCurrentService("slow");
    sink.reset();
    EXPECT_TRUE(kit::waitForAnswers());
}

// With every exchange shown the rows reach past the board: the wheel scrolls them under the fixed
// clock, a thin bar shows where they are; rows that fit neither scroll nor show a bar.
TEST_F(RightWidgetTest, RowsThatOverflowScrollUnderTheFixedClock)
{
    const QString last = QStringLiteral("深期权");
    const auto nameAt = [](const QVector<kit::PaintOp>& ops, const QString& text) {
        return PaintRecorder::findText(ops, text).pos;
    };
    const auto wheel = [this](int notches) {
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent event(QPointF(100, 400), QPointF(board->mapToGlobal(QPoint(100, 400))), QPoint(),
                              QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(board, &event);
        }
        return PaintRecorder::record(board);
    };
    make();
    board->setCurrentService("s1");
    auto* bar = board->findChild<QScrollBar*>(QStringLiteral("wolcome_right_row_scroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(nameAt(PaintRecorder::record(board), last).y(), board->height());

    const auto scrolled = wheel(-20);
    const QPointF name = nameAt(scrolled, last);
    EXPECT_LT(name.y(), board->height());
    EXPECT_GT(name.y(), board->height() - 60) << "scrolled to the end, not past it";
    EXPECT_EQ(name.y() - nameAt(scrolled, QStringLiteral("中金所")).y(), 60 * 12) << "rows keep their pitch";
    expectText(scrolled, QStringLiteral("服务器"), 10, 58, kGrey);
    EXPECT_LE(bar->width(), 8);
    EXPECT_EQ(bar->geometry().right(), board->width() - 2);

    EXPECT_EQ(nameAt(wheel(20), last).y(), rowBottom(15) - 12) << "back at the top";

    builder.algorithmBus(true);
    make();
    bar = board->findChild<QScrollBar*>(QStringLiteral("wolcome_right_row_scroll"));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(nameAt(wheel(-3), last).y(), rowBottom(5) - 12);
}

// A server slower than the board's period: when an answer lands the next request is already out,
// and the answer is shown all the same.
TEST_F(RightWidgetTest, AServerSlowerThanThePeriodIsShown)
{
    builder.server("slow", 400).answer(12255, {exchange("SH", "20261207", kMorning.addSecs(-1))});
    make();
    board->setCurrentService("slow");
    for (int tick = 0; tick < 8; ++tick) {
        kit::processEventsFor(200);
        board->slotTimeOut();
    }
    QCoreApplication::processEvents();
    expectRow(PaintRecorder::record(board), 1, QStringLiteral("上证所"), QStringLiteral("2026-12-07 09:59:59"),
              kGrey);
    EXPECT_TRUE(kit::waitForAnswers());
}

TEST(WelcomeImageWidget, CentresThePictureAtItsNaturalSizeWhenItFits)
{
    const kit::ScratchDir dir;
    dir.write("p.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="600" height="90"></svg>)");
    const QSize shipped = kit::uiResource()->imageSize(QStringLiteral("ocv_img_welcome_background"));
    ASSERT_TRUE(dir.loadTheme(R"({"images": {"ocv_img_welcome_background": "p.svg"}})"));

    Ocv::CWelcomeImageWidget picture(nullptr);
    EXPECT_EQ(picture.getImageSize(), QSize(600, 90));
    for (const auto& c : {std::make_pair(1000, 200), std::make_pair(1001, 200), std::make_pair(599, 0)}) {
        picture.resize(c.first, 300);
        EXPECT_EQ(images(PaintRecorder::record(&picture), QStringLiteral("ocv_img_welcome_background"))
                      .value(0)
                      .rect,
                  QRectF(c.second, 0, 600, 90))
            << c.first;
    }
    ASSERT_TRUE(dir.loadTheme(
        R"({"images": {"ocv_img_welcome_background": ":/welcome/icons/welcome_background.svg"}})"));
    EXPECT_EQ(kit::uiResource()->imageSize(QStringLiteral("ocv_img_welcome_background")), shipped);
}

} // namespace
