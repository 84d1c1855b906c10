#include "sim/ExchangeBoard.h"

#include "data/ttservice/CVornExchangeInfo.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <map>

namespace {

using ttservice::CVornExchangeInfo;

qint64 at(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toSecsSinceEpoch();
}

std::map<std::string, CVornExchangeInfo> byCode(const sim::Records& records)
{
    std::map<std::string, CVornExchangeInfo> map;
    for (const auto& record : records)
        map[record->getKey()] = *boost::dynamic_pointer_cast<CVornExchangeInfo>(record);
    return map;
}

// 2026-12-04 is a Friday, 12-07 the Monday after.
class ExchangeBoardTest : public ::testing::Test
{
protected:
    std::map<std::string, CVornExchangeInfo> board(qint64 secs) const
    {
        return byCode(sim::ExchangeBoard(options, 5, false).records(secs));
    }

    sim::ExchangeOptions options;
};

TEST_F(ExchangeBoardTest, DayTradingHoursAndOptionsShiftingTheNamedCodesOnly)
{
    const qint64 now = at(7, 10);
    auto exchanges = board(now);
    EXPECT_EQ(exchanges.size(), 27u);
    EXPECT_TRUE(exchanges.at("SH").m_bInTradingTime);
    EXPECT_FALSE(exchanges.at("NYB").m_bInTradingTime);
    options.tradeDayAhead = {"SHFE"};
    options.tradeDayBehind = {"DCE", "CME"};
    options.lagSeconds = {{"CZCE", 45}};
    exchanges = board(now);
    EXPECT_EQ(exchanges.at("SHFE").m_strMarketTradeDay, "20261208");
    EXPECT_EQ(exchanges.at("DCE").m_strMarketTradeDay, "20261206");
    EXPECT_EQ(exchanges.at("CZCE").m_nToUpdateSecond, now - 45);
    int shifted = 0;
    for (const auto& item : exchanges)
        shifted += item.second.m_strMarketTradeDay != "20261207";
    EXPECT_EQ(shifted, 3);
}

TEST_F(ExchangeBoardTest, NightSessionsTradeForTheNextTradingDay)
{
    const auto friday = board(at(4, 21, 30));
    EXPECT_EQ(friday.at("SHFE").m_strMarketTradeDay, "20261207");
    EXPECT_TRUE(friday.at("SHFE").m_bInTradingTime);
    EXPECT_FALSE(friday.at("GFEX").m_bInTradingTime);
    EXPECT_EQ(friday.at("SH").m_strMarketTradeDay, "20261204");
    EXPECT_FALSE(friday.at("SH").m_bInTradingTime);
    EXPECT_TRUE(board(at(5, 1, 30)).at("INE").m_bInTradingTime);
    EXPECT_FALSE(board(at(5, 1, 30)).at("DCE").m_bInTradingTime);
    EXPECT_EQ(board(at(5, 10)).at("SH").m_strMarketTradeDay, "20261207");
}

TEST_F(ExchangeBoardTest, LiveLagsPassThirtyOneSecondsOneAtATimeAndRecover)
{
    const qint64 start = at(7, 10);
    int episodes = 0;
    std::string lagging;
    for (qint64 secs = start; secs < start + 4 * 3600; ++secs) {
        std::string now;
        for (const auto& record : sim::ExchangeBoard(options, 5, true).records(secs)) {
            auto info = boost::dynamic_pointer_cast<CVornExchangeInfo>(record);
            const int lag = int(secs - info->m_nToUpdateSecond);
            EXPECT_LT(lag, 90);
            if (lag > 31) {
                EXPECT_TRUE(now.empty()) << "two markets lag at " << secs;
                now = info->m_strMarketName;
            }
        }
        episodes += !now.empty() && lagging.empty();
        lagging = now;
    }
    EXPECT_GT(episodes, 0);
}

} // namespace
