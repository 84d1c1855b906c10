#include "sim/ExchangeBoard.h"

#include "data/ttservice/CVornExchangeInfo.h"

#include <QDateTime>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstdint>

namespace sim {

namespace {

const int kDay = 24 * 60;
const int kNever = kDay; // a roll minute no local time reaches

struct Session
{
    int from; // minutes of the local day the session opens on
    int to;   // beyond kDay: it runs past midnight
    bool eve; // opens the evening before its trade day, so Sunday to Thursday
};

struct Market
{
    const char* code;
    int offsetMinutes; // local time minus the platform's
    int rollMinute;    // from this local minute on, the trade day is the next one
    std::vector<Session> sessions;
};

const std::vector<Session> kStockHours{{570, 690, false}, {780, 900, false}};
const std::vector<Session> kHongKongHours{{570, 720, false}, {780, 960, false}};
const std::vector<Session> kFuturesDay{{540, 615, false}, {630, 690, false}, {810, 900, false}};
const std::vector<Session> kGlobex{{1020, 2400, true}};

std::vector<Session> withNight(const std::vector<Session>& day, int from, int to)
{
    std::vector<Session> sessions = day;
    sessions.push_back({from, to, false});
    return sessions;
}

const std::vector<Market>& markets()
{
    static const std::vector<Market> table{
        {"SH", 0, kNever, kStockHours},
        {"SZ", 0, kNever, kStockHours},
        {"CFFEX", 0, kNever, kStockHours},
        {"SHFE", 0, 1200, withNight(kFuturesDay, 1260, 1500)},
        {"CZCE", 0, 1200, withNight(kFuturesDay, 1260, 1380)},
        {"DCE", 0, 1200, withNight(kFuturesDay, 1260, 1380)},
        {"GFEX", 0, 1200, kFuturesDay},
        {"HGT", 0, kNever, kHongKongHours},
        {"SGT", 0, kNever, kHongKongHours},
        {"SHO", 0, kNever, kStockHours},
        {"NEEQ", 0, kNever, kStockHours},
        {"SHGE", 0, 1200, {{540, 690, false}, {810, 930, false}, {1200, 1590, false}}},
        {"INE", 0, 1200, withNight(kFuturesDay, 1260, 1590)},
        {"SZO", 0, kNever, kStockHours},
        {"CBF", -840, 1020, kGlobex},
        {"CBOT", -840, 1020, kGlobex},
        {"CME", -840, 1020, kGlobex},
        {"COMEX", -840, 1020, kGlobex},
        {"EUREX", -420, 1320, {{75, 1320, false}}},
        {"ICE", -480, 1380, {{60, 1380, false}}},
        {"LBMA", -480, 1200, {{480, 960, false}}},
        {"LME", -480, 1200, {{60, 1140, false}}},
        {"LPPM", -480, 1200, {{480, 960, false}}},
        {"NYB", -780, 1080, {{255, 810, false}}},
        {"NYMEX", -840, 1020, kGlobex},
        {"OSE", 60, 990, {{525, 915, false}, {990, 1800, false}}},
        {"SGX", 0, 1020, {{540, 995, false}, {1020, 1755, false}}},
    };
    return table;
}

const std::size_t kDomesticCount = 14;

std::vector<std::string> codes(std::size_t from, std::size_t to)
{
    std::vector<std::string> list;
    for (std::size_t i = from; i < to; ++i)
        list.push_back(markets()[i].code);
    return list;
}

bool isWeekend(const QDate& day)
{
    return day.dayOfWeek() >= Qt::Saturday;
}

bool opensOn(const Session& session, const QDate& day)
{
    const int weekday = day.dayOfWeek();
    return session.eve ? (weekday == Qt::Sunday || weekday <= Qt::Thursday) : weekday <= Qt::Friday;
}

bool inSession(const Market& market, const QDate& day, int minute)
{
    for (const Session& s : market.sessions) {
        if (minute >= s.from && minute < std::min(s.to, kDay) && opensOn(s, day))
            return true;
        if (s.to > kDay && minute + kDay < s.to && opensOn(s, day.addDays(-1)))
            return true;
    }
    return false;
}

QDate tradeDay(const Market& market, const QDate& day, int minute)
{
    QDate trade = minute >= market.rollMinute ? day.addDays(1) : day;
    while (isWeekend(trade))
        trade = trade.addDays(1);
    return trade;
}

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

const qint64 kLagWindow = 150; // seconds; at most one lag starts in each

} // namespace

ExchangeBoard::ExchangeBoard(const ExchangeOptions& options, unsigned int seed, bool live)
    : m_options(options), m_seed(seed), m_live(live)
{
}

const std::vector<std::string>& ExchangeBoard::domesticCodes()
{
    static const std::vector<std::string> list = codes(0, kDomesticCount);
    return list;
}

const std::vector<std::string>& ExchangeBoard::overseasCodes()
{
    static const std::vector<std::string> list = codes(kDomesticCount, markets().size());
    return list;
}

qint64 ExchangeBoard::lagStart(int market, qint64 serverSecs) const
{
    if (!m_live)
        return -1;
    const qint64 window = serverSecs / kLagWindow;
    const std::uint64_t h = mix((std::uint64_t(m_seed) << 32) ^ std::uint64_t(window));
    if (h % 3 != 0 || int((h >> 8) % markets().size()) != market)
        return -1;
    const qint64 start = window * kLagWindow + qint64((h >> 16) % 30);
    const qint64 length = 40 + qint64((h >> 24) % 50);
    return serverSecs >= start && serverSecs < start + length ? start : -1;
}

Records ExchangeBoard::records(qint64 serverSecs) const
{
    // The platform's wall clock, taken as it reads, then shifted to each market's.
    const QDateTime local = QDateTime::fromSecsSinceEpoch(serverSecs);
    const QDateTime wall(local.date(), local.time(), Qt::UTC);
    Records records;
    for (std::size_t i = 0; i < markets().size(); ++i) {
        const Market& market = markets()[i];
        const QDateTime there = wall.addSecs(qint64(market.offsetMinutes) * 60);
        const int minute = there.time().hour() * 60 + there.time().minute();
        QDate trade = tradeDay(market, there.date(), minute);
        if (m_options.tradeDayAhead.count(market.code))
            trade = trade.addDays(1);
        if (m_options.tradeDayBehind.count(market.code))
            trade = trade.addDays(-1);

        auto info = boost::make_shared<ttservice::CVornExchangeInfo>();
        info->m_strMarketName = market.code;
        info->m_strMarketTradeDay = trade.toString("yyyyMMdd").toStdString();
        info->m_bInTradingTime = inSession(market, there.date(), minute);
        // Updates arrive every few seconds, each market at its own beat.
        qint64 updated = serverSecs - qint64(mix(m_seed ^ (i << 40) ^ std::uint64_t(serverSecs / 3)) % 5);
        auto scripted = m_options.lagSeconds.find(market.code);
        if (scripted != m_options.lagSeconds.end())
            updated = serverSecs - scripted->second;
        else if (const qint64 start = lagStart(int(i), serverSecs); start >= 0)
            updated = std::min(updated, start);
        info->m_nToUpdateSecond = int(updated);
        records.push_back(info);
    }
    return records;
}

} // namespace sim
