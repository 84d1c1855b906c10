#include "FakeBackend.h"

#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"

#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class DataManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
        manager = utils::CSingletonT<Ocv::CVornDataManager>::instance();
    }
    void TearDown() override { center->setClients({}); }

    void useBackend(std::shared_ptr<FakeBackend> backend)
    {
        center->setClients({{"s1", boost::make_shared<Ocv::CVornClient>("s1", 1, backend)}});
    }

    boost::shared_ptr<Ocv::CQueryReq> query(QWidget* parent)
    {
        auto req = boost::make_shared<Ocv::CQueryReq>();
        req->dataType = 12235;
        req->parent = parent;
        req->callback = [this](const boost::shared_ptr<Ocv::CQueryReq>&, bool ok, const QString& msg,
                               const std::vector<ttservice::IDataPtr>& records, int) {
            ++calls;
            onGui = QThread::currentThread() == qApp->thread();
            lastOk = ok;
            lastMsg = msg;
            lastCount = static_cast<int>(records.size());
        };
        return req;
    }

    Ocv::CVornClientCenter* center = nullptr;
    Ocv::CVornDataManager* manager = nullptr;
    int calls = 0;
    bool onGui = false;
    bool lastOk = false;
    QString lastMsg;
    int lastCount = -1;
};

TEST_F(DataManagerTest, QueryCallbackRunsOnTheGuiThread)
{
    useBackend(std::make_shared<FakeBackend>(5));
    QWidget parent;
    manager->queryData(query(&parent), false);
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(waitUntil([&] { return calls == 1; }));
    EXPECT_TRUE(onGui);
    EXPECT_TRUE(lastOk);
    EXPECT_EQ(lastCount, 1);
}

TEST_F(DataManagerTest, FailureGivesTheServiceText)
{
    useBackend(std::make_shared<FakeBackend>(5, "没有权限"));
    manager->queryData(query(nullptr), false);
    ASSERT_TRUE(waitUntil([&] { return calls == 1; }));
    EXPECT_FALSE(lastOk);
    EXPECT_EQ(lastMsg, QString("没有权限"));
}

TEST_F(DataManagerTest, CallbackIsDroppedWhenTheParentIsGone)
{
    auto backend = std::make_shared<FakeBackend>(40);
    useBackend(backend);
    auto* parent = new QWidget;
    manager->queryData(query(parent), false);
    delete parent;
    ASSERT_TRUE(waitUntil([&] { return backend->answered.load() == 1 && center->pendingRequests() == 0; }));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}

TEST_F(DataManagerTest, OperateReportsSuccessAndFailureOnTheGuiThread)
{
    for (const std::string& failText : {std::string(), std::string("登出失败")}) {
        useBackend(std::make_shared<FakeBackend>(5, failText));
        QWidget parent;
        auto req = boost::make_shared<Ocv::COperateReq>();
        req->dataType = 626;
        req->operation = ttservice::QDO_DELETE;
        req->parent = &parent;
        int opCalls = 0;
        bool ok = false;
        QString msg;
        req->callback = [&](const boost::shared_ptr<Ocv::COperateReq>&, bool success, const QString& text) {
            ++opCalls;
            onGui = QThread::currentThread() == qApp->thread();
            ok = success;
            msg = text;
        };
        manager->operateData(req);
        ASSERT_TRUE(waitUntil([&] { return opCalls == 1; }));
        EXPECT_TRUE(onGui);
        EXPECT_EQ(ok, failText.empty());
        EXPECT_EQ(msg.toStdString(), failText);
    }
}

} // namespace
