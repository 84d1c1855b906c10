#include "common/CProductDataManager.h"

#include "AnswerWait.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/IServerBackend.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornUserInfo.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <sstream>

namespace {

// A server whose answer to 12224 a test scripts between requests: "1 2 u n" lists products 1 and 2
// (named after the query's param), a user record and a null record; "fail" fails. A request whose
// param is held waits in the answer until released.
class ProductBackend : public Ocv::IServerBackend
{
public:
    void script(const std::string& answer, int latencyMs = 1)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answer = answer;
        m_latency = latencyMs;
    }
    void hold(const std::string& param)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_held = param;
    }
    void release()
    {
        hold("");
        m_released.notify_all();
    }
    void answer(const ttservice::CVornQueryDataReq& req, utils::TTError& error,
                std::vector<ttservice::IDataPtr>& records, bson::BSONObj&) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_released.wait(lock, [&] { return m_held.empty() || m_held != req.param; });
        if (m_answer == "fail") {
            error = utils::TTError(3, "产品服务不可用");
            return;
        }
        std::istringstream words(m_answer);
        for (std::string word; words >> word;) {
            if (word == "u") {
                records.push_back(boost::make_shared<ttservice::CVornUserInfo>());
            } else if (word == "n") {
                records.push_back(nullptr);
            } else {
                auto product = boost::make_shared<ttservice::CVornProductInfo>();
                product->productId = std::stoi(word);
                product->productName = req.param;
                records.push_back(product);
            }
        }
    }
    void operate(const ttservice::COperateDataReq&, utils::TTError&, bson::BSONObj&) override {}
    int latencyMs() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_latency;
    }
    bool hasTimeService() const override { return false; }
    qint64 serverTime() const override { return 0; }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::string m_answer;
    std::string m_held;
    int m_latency = 1;
};

// The codes a request's callback was called with, from whatever thread.
struct Calls
{
    void add(int code)
    {
        std::lock_guard<std::mutex> lock(mutex);
        codes.push_back(code);
    }
    std::vector<int> taken()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return codes;
    }
    std::mutex mutex;
    std::vector<int> codes;
};

class ProductDataManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        center->setClients({{"alpha", alpha}, {"beta", beta}, {"gone", nullptr}});
        center->clearSentRequests();
    }
    void TearDown() override { center->setClients({}); }

    std::shared_ptr<Calls> send(int dataType = 12224, int systemId = -1, const std::string& param = "",
                                bool refresh = true)
    {
        auto calls = std::make_shared<Calls>();
        Ocv::RequestReq req;
        req.callback = [calls](int code) { calls->add(code); };
        req.dataType = dataType;
        req.systemId = systemId;
        req.param = param;
        req.refresh = refresh;
        manager->requestData(req);
        return calls;
    }
    // Sends and waits for every answer; the codes the callback got.
    std::vector<int> request(int dataType = 12224, int systemId = -1, const std::string& param = "",
                             bool refresh = true)
    {
        const auto calls = send(dataType, systemId, param, refresh);
        EXPECT_TRUE(kit::waitForAnswers());
        return calls->taken();
    }
    // "alpha:1@11,2@11 beta:7@22": each server's products with their system tags.
    std::string stored() const
    {
        std::string text;
        const auto products = manager->getVornProductPtr();
        for (auto it = products.begin(); it != products.end(); ++it) {
            text += (text.empty() ? "" : " ") + it.key().toStdString() + ":";
            for (std::size_t i = 0; i < it.value()->products.size(); ++i) {
                const auto& product = it.value()->products[i];
                text += (i ? "," : "") + product->getKey() + "@" + std::to_string(product->getSystemTag());
            }
        }
        return text;
    }
    // "alpha:all beta:all": the queries sent since the last call.
    std::string sent()
    {
        std::string text;
        for (const auto& request : center->sentRequests())
            text += (text.empty() ? "" : " ") + request.server + ":" + request.param;
        center->clearSentRequests();
        return text;
    }

    Ocv::CVornClientCenter* center = utils::CSingletonT<Ocv::CVornClientCenter>::instance();
    Ocv::CProductDataManager* manager = utils::CSingletonT<Ocv::CProductDataManager>::instance();
    std::shared_ptr<ProductBackend> alphaServer = std::make_shared<ProductBackend>();
    std::shared_ptr<ProductBackend> betaServer = std::make_shared<ProductBackend>();
    boost::shared_ptr<Ocv::CVornClient> alpha =
        boost::make_shared<Ocv::CVornClient>("alpha", 11, alphaServer);
    boost::shared_ptr<Ocv::CVornClient> beta = boost::make_shared<Ocv::CVornClient>("beta", 22, betaServer);
};

