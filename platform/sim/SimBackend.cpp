#include "sim/SimBackend.h"

#include "data/Clock.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "sim/DataCodes.h"
#include "sim/ExchangeBoard.h"
#include "sim/ListAnswers.h"
#include "sim/PopulationCounts.h"
#include "sim/RiskControl.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

namespace sim {

namespace {

// Figures that are markers or already nonsense stay as they are.
bool plain(double value)
{
    return std::isfinite(value) && std::fabs(value) < 1e300;
}

double clamp(double value, double low, double high)
{
    return std::max(low, std::min(high, value));
}

// "hh:mm:ss" (hours may exceed 24) advanced by the given seconds; other texts stay.
std::string advanceRunTime(const std::string& text, qint64 seconds)
{
    static const QRegularExpression pattern("^(\\d+):(\\d{2}):(\\d{2})$");
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
    if (!match.hasMatch() || seconds <= 0)
        return text;
    qint64 total = match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60 +
                   match.captured(3).toLongLong() + seconds;
    return QString("%1:%2:%3")
        .arg(total / 3600, 2, 10, QChar('0'))
        .arg((total / 60) % 60, 2, 10, QChar('0'))
        .arg(total % 60, 2, 10, QChar('0'))
        .toStdString();
}

// A param of decimal digits only, as the account lists are asked for one type ("7").
bool typeParam(const std::string& param, int* type)
{
    if (param.empty() || param.size() > 9 ||
        !std::all_of(param.begin(), param.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    *type = std::stoi(param);
    return true;
}

class Drift
{
public:
    explicit Drift(std::mt19937& rng) : m_rng(rng) {}

    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(m_rng);
    }
    double normal(double sigma) { return std::normal_distribution<double>(0.0, sigma)(m_rng); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }

    void service(ttservice::CVornSysStatusInfo& r)
    {
        if (plain(r.cpuUsage))
            r.cpuUsage = clamp(r.cpuUsage + normal(3.0), 0.0, 100.0);
        if (plain(r.memoryUsed) && r.memoryUsed > 0)
            r.memoryUsed = std::max(1024.0, r.memoryUsed * (1.0 + uniform(-0.01, 0.012)));
        if (r.faultFlag == 0 && chance(0.03))
            r.faultFlag = 1;
        else if (r.faultFlag != 0 && chance(0.35))
            r.faultFlag = 0;
    }

    void plugin(ttservice::CVornSysStatusInfo& r)
    {
        if (r.running != 0 && chance(0.04))
            r.running = 0;
        else if (r.running == 0 && chance(0.4))
            r.running = 1;
    }

    void cpu(ttservice::CVornSysStatusInfo& r)
    {
        if (!plain(r.userRatio) || !plain(r.kernelRatio) || !plain(r.waitRatio))
            return;
        r.userRatio = clamp(r.userRatio + normal(4.0), 0.5, 90.0);
        r.kernelRatio = clamp(r.kernelRatio + normal(1.5), 0.2, 30.0);
        r.waitRatio = clamp(r.waitRatio + normal(0.5), 0.0, 10.0);
        const double busy = r.userRatio + r.kernelRatio + r.waitRatio;
        if (busy > 99.0) {
            const double scale = 99.0 / busy;
            r.userRatio *= scale;
            r.kernelRatio *= scale;
            r.waitRatio *= scale;
        }
        r.idle = clamp(100.0 - (r.userRatio + r.kernelRatio + r.waitRatio), 0.0, 100.0);
    }

    void memory(ttservice::CVornSysStatusInfo& r)
    {
        if (!plain(r.memTotal) || r.memTotal <= 0 || !plain(r.used) || !plain(r.cache))
            return;
        r.used = clamp(r.used * (1.0 + uniform(-0.02, 0.02)), 0.05 * r.memTotal, 0.9 * r.memTotal);
        r.cache = clamp(r.cache * (1.0 + uniform(-0.03, 0.03)), 0.0, r.memTotal - r.used);
        r.idle = r.memTotal - r.used - r.cache;
    }

    void fileSystem(ttservice::CVornSysStatusInfo& r)
    {
        if (!plain(r.fsSize) || r.fsSize <= 0 || !plain(r.used) || r.used < 0 || r.used > r.fsSize)
            return;
        r.used += uniform(0.0, r.fsSize * 0.0002);
        if (r.used > r.fsSize * 0.98)
            r.used = r.fsSize * 0.6; // somebody cleaned up
        r.fsAvailable = r.fsSize - r.used;
    }

    void network(ttservice::CVornSysStatusInfo& r)
    {
        if (plain(r.uploadRate))
            r.uploadRate = clamp(r.uploadRate * (1.0 + normal(0.15)) + normal(5.0), 0.0, 1e6);
        if (plain(r.downloadRate))
            r.downloadRate = clamp(r.downloadRate * (1.0 + normal(0.15)) + normal(5.0), 0.0, 1e6);
        if (chance(0.05))
            r.downloadRate = std::min(1e6, r.downloadRate * 3.0 + 100.0);
    }

    void countedItem(ttservice::CVornSysStatusInfo& r)
    {
        if (!plain(r.cpuUsage) || !plain(r.memoryUsed))
            return;
        const double tolerance = std::max(1.0, r.memoryUsed);
        double count = r.cpuUsage + normal(tolerance * 0.4);
        if (chance(0.05))
            count += (chance(0.5) ? 2.0 : -2.0) * tolerance;
        r.itemCount = static_cast<int>(std::lround(clamp(count, 0.0, 2e9)));
    }

private:
    std::mt19937& m_rng;
};

} // namespace

SimBackend::SimBackend(const ServerSetup& server, bool live, unsigned int seed, bool clockRuns)
    : m_server(server), m_live(live), m_clockRuns(clockRuns), m_rng(seed), m_state(server.answers),
      m_handlers(builtInOperateHandlers())
{
    m_server.answers.clear();
    if (server.logins) {
        m_state.setLogins(*server.logins);
        const int systemTag = server.systemTag;
        m_computed[kTypedUserCode] = [systemTag](const SimState& state,
                                                 const ttservice::CVornQueryDataReq& req) {
            return typedUserAnswer(state, req.param, systemTag);
        };
    }
    if (server.algoRanges) {
        m_state.setAlgoRanges(server.algoRanges);
        m_computed[kAlgoRangeCode] = [](const SimState& state, const ttservice::CVornQueryDataReq& req) {
            return algoRangeAnswer(state, req.param, req.param2);
        };
    }
    for (int code : {kRcTemplateCode, kRcTemplateGroupCode, kRcTemplateRelationCode, kRcGroupRelationCode})
        m_computed[code] = riskControlAnswer;
    m_server.logins.reset();
    m_server.algoRanges.reset();
    for (const auto& item : server.operations)
        m_handlers[item.first] = recordStore(item.second);
    if (holdsPopulation(m_state)) {
        m_computed[kStatisticsCode] = [](const SimState& state, const ttservice::CVornQueryDataReq&) {
            return platformStatistics(state, utils::currentDateTime().date());
        };
        // Runs under m_mutex, which also guards m_subManagerId.
        m_computed[kSubManagerCode] = [this](const SimState& state, const ttservice::CVornQueryDataReq&) {
            return subManagerStatistics(state, m_subManagerId);
        };
    }
    if (server.exchanges.generate) {
        auto board = std::make_shared<ExchangeBoard>(server.exchanges, seed, live);
        m_computed[kExchangeCode] = [this, board](const SimState&, const ttservice::CVornQueryDataReq&) {
            return board->records(clockSecs());
        };
    }
    m_clock.start();
}

SimBackend::~SimBackend() = default;

void SimBackend::setOperateHandler(int dataType, OperateHandler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (handler)
        m_handlers[dataType] = std::move(handler);
    else
        m_handlers.erase(dataType);
}

void SimBackend::setComputedAnswer(int dataType, ComputedAnswer compute)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (compute)
        m_computed[dataType] = std::move(compute);
    else
        m_computed.erase(dataType);
}

void SimBackend::setSubManagerId(int subManagerId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_subManagerId = subManagerId;
}

void SimBackend::setElapsedSource(std::function<qint64()> elapsedMs)
{
    m_elapsedSource = std::move(elapsedMs);
}

qint64 SimBackend::elapsedMs() const
{
    return m_elapsedSource ? m_elapsedSource() : m_clock.elapsed();
}

void SimBackend::answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                        std::vector<ttservice::IDataPtr>& records, bson::BSONObj& meta)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_answers;
    bson::BSONObjBuilder builder;
    builder.append("server", m_server.name)
        .append("dataType", req.dataType)
        .append("param", req.param)
        .append("param2", req.param2);
    auto failures = m_server.errors.find(req.dataType);
    const std::string* failure =
        failures == m_server.errors.end() ? nullptr : failures->second.find(req.param, req.param2);
    if (failure) {
        error = utils::TTError(1, *failure);
        records.clear();
        meta = builder.append("count", 0).obj();
        return;
    }
    error = utils::TTError();
    auto computed = m_computed.find(req.dataType);
    int accountType = 0;
    if (computed != m_computed.end()) {
        records = computed->second(m_state, req);
    } else if (req.dataType == kAccountCode && typeParam(req.param, &accountType) &&
               !m_state.hasEntry(req.dataType, req.param, req.param2)) {
        records = cloneRecords(m_state.accountsOfType(accountType));
    } else if (SimState::Answer* answer = m_state.find(req.dataType, req.param, req.param2)) {
        if (m_live) {
            const qint64 nowMs = elapsedMs();
            drift(req.dataType, answer->records, (nowMs - answer->driftedAtMs) / 1000.0);
            answer->driftedAtMs = nowMs;
        }
        records = cloneRecords(answer->records);
    } else {
        records.clear();
    }
    meta = builder.append("count", static_cast<int>(records.size())).obj();
}

