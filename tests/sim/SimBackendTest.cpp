#include "sim/SimBackend.h"

#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using ttservice::CVornSysStatusInfo;

class SimBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto service = sim::statusRecord(ttservice::QSST_TRADE_SERVICE);
        service->runTime = "23:59:58";
        service->cpuUsage = 40;
        service->memoryUsed = 4194304;
        auto cpu = sim::statusRecord(ttservice::QSST_HOST_CPU);
        cpu->userRatio = 30;
        cpu->kernelRatio = 8;
        cpu->waitRatio = 2;
        cpu->idle = 60;
        auto memory = sim::statusRecord(ttservice::QSST_HOST_MEMORY);
        memory->memTotal = 67108864;
        memory->used = 30000000;
        memory->cache = 10000000;
        auto fs = sim::statusRecord(ttservice::QSST_FILE_SYSTEM);
        fs->deviceName = "/";
        fs->fsSize = 1000000;
        fs->used = 975000;
        fs->fsAvailable = 25000;
        auto net = sim::statusRecord(ttservice::QSST_NETWORK_CARD);
        net->uploadRate = 100;
        net->downloadRate = 200;
        server.name = "A";
        server.answers[12235] = {service, cpu, memory, fs, net, nullptr};
        server.errors[12254] = "统计服务超时";
        scenarioFs = fs;
    }

    std::vector<ttservice::IDataPtr> ask(sim::SimBackend& backend, int dataType = 12235)
    {
        ttservice::CVornQueryDataReq req;
        req.dataType = dataType;
        std::vector<ttservice::IDataPtr> records;
        bson::BSONObj meta;
        backend.answer(req, lastError, records, meta);
        return records;
    }

    template <class Check> void forEachStatus(const std::vector<ttservice::IDataPtr>& records, Check check)
    {
        for (const auto& record : records) {
            if (auto status = boost::dynamic_pointer_cast<CVornSysStatusInfo>(record))
                check(*status);
        }
    }

    sim::ServerSpec server;
    boost::shared_ptr<CVornSysStatusInfo> scenarioFs;
    utils::TTError lastError;
};

TEST_F(SimBackendTest, StillScenarioAnswersFreshCopiesOfTheSameFigures)
{
    sim::SimBackend backend(server, false, 1);
    const auto first = ask(backend);
    const auto second = ask(backend);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_FALSE(first[5]);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NE(first[i], second[i]);
        EXPECT_NE(first[i], server.answers[12235][i]);
        EXPECT_TRUE(first[i]->sameFields(*second[i]));
    }
}

TEST_F(SimBackendTest, ErrorsAndUnknownCodes)
{
    sim::SimBackend backend(server, true, 1);
    EXPECT_TRUE(ask(backend, 12254).empty());
    EXPECT_FALSE(lastError.isSuccess());
    EXPECT_EQ(lastError.errorMsg(), "统计服务超时");
    EXPECT_TRUE(ask(backend, 4242).empty());
    EXPECT_TRUE(lastError.isSuccess());
}

TEST_F(SimBackendTest, LiveFiguresDriftButStayPlausible)
{
    sim::SimBackend backend(server, true, 7);
    std::set<double> cpuSeen;
    std::set<double> fsUsedSeen;
    for (int round = 0; round < 300; ++round) {
        const auto records = ask(backend);
        ASSERT_EQ(records.size(), 6u);
        forEachStatus(records, [&](const CVornSysStatusInfo& r) {
            switch (r.statusType) {
            case ttservice::QSST_TRADE_SERVICE:
                cpuSeen.insert(r.cpuUsage);
                EXPECT_GE(r.cpuUsage, 0);
                EXPECT_LE(r.cpuUsage, 100);
                EXPECT_GT(r.memoryUsed, 0);
                break;
            case ttservice::QSST_HOST_CPU:
                for (double v : {r.idle, r.userRatio, r.kernelRatio, r.waitRatio}) {
                    EXPECT_GE(v, 0);
                    EXPECT_LE(v, 100);
                }
                EXPECT_NEAR(r.idle + r.userRatio + r.kernelRatio + r.waitRatio, 100, 1e-6);
                break;
            case ttservice::QSST_HOST_MEMORY:
                EXPECT_GE(r.idle, 0);
                EXPECT_LE(r.used + r.cache, r.memTotal);
                break;
            case ttservice::QSST_FILE_SYSTEM:
                fsUsedSeen.insert(r.used);
                EXPECT_LE(r.used, r.fsSize);
                EXPECT_NEAR(r.used + r.fsAvailable, r.fsSize, 1e-6);
                break;
            case ttservice::QSST_NETWORK_CARD:
                EXPECT_GE(r.uploadRate, 0);
                EXPECT_GE(r.downloadRate, 0);
                break;
            }
        });
    }
    EXPECT_GT(cpuSeen.size(), 100u);
    EXPECT_GT(fsUsedSeen.size(), 100u);
    EXPECT_DOUBLE_EQ(scenarioFs->used, 975000.0);
}

TEST_F(SimBackendTest, LiveServicesSometimesFailAndRecover)
{
    sim::SimBackend backend(server, true, 3);
    int faulty = 0;
    int healthy = 0;
    for (int round = 0; round < 400; ++round) {
        forEachStatus(ask(backend), [&](const CVornSysStatusInfo& r) {
            if (r.statusType == ttservice::QSST_TRADE_SERVICE)
                (r.faultFlag != 0 ? faulty : healthy)++;
        });
    }
    EXPECT_GT(faulty, 0);
    EXPECT_GT(healthy, faulty);
}

TEST_F(SimBackendTest, MarkersAreLeftAlone)
{
    auto marked = sim::statusRecord(ttservice::QSST_HOST_MEMORY);
    marked->memTotal = std::numeric_limits<double>::max();
    marked->used = 5;
    server.answers[12235] = {marked};
    sim::SimBackend backend(server, true, 5);
    for (int round = 0; round < 20; ++round) {
        auto r = boost::dynamic_pointer_cast<CVornSysStatusInfo>(ask(backend).at(0));
        ASSERT_TRUE(r);
        EXPECT_EQ(r->memTotal, std::numeric_limits<double>::max());
        EXPECT_EQ(r->used, 5);
    }
}

TEST_F(SimBackendTest, TimeServiceKinds)
{
    server.timeKind = sim::ServerSpec::NoTime;
    EXPECT_FALSE(sim::SimBackend(server, false, 1).hasTimeService());
    server.timeKind = sim::ServerSpec::FixedTime;
    server.fixedTime = QDateTime(QDate(2024, 6, 3), QTime(10, 15));
    sim::SimBackend fixed(server, false, 1);
    EXPECT_TRUE(fixed.hasTimeService());
    EXPECT_EQ(fixed.serverTime(), server.fixedTime.toSecsSinceEpoch());
}

} // namespace
