#pragma once

#include "data/DataCallbacks.h"
#include "data/IServerBackend.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <boost/make_shared.hpp>

#include <atomic>
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

inline boost::shared_ptr<ttservice::CVornQueryDataReq> queryReq(int dataType = 0, int systemTag = 0)
{
    auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
    req->dataType = dataType;
    req->systemTag = systemTag;
    return req;
}

inline Ocv::QueryCallback counting(std::atomic<int>& calls)
{
    return [&calls](auto&&...) { ++calls; };
}

// What one query's callback saw; written on the worker, read once done is set.
struct Answer
{
    Ocv::QueryCallback callback()
    {
        timer.start();
        return [this](const utils::TTError& e, const std::vector<ttservice::IDataPtr>& r, int t,
                      const bson::BSONObj& meta) {
            error = e;
            records = r;
            tag = t;
            metaType = meta.getIntField("dataType");
            onGui = QThread::currentThread() == qApp->thread();
            afterMs = timer.elapsed();
            done = true;
        };
    }

    QElapsedTimer timer;
    utils::TTError error;
    std::vector<ttservice::IDataPtr> records;
    int tag = -1;
    int metaType = 0;
    bool onGui = true;
    qint64 afterMs = 0;
    std::atomic<bool> done{false};
};