void SimBackend::drift(int dataType, Records& records, double elapsedSeconds)
{
    Drift drift(m_rng);
    if (dataType == kExchangeCode) {
        const qint64 now = clockSecs();
        for (const ttservice::IDataPtr& record : records) {
            auto exchange = boost::dynamic_pointer_cast<ttservice::CVornExchangeInfo>(record);
            if (exchange && exchange->m_nToUpdateSecond >= 1 && exchange->m_bInTradingTime)
                exchange->m_nToUpdateSecond =
                    static_cast<int>(now - static_cast<qint64>(drift.uniform(0, 5)));
        }
        return;
    }
    if (dataType != kSysStatusCode)
        return;
    for (const ttservice::IDataPtr& record : records) {
        auto status = boost::dynamic_pointer_cast<ttservice::CVornSysStatusInfo>(record);
        if (!status)
            continue;
        switch (status->statusType) {
        case ttservice::QSST_CORE_SERVICE:
        case ttservice::QSST_TRADE_SERVICE:
        case ttservice::QSST_RISK_SERVICE:
        case ttservice::QSST_TASK_SERVICE:
            drift.service(*status);
            status->runTime = advanceRunTime(status->runTime, static_cast<qint64>(std::ceil(elapsedSeconds)));
            break;
        case ttservice::QSST_TRADE_PLUGIN:
            drift.plugin(*status);
            break;
        case ttservice::QSST_HOST_CPU:
            drift.cpu(*status);
            break;
        case ttservice::QSST_HOST_MEMORY:
            drift.memory(*status);
            break;
        case ttservice::QSST_FILE_SYSTEM:
            drift.fileSystem(*status);
            break;
        case ttservice::QSST_NETWORK_CARD:
            drift.network(*status);
            break;
        case ttservice::QSST_COUNTED_ITEM:
            drift.countedItem(*status);
            break;
        default:
            break;
        }
    }
}

