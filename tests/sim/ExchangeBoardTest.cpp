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

TEST_F(ExchangeBoardTest, CoversEveryCodeWithSaneFields)
{
    const qint64 now = at(7, 10);
    const auto exchanges = board(now);
    std::string codes;
    for (const auto& item : exchanges) {
        codes += item.first + " ";
        EXPECT_LE(item.second.m_nToUpdateSecond, now);
        EXPECT_GT(item.second.m_nToUpdateSecond, now - 5);
        EXPECT_EQ(item.second.m_strMarketTradeDay, "20261207") << item.first;
    }
    EXPECT_EQ(codes,
              "CBF CBOT CFFEX CME COMEX CZCE DCE EUREX GFEX HGT ICE INE LBMA LME LPPM NEEQ NYB NYMEX OSE "
              "SGT SGX SH SHFE SHGE SHO SZ SZO ");
    for (const char* open : {"SH", "SZ", "SHFE", "CFFEX", "HGT", "CME", "LME", "OSE", "SGX"})
        EXPECT_TRUE(exchanges.at(open).m_bInTradingTime) << open;
    for (const char* closed : {"NYB", "LBMA"})
        EXPECT_FALSE(exchanges.at(closed).m_bInTradingTime) << closed;
}

TEST_F(ExchangeBoardTest, NightSessionsTradeForTheNextTradingDay)
{
    const auto friday = board(at(4, 21, 30));
    EXPECT_EQ(friday.at("SHFE").m_strMarketTradeDay, "20261207");
    EXPECT_TRUE(friday.at("SHFE").m_bInTradingTime);
    EXPECT_EQ(friday.at("GFEX").m_strMarketTradeDay, "20261207");
    EXPECT_FALSE(friday.at("GFEX").m_bInTradingTime);
    EXPECT_EQ(friday.at("SH").m_strMarketTradeDay, "20261204");
    EXPECT_FALSE(friday.at("SH").m_bInTradingTime);
    const auto saturday = board(at(5, 1, 30));
    EXPECT_TRUE(saturday.at("INE").m_bInTradingTime);
    EXPECT_FALSE(saturday.at("DCE").m_bInTradingTime);
    EXPECT_FALSE(board(at(5, 10)).at("SH").m_bInTradingTime);
    EXPECT_EQ(board(at(5, 10)).at("SH").m_strMarketTradeDay, "20261207");
}

TEST_F(ExchangeBoardTest, OptionsShiftTradeDaysAndHoldUpdatesBackForTheNamedCodesOnly)
{
    options.tradeDayAhead = {"SHFE"};
    options.tradeDayBehind = {"DCE", "CME"};
    options.lagSeconds = {{"CZCE", 45}};
    const qint64 now = at(7, 10);
    const auto exchanges = board(now);
    EXPECT_EQ(exchanges.at("SHFE").m_strMarketTradeDay, "20261208");
    EXPECT_EQ(exchanges.at("DCE").m_strMarketTradeDay, "20261206");
    EXPECT_EQ(exchanges.at("CME").m_strMarketTradeDay, "20261206");
    EXPECT_EQ(exchanges.at("CZCE").m_nToUpdateSecond, now - 45);
    int shifted = 0;
    for (const auto& item : exchanges)
        shifted += item.second.m_strMarketTradeDay != "20261207";
    EXPECT_EQ(shifted, 3);
}

TEST_F(ExchangeBoardTest, LiveLagsPassThirtyOneSecondsOneAtATimeAndRecover)
{
    const qint64 start = at(7, 10);
    int episodes = 0;
    std::string lagging;
    for (qint64 secs = start; secs < start + 4 * 3600; ++secs) {
        std::string now;
        int maxLag = 0;
        for (const auto& record : sim::ExchangeBoard(options, 5, true).records(secs)) {
            auto info = boost::dynamic_pointer_cast<CVornExchangeInfo>(record);
            const int lag = int(secs - info->m_nToUpdateSecond);
            maxLag = std::max(maxLag, lag);
            if (lag > 31) {
                EXPECT_TRUE(now.empty()) << "two markets lag at " << secs;
                now = info->m_strMarketName;
            }
        }
        EXPECT_LT(maxLag, 90);
        episodes += !now.empty() && lagging.empty();
        lagging = now;
    }
    EXPECT_GT(episodes, 5);
    EXPECT_LT(episodes, 60);
}

} // namespace
