#pragma once

#include "data/IServerBackend.h"
#include "sim/Scenario.h"
#include "sim/SimGlobal.h"

#include <QElapsedTimer>

#include <map>
#include <mutex>
#include <random>
#include <vector>

namespace sim {

// One simulated server: answers from its ServerSpec, always with fresh copies of the records.
// In a live scenario the figures drift on every answer, seeded, so runs are repeatable.
class SIM_EXPORT SimBackend : public Ocv::IServerBackend
{
public:
    SimBackend(const ServerSpec& server, bool live, unsigned int seed);
    ~SimBackend() override;

    void answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                std::vector<ttservice::IDataPtr>& records, bson::BSONObj& meta) override;
    void operate(const ttservice::COperateDataReq& req, utils::TTError& error, bson::BSONObj& meta) override;
    int latencyMs() const override;
    bool hasTimeService() const override;
    qint64 serverTime() const override;

    int answerCount() const;

private:
    void drift(int dataType, std::vector<ttservice::IDataPtr>& records, double elapsedSeconds);

    ServerSpec m_server;
    bool m_live;
    mutable std::mutex m_mutex;
    std::mt19937 m_rng;
    std::map<int, std::vector<ttservice::IDataPtr>> m_state; // the live figures
    QElapsedTimer m_clock;
    qint64 m_lastAnswerMs = 0;
    int m_answers = 0;
};

} // namespace sim