void SimBackend::operate(const ttservice::COperateDataReq& req, utils::TTError& error, bson::BSONObj& meta)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    meta = bson::BSONObjBuilder()
               .append("server", m_server.name)
               .append("dataType", req.dataType)
               .append("operation", req.operation)
               .obj();
    // An operation has no param, so only a code's error for every param applies.
    auto failure = m_server.errors.find(req.dataType);
    if (failure != m_server.errors.end() && failure->second.fallback) {
        error = utils::TTError(1, *failure->second.fallback);
        return;
    }
    auto handler = m_handlers.find(req.dataType);
    if (handler == m_handlers.end()) {
        error = utils::TTError(1, "no handler for operation on data type " + std::to_string(req.dataType));
        return;
    }
    error = utils::TTError();
    handler->second(m_state, req, error);
}

int SimBackend::latencyMs() const
{
    return m_server.latencyMs;
}

bool SimBackend::hasTimeService() const
{
    return m_server.timeKind != ServerSetup::NoTime;
}

qint64 SimBackend::serverTime() const
{
    switch (m_server.timeKind) {
    case ServerSetup::LocalTime:
        return utils::currentDateTime().toSecsSinceEpoch();
    case ServerSetup::FixedTime:
        return m_server.fixedTime.toSecsSinceEpoch() + (m_live || m_clockRuns ? elapsedMs() / 1000 : 0);
    default:
        return 0;
    }
}

qint64 SimBackend::clockSecs() const
{
    return hasTimeService() ? serverTime() : utils::currentDateTime().toSecsSinceEpoch();
}

int SimBackend::answerCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_answers;
}

} // namespace sim
