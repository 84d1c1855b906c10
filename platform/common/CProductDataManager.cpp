#include "common/CProductDataManager.h"

#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"

#include <boost/make_shared.hpp>

#include <utility>
#include <vector>

UTILS_DEFINE_SINGLETON(COMMON_EXPORT, Ocv::CProductDataManager)

namespace Ocv {

namespace {
constexpr int kProductCode = 12224;
} // namespace

// One requestData call: its callback, and how many of the servers it asked have yet to answer
// (guarded by the manager's mutex).
struct CProductDataManager::Round
{
    boost::function<void(int)> callback;
    int dataType = 0;
    unsigned long long number = 0;
    std::size_t waiting = 0;
};

CProductDataManager::CProductDataManager() = default;

CProductDataManager::~CProductDataManager() = default;

void CProductDataManager::requestData(RequestReq req)
{
    if (req.dataType != kProductCode) {
        if (req.callback)
            req.callback(req.dataType);
        return;
    }
    CVornClientCenter* center = utils::CSingletonT<CVornClientCenter>::instance();
    const auto clients = center->getAllClients();
    std::vector<boost::shared_ptr<CVornClient>> asked;
    for (const auto& client : clients) {
        if (client.second && (req.systemId == -1 || client.second->systemTag() == req.systemId))
            asked.push_back(client.second);
    }

    auto round = std::make_shared<Round>();
    round->callback = std::move(req.callback);
    round->dataType = req.dataType;
    round->waiting = asked.size();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        bool held = !req.refresh;
        for (const auto& client : asked)
            held = held && m_products.contains(QString::fromStdString(client->name()));
        if (held)
            round->waiting = 0;
        if (!held) {
            round->number = ++m_lastRound;
            for (const auto& client : asked)
                m_askedBy[client->name()] = round->number;
        }
        if (!held && req.systemId == -1) {
            for (auto it = m_products.begin(); it != m_products.end();) {
                if (clients.count(it.key().toStdString()) == 0)
                    it = m_products.erase(it);
                else
                    ++it;
            }
        }
    }
    if (round->waiting == 0) {
        if (round->callback)
            round->callback(round->dataType);
        return;
    }

    for (const auto& client : asked) {
        auto query = boost::make_shared<ttservice::CVornQueryDataReq>();
        query->dataType = kProductCode;
        query->param = req.param.empty() ? "all" : req.param;
        query->param2 = req.param2;
        query->systemTag = client->systemTag();
        const std::string server = client->name();
        const int systemTag = client->systemTag();
        // The manager is a singleton and never destroyed; the round lives as long as an answer
        // still holds it, and goes with the answers a shutdown drops.
        center->queryData_async(
            query,
            [this, round, server,
             systemTag](const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records, int,
                        const bson::BSONObj&) { onAnswer(round, server, systemTag, error, records); },
            0);
    }
}

void CProductDataManager::onAnswer(const std::shared_ptr<Round>& round, const std::string& server,
                                   int systemTag, const utils::TTError& error,
                                   const std::vector<ttservice::IDataPtr>& records)
{
    boost::shared_ptr<ttservice::CVornProductsResp> response;
    if (error.isSuccess()) {
        response = boost::make_shared<ttservice::CVornProductsResp>();
        response->setSystemTag(systemTag);
        response->products.reserve(records.size());
        for (const ttservice::IDataPtr& record : records) {
            if (!boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(record))
                continue;
            record->setSystemTag(systemTag);
            response->products.push_back(record);
        }
    }
    bool last = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_askedBy[server] == round->number) {
            const QString name = QString::fromStdString(server);
            if (response && !response->products.empty())
                m_products.insert(name, response);
            else
                m_products.remove(name);
        }
        last = --round->waiting == 0;
    }
    if (last && round->callback)
        round->callback(round->dataType);
}

QMap<QString, boost::shared_ptr<ttservice::CVornProductsResp>> CProductDataManager::getVornProductPtr() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_products;
}

} // namespace Ocv
