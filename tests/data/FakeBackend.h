#pragma once

#include "data/IServerBackend.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <boost/make_shared.hpp>

#include <atomic>
#include <functional>
#include <string>

// Answers every query with one status record whose itemCount is the data type; fails when
// failText is set.
class FakeBackend : public Ocv::IServerBackend
{
public:
    explicit FakeBackend(int latency = 10, std::string failText = std::string())
        : m_latency(latency), m_failText(std::move(failText))
    {
    }

    void answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                std::vector<ttservice::IDataPtr>& records, bson::BSONObj& meta) override
    {
        ++answered;
        if (!m_failText.empty()) {
            error = utils::TTError(7, m_failText);
            return;
        }
        auto record = boost::make_shared<ttservice::CVornSysStatusInfo>();
        record->itemCount = req.dataType;
        record->itemName = req.param;
        records.push_back(record);
        meta = bson::BSONObjBuilder().append("dataType", req.dataType).obj();
    }
    void operate(const ttservice::COperateDataReq&, utils::TTError& error, bson::BSONObj&) override
    {
        if (!m_failText.empty())
            error = utils::TTError(7, m_failText);
    }
    int latencyMs() const override { return m_latency; }
    bool hasTimeService() const override { return false; }
    qint64 serverTime() const override { return 0; }

    std::atomic<int> answered{0};

private:
    int m_latency;
    std::string m_failText;
};

// Spins the GUI event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
