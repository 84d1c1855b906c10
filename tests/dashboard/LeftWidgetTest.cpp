#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "PaintRecorder.h"

#include "dashboard/CLeftWidget.h"
#include "dashboard/CWelcomeWidget.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornSubManagerInfo.h"

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <climits>

using namespace striptest;
using kit::PaintRecorder;

namespace {

const QColor kNumber(158, 201, 222);

class LeftWidgetTest : public StripTest<Ocv::CLeftWidget>
{
protected:
    void SetUp() override { builder.server("s1").user(1, 1, 5); }

    Ocv::CLeftWidget* makeBoard()
    {
        auto* board = makeStrip();
        // Plain moves reach the board only with tracking on, which its dashboard switches on.
        board->setMouseTracking(true);
        return board;
    }

    QVector<kit::PaintOp> paint(Ocv::CLeftWidget* board,
                                boost::shared_ptr<ttservice::CVornSubManagerInfo> info)
    {
        board->setManagerInfo(info);
        return PaintRecorder::record(board);
    }

    // A number at (x, y) in the number colour, its label 15 pixels after its end in grey.
    static void expectEntry(const QVector<kit::PaintOp>& ops, const QFont& font, const QString& number, int x,
                            int y, const QString& label, int occurrence = 0)
    {
        expectText(ops, number, x, y, kNumber, occurrence);
        expectText(ops, label, x + 15 + advance(font, number), y, kGrey);
    }
};

TEST_F(LeftWidgetTest, AccountTypesTakeSlotsInListingOrderByRight)
{
    builder.rights({10041, 14355});
    auto* board = makeBoard();
    auto info = boost::make_shared<ttservice::CVornSubManagerInfo>();
    info->stockAccounts = 7;
    info->bankAccounts = 123456;
    info->futuresAccounts = 99;
    const auto ops = paint(board, info);
    EXPECT_EQ(board->size(), QSize(1520, 860));
    expectEntry(ops, board->font(), QStringLiteral("7"), 208, 95, QStringLiteral("个股票账号"));
    expectEntry(ops, board->font(), QStringLiteral("123456"), 413, 95, QStringLiteral("个银行账号"));
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("99")), 0) << "futures accounts need right 10037";

    // With every right the twelve types fill three rows; each label follows its own number.
    builder.rights({10037, 10041, 10089, 10657, 10953, 10871, 13091, 10745, 11501, 14355, 13355, 15355});
    board = makeBoard();
    info = boost::make_shared<ttservice::CVornSubManagerInfo>();
    info->futuresAccounts = 1;
    info->neeqAccounts = 55555;
    info->futuresOptionAccounts = 6;
    info->financeAccounts = -12;
    const auto all = paint(board, info);
    expectEntry(all, board->font(), QStringLiteral("1"), 208, 95, QStringLiteral("个期货账号"));
    expectEntry(all, board->font(), QStringLiteral("55555"), 1028, 95, QStringLiteral("个股转账号"));
    expectEntry(all, board->font(), QStringLiteral("6"), 208, 143, QStringLiteral("个期货期权账号"));
    expectEntry(all, board->font(), QStringLiteral("-12"), 413, 191, QStringLiteral("个理财账号"));
}

