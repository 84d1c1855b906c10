#include "FakeBackend.h"

#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// What a data-manager callback saw; GUI thread only.
struct Result
{
    void take(bool success, const QString& text, int count = 0)
    {
        ++calls;
        onGui = QThread::currentThread() == qApp->thread();
        ok = success;
        msg = text.toStdString();
        records = count;
    }

    int calls = 0;
    bool onGui = false;
    bool ok = false;
    std::string msg;
    int records = -1;
};

class DataManagerTest : public ::testing::Test
{
protected:
    void TearDown() override { center->setClients({}); }

    std::shared_ptr<FakeBackend> useBackend(int latency, const std::string& failText = std::string())
    {
        auto backend = std::make_shared<FakeBackend>(latency, failText);
        center->setClients({{"s1", boost::make_shared<Ocv::CVornClient>("s1", 1, backend)}});
        return backend;
    }

    void query(QWidget* parent, Result& result)
    {
        auto req = boost::make_shared<Ocv::CQueryReq>();
        req->dataType = 12235;
        req->parent = parent;
        req->callback = [&result](const boost::shared_ptr<Ocv::CQueryReq>&, bool ok, const QString& msg,
                                  const std::vector<ttservice::IDataPtr>& records,
                                  int) { result.take(ok, msg, static_cast<int>(records.size())); };
        manager->queryData(req, false);
    }

    void operate(QWidget* parent, Result& result)
    {
        auto req = boost::make_shared<Ocv::COperateReq>();
        req->dataType = 626;
        req->operation = ttservice::QDO_DELETE;
        req->key = "rat|2";
        req->parent = parent;
        req->callback = [&result](const boost::shared_ptr<Ocv::COperateReq>&, bool ok, const QString& msg) {
            result.take(ok, msg);
        };
        manager->operateData(req);
    }

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    Ocv::CVornDataManager* manager = utils::CSingletonT<Ocv::CVornDataManager>::instance();
};

TEST_F(DataManagerTest, AnswersArriveOnTheGuiThreadUnlessTheParentIsGone)
{
    for (const std::string failText : {"", "没有权限"}) {
        SCOPED_TRACE(failText);
        useBackend(5, failText);
        QWidget parent;
        Result queried;
        Result operated;
        query(&parent, queried);
        operate(&parent, operated);
        EXPECT_EQ(queried.calls, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return queried.calls == 1 && operated.calls == 1; }));
        for (const Result* r : {&queried, &operated}) {
            EXPECT_TRUE(r->onGui);
            EXPECT_EQ(r->ok, failText.empty());
            EXPECT_EQ(r->msg, failText);
        }
        EXPECT_EQ(queried.records, failText.empty() ? 1 : 0);
        EXPECT_EQ(center->sentOperations().back().key, "rat|2");
    }
    // The callback is dropped when the parent is gone.
    auto backend = useBackend(40);
    auto* parent = new QWidget;
    Result orphan;
    query(parent, orphan);
    delete parent;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return backend->answered.load() == 1 && center->pendingRequests() == 0; }));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(orphan.calls, 0);
}

} // namespace
