#include "sim/SimBackend.h"

#include "sim/Scenario.h"

#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornSysStatusInfo.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

using ttservice::CVornSysStatusInfo;

const double kMax = std::numeric_limits<double>::max();

class SimBackendTest : public ::testing::Test
{
protected:
    // Status types: 2 trade service, 7 host CPU, 8 host memory, 9 file system, 10 network card.
    // The second memory record holds a marker, not a measurement: drift must leave it alone.
    void SetUp() override
    {
        QString error;
        const sim::Scenario scenario =
            sim::Scenario::fromJson(R"({"servers": [{"name": "A", "errors": {"12254": "统计服务超时"},
            "answers": {"12235": [
                {"statusType": 2, "cpuUsage": 40, "memoryUsed": 4194304},
                {"statusType": 7, "userRatio": 30, "kernelRatio": 8, "waitRatio": 2, "idle": 60},
                {"statusType": 8, "memTotal": 67108864, "used": 30000000, "cache": 10000000},
                {"statusType": 9, "deviceName": "/", "fsSize": 1000000, "used": 975000, "fsAvailable": 25000},
                {"statusType": 10, "uploadRate": 100, "downloadRate": 200},
                {"statusType": 8, "memTotal": "max", "used": 5}, null]}}]})",
                                    &error);
        ASSERT_EQ(scenario.servers.size(), 1u) << error.toStdString();
        server = scenario.servers[0];
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

    sim::ServerSpec server;
    utils::TTError lastError;
};

TEST_F(SimBackendTest, StillScenarioAnswersFreshCopiesOfTheSameFigures)
{
    sim::SimBackend backend(server, false, 1);
    const auto first = ask(backend);
    const auto second = ask(backend);
    ASSERT_EQ(first.size(), 7u);
    EXPECT_FALSE(first[6]);
    for (std::size_t i = 0; i < 6; ++i) {
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
    int faulty = 0;
    int healthy = 0;
    int markers = 0;
    for (int round = 0; round < 300; ++round) {
        const auto records = ask(backend);
        ASSERT_EQ(records.size(), 7u);
        for (const auto& record : records) {
            auto status = boost::dynamic_pointer_cast<CVornSysStatusInfo>(record);
            if (!status)
                continue;
            const CVornSysStatusInfo& r = *status;
            switch (r.statusType) {
            case ttservice::QSST_TRADE_SERVICE:
                cpuSeen.insert(r.cpuUsage);
                EXPECT_GE(r.cpuUsage, 0);
                EXPECT_LE(r.cpuUsage, 100);
                EXPECT_GT(r.memoryUsed, 0);
                (r.faultFlag != 0 ? faulty : healthy)++;
                break;
            case ttservice::QSST_HOST_CPU:
                for (double v : {r.idle, r.userRatio, r.kernelRatio, r.waitRatio}) {
                    EXPECT_GE(v, 0);
                    EXPECT_LE(v, 100);
                }
                EXPECT_NEAR(r.idle + r.userRatio + r.kernelRatio + r.waitRatio, 100, 1e-6);
                break;
            case ttservice::QSST_HOST_MEMORY:
                if (r.memTotal == kMax) {
                    EXPECT_EQ(r.used, 5);
                    ++markers;
                    break;
                }
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
        }
    }
    EXPECT_GT(cpuSeen.size(), 100u);
    EXPECT_GT(fsUsedSeen.size(), 100u);
    EXPECT_EQ(markers, 300);
    // Services sometimes fail and recover.
    EXPECT_GT(faulty, 0);
    EXPECT_GT(healthy, faulty);
    // The scenario's own records are never drifted.
    auto fs = boost::dynamic_pointer_cast<CVornSysStatusInfo>(server.answers[12235][3]);
    EXPECT_DOUBLE_EQ(fs->used, 975000.0);
}

TEST_F(SimBackendTest, FixedServerTimeIsTheScenariosTime)
{
    server.timeKind = sim::ServerSpec::FixedTime;
    server.fixedTime = QDateTime(QDate(2024, 6, 3), QTime(10, 15));
    sim::SimBackend fixed(server, false, 1);
    EXPECT_TRUE(fixed.hasTimeService());
    EXPECT_EQ(fixed.serverTime(), server.fixedTime.toSecsSinceEpoch());
}

} // namespace