// Each case starts from "alpha:1@11,2@11 beta:7@22"; the callback comes once, with the code asked for.
TEST_F(ProductDataManagerTest, EachServersAnswerReplacesItsOwnEntryAndTheCallbackComesOnce)
{
    const char* const primed = "alpha:1@11,2@11 beta:7@22";
    const char* const both = "alpha:all beta:all";
    const struct
    {
        const char* alphaAnswer;
        const char* betaAnswer;
        int dataType;
        int systemId;
        const char* param;
        bool refresh;
        const char* sent;
        const char* stored;
    } cases[] = {
        {"3 4", "8", 12224, -1, "", true, both, "alpha:3@11,4@11 beta:8@22"},
        {"3", "fail", 12224, -1, "", true, both, "alpha:3@11"},
        {"fail", "fail", 12224, -1, "", true, both, ""},
        {"u 3 n 4", "8", 12224, -1, "", true, both, "alpha:3@11,4@11 beta:8@22"}, // wrong class, null
        {"", "8", 12224, -1, "", true, both, "beta:8@22"},
        {"3", "8", 12203, -1, "", true, "", primed},
        {"3", "9", 12224, 22, "x", true, "beta:x", "alpha:1@11,2@11 beta:9@22"},
        {"3", "9", 12224, 99, "", true, "", primed},  // no such system
        {"3", "9", 12224, -1, "", false, "", primed}, // answered from what is held
        {"3", "9", 12224, 11, "", false, "", primed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.alphaAnswer) + "/" + c.betaAnswer + " " + std::to_string(c.systemId));
        alphaServer->script("1 2");
        betaServer->script("7");
        ASSERT_EQ(request(), std::vector<int>{12224});
        ASSERT_EQ(stored(), primed);
        sent();
        alphaServer->script(c.alphaAnswer);
        betaServer->script(c.betaAnswer);
        EXPECT_EQ(request(c.dataType, c.systemId, c.param, c.refresh), std::vector<int>{c.dataType});
        EXPECT_EQ(sent(), c.sent);
        EXPECT_EQ(stored(), c.stored);
    }
    // Not everything held: asked afresh.
    betaServer->script("fail");
    request();
    alphaServer->script("5");
    betaServer->script("6");
    EXPECT_EQ(request(12224, -1, "", false), std::vector<int>{12224});
    EXPECT_EQ(stored(), "alpha:5@11 beta:6@22");
}

// The older request's answer is held until the newer one is sent; its latency lets the worker
// answer the newer one first. Either way the newer answer stays and each request calls back once.
TEST_F(ProductDataManagerTest, AnOlderAnswerNeverOverwritesANewerOne)
{
    alphaServer->hold("older");
    alphaServer->script("1", 200);
    betaServer->script("7");
    const auto older = send(12224, -1, "older");
    alphaServer->script("1");
    const auto newer = send(12224, 11, "newer");
    alphaServer->release();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(stored(), "alpha:1@11 beta:7@22");
    const auto products = manager->getVornProductPtr();
    const auto name = [&](const char* server) {
        return boost::static_pointer_cast<ttservice::CVornProductInfo>(products[server]->products.at(0))
            ->productName;
    };
    EXPECT_EQ(name("alpha") + " " + name("beta"), "newer older");
    EXPECT_EQ(older->taken(), std::vector<int>{12224});
    EXPECT_EQ(newer->taken(), std::vector<int>{12224});
}

// Servers shut down with requests in flight drop them without a callback; a later request that
// asks every server forgets the servers that are gone.
TEST_F(ProductDataManagerTest, ShutDownServersDropTheirAnswersAndGoneServersAreForgotten)
{
    alphaServer->script("1");
    betaServer->script("7");
    request();
    alphaServer->script("3", 60000); // still queued when its server shuts down
    const auto dropped = send();
    auto backend = std::make_shared<ProductBackend>();
    backend->script("9");
    center->setClients({{"beta", boost::make_shared<Ocv::CVornClient>("beta", 22, backend)}});
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(dropped->taken().empty());
    EXPECT_EQ(stored(), "alpha:1@11 beta:7@22") << "nothing of the dropped request";

    EXPECT_EQ(request(12224, 22), std::vector<int>{12224});
    EXPECT_EQ(stored(), "alpha:1@11 beta:9@22") << "asking one server forgets nothing";
    EXPECT_EQ(request(), std::vector<int>{12224});
    EXPECT_EQ(stored(), "beta:9@22");
}

} // namespace