TEST_F(LeftWidgetTest, UsersAndResourcesShowZeroWithoutARecordOrAValue)
{
    builder.rights({}); // no account types, so every "0" below is a role or a resource
    auto* board = makeBoard();
    const auto empty = paint(board, nullptr);
    expectEntry(empty, board->font(), QStringLiteral("0"), 208, 297, QStringLiteral("个风控员"));
    expectEntry(empty, board->font(), QStringLiteral("0"), 823, 345, QStringLiteral("个独立交易员"), 8);
    EXPECT_EQ(PaintRecorder::countText(empty, QStringLiteral("0")), 9 + 4);

    auto info = boost::make_shared<ttservice::CVornSubManagerInfo>();
    info->riskOfficers = 3;
    info->independentAdvisers = 41;
    info->traders = 250;
    info->productCount = INT_MAX;
    info->signalOrderCount = 12;
    info->apiCount = 0;
    info->proxyCount = 808;
    const auto ops = paint(board, info);
    expectEntry(ops, board->font(), QStringLiteral("3"), 208, 297, QStringLiteral("个风控员"));
    expectEntry(ops, board->font(), QStringLiteral("41"), 1028, 297, QStringLiteral("个独立投顾"));
    expectEntry(ops, board->font(), QStringLiteral("250"), 618, 345, QStringLiteral("个交易员"));
    expectText(ops, QStringLiteral("12"), 583, 504, kNumber);
    expectText(ops, QStringLiteral("信号单和便捷交易"), 583, 529, kGrey);
    expectText(ops, QStringLiteral("808"), 1343, 499, kNumber);
    expectText(ops, QStringLiteral("透明代理"), 1343, 524, kGrey);
    // The products cell shows 0 for the no-value marker, the API cell its real 0.
    expectText(ops, QStringLiteral("0"), 413, 297, kNumber, 0);
    expectText(ops, QStringLiteral("0"), 203, 504, kNumber, 6);
    expectText(ops, QStringLiteral("0"), 963, 504, kNumber, 7);
    EXPECT_EQ(images(ops, QStringLiteral("ocv_img_wolcome_top_8")).value(0).rect, QRectF(1260, 484, 60, 60));
}

TEST_F(LeftWidgetTest, ArmedAreasOpenTheirListsForHoldersOfTheirRights)
{
    builder.rights({12179, 12203});
    auto* board = makeBoard();
    paint(board, nullptr);
    press(board, QPoint(100, 500));  // products cell: never armed
    press(board, QPoint(500, 500));  // signal orders: right 12201 missing
    press(board, QPoint(760, 404));  // API cell, its corner
    press(board, QPoint(1519, 403)); // users band, its corner
    press(board, QPoint(700, 700));  // the empty band
    EXPECT_EQ(sink->received, (Events{{3063, 0, 2, "", nullptr}, {3063, 0, 1, "", nullptr}}));

    EXPECT_EQ(moveTo(board, QPoint(800, 500)), Qt::PointingHandCursor);
    EXPECT_EQ(moveTo(board, QPoint(500, 500)), Qt::ArrowCursor);
    EXPECT_EQ(moveTo(board, QPoint(10, 250)), Qt::PointingHandCursor);
    EXPECT_EQ(moveTo(board, QPoint(10, 100)), Qt::ArrowCursor);

    // On the algorithm-bus client the hand still shows, but clicks do nothing.
    builder.algorithmBus(true);
    board = makeBoard();
    paint(board, nullptr);
    EXPECT_EQ(moveTo(board, QPoint(800, 500)), Qt::PointingHandCursor);
    press(board, QPoint(800, 500));
    EXPECT_TRUE(sink->received.empty());
}

TEST_F(LeftWidgetTest, ManagerModeDashboardShowsTheBoardWithTheAnsweredRecord)
{
    auto info = boost::make_shared<ttservice::CVornSubManagerInfo>();
    info->traders = 4321;
    builder.rights({10041}).answer(12277, {info});
    builder.install();
    Ocv::CWelcomeWidget dashboard(nullptr);
    auto* board = dashboard.findChild<QWidget*>(QStringLiteral("wolcome_left_widget"));
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->pos(), QPoint(0, 34));
    const QWidget* exchanges = dashboard.findChild<QWidget*>(QStringLiteral("wolcome_right_widget"));
    ASSERT_NE(exchanges, nullptr);
    EXPECT_EQ(exchanges->pos(), QPoint(1520, 34));
    dashboard.setSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(board->pos(), QPoint(0, 0));
    EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(board), QStringLiteral("4321")), 1);

    // A null record, or one of another type, leaves no figure standing.
    for (const ttservice::IDataPtr& odd :
         {ttservice::IDataPtr(),
          ttservice::IDataPtr(boost::make_shared<ttservice::CVornBaseInfoStatistics>())}) {
        builder.answer(12277, {odd}).install();
        dashboard.setSystem(1, QStringLiteral("s1"));
        ASSERT_TRUE(kit::waitForAnswers());
        const auto ops = PaintRecorder::record(board);
        EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("4321")), 0);
        EXPECT_GT(PaintRecorder::countText(ops, QStringLiteral("0")), 0);
    }
}

} // namespace
