#pragma once

#include "data/IServerBackend.h"
#include "sim/OperateHandler.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"
#include "sim/SimState.h"

#include <QElapsedTimer>

#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <vector>

namespace sim {

// An answer made from the server's state when a query comes in.
using ComputedAnswer = std::function<Records(const SimState& state, const ttservice::CVornQueryDataReq& req)>;

// One simulated server: answers from its state, always with fresh copies of the records (the
// list records 12311 and 12374 are fresh over shared, never changed items), and
// changes the state through the operate handlers of its codes (the built-in ones and the
// server's stores). In a live scenario the figures drift on every answer, seeded, so runs are
// repeatable. A fixed server time advances in a live scenario or when the clock runs.
// Built in: when the server holds a population (an answer for accounts, products or users), the
// statistics (12254) and the sub-manager's figures (12277) are counted from it at query time;
// generated exchanges (12255) follow the server clock. An account query (12203) whose param is a
// number answers the accounts of that type (from an index, in list order) unless the scenario
// scripts that param; "all" and other params answer every account. A server that lists logins answers 12311
// from them per kind and ends one on 626; one that lists algorithm ranges answers 12374. The
// risk-control templates, groups and relations (23452 to 23455) are picked from their lists by
// the query's param.
class SIM_EXPORT SimBackend : public Ocv::IServerBackend
{
public:
    SimBackend(const ServerSetup& server, bool live, unsigned int seed, bool clockRuns = false);
    ~SimBackend() override;

    // Replaces the handler of an operate code; an empty handler removes it.
    void setOperateHandler(int dataType, OperateHandler handler);
    // Answers every query of the code, whatever its params, in place of the stored answer; a
    // scripted error still wins. An empty function goes back to the stored answer.
    void setComputedAnswer(int dataType, ComputedAnswer compute);
    // The logged-in user's sub-manager id, whose figures 12277 counts (-1: no sub-manager).
    void setSubManagerId(int subManagerId);
    // Milliseconds since the server started, in place of the process clock; set it before the
    // first request.
    void setElapsedSource(std::function<qint64()> elapsedMs);

    void answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                std::vector<ttservice::IDataPtr>& records, bson::BSONObj& meta) override;
    void operate(const ttservice::COperateDataReq& req, utils::TTError& error, bson::BSONObj& meta) override;
    int latencyMs() const override;
    bool hasTimeService() const override;
    qint64 serverTime() const override;

    int answerCount() const;

private:
    void drift(int dataType, Records& records, double elapsedSeconds);
    qint64 elapsedMs() const;
    qint64 clockSecs() const; // the server time, or the platform clock without a time service

    ServerSetup m_server; // without its answers: those live in m_state
    bool m_live;
    bool m_clockRuns;
    mutable std::mutex m_mutex;
    std::mt19937 m_rng;
    SimState m_state;
    std::map<int, OperateHandler> m_handlers;
    std::map<int, ComputedAnswer> m_computed;
    int m_subManagerId = -1;
    QElapsedTimer m_clock;
    std::function<qint64()> m_elapsedSource;
    int m_answers = 0;
};

} // namespace sim
