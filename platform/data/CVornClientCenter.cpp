#include "data/CVornClientCenter.h"

#include "data/CDelayWorker.h"
#include "data/CVornClient.h"
#include "data/MetaTypes.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornQueryDataReq.h"

UTILS_DEFINE_SINGLETON(DATA_EXPORT, Ocv::CVornClientCenter)

namespace Ocv {

CVornClientCenter::CVornClientCenter()
{
    registerDataMetaTypes();
}

CVornClientCenter::~CVornClientCenter()
{
    shutdown();
}

void CVornClientCenter::queryData_async(const boost::shared_ptr<ttservice::CVornQueryDataReq>& req,
                                        const QueryCallback& callback, int tag)
{
    boost::shared_ptr<CVornClient> client = route(req ? req->systemTag : 0);
    if (client) {
        client->queryData_async(req, callback, tag);
        return;
    }
    noteSentRequest(std::string(), req ? req->dataType : 0, req ? req->param : std::string(),
                    req ? req->param2 : std::string());
    std::lock_guard<std::mutex> lock(m_mutex);
    if (CDelayWorker* worker = fallbackWorker()) {
        worker->post(0, [callback, tag] {
            if (callback)
                callback(utils::TTError(-1, "no server connected"), std::vector<ttservice::IDataPtr>(), tag,
                         bson::BSONObj());
        });
    }
}

void CVornClientCenter::operateData_async(const boost::shared_ptr<ttservice::COperateDataReq>& req,
                                          const OperateCallback& callback, int tag)
{
    boost::shared_ptr<CVornClient> client = route(req && req->data ? req->data->getSystemTag() : 0);
    if (client) {
        client->operateData_async(req, callback, tag);
        return;
    }
    if (req)
        noteSentOperation(std::string(), *req);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (CDelayWorker* worker = fallbackWorker()) {
        worker->post(0, [callback] {
            if (callback)
                callback(utils::TTError(-1, "no server connected"), bson::BSONObj());
        });
    }
}

boost::shared_ptr<CVornClient> CVornClientCenter::route(int systemTag) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (systemTag != 0) {
        for (const auto& item : m_clients) {
            if (item.second && item.second->systemTag() == systemTag)
                return item.second;
        }
    }
    auto named = m_clients.find(m_systemName);
    if (named != m_clients.end() && named->second)
        return named->second;
    for (const auto& item : m_clients) {
        if (item.second)
            return item.second;
    }
    return boost::shared_ptr<CVornClient>();
}

CDelayWorker* CVornClientCenter::fallbackWorker()
{
    if (m_shutDown)
        return nullptr;
    if (!m_fallback)
        m_fallback.reset(new CDelayWorker);
    return m_fallback.get();
}

std::map<std::string, boost::shared_ptr<CVornClient>> CVornClientCenter::getAllClients() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_clients;
}

boost::shared_ptr<CVornClient> CVornClientCenter::getClientByName(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_clients.find(name);
    return it == m_clients.end() ? boost::shared_ptr<CVornClient>() : it->second;
}

bool CVornClientCenter::isMultiServers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = 0;
    for (const auto& item : m_clients) {
        if (item.second)
            ++count;
    }
    return count > 1;
}

std::string CVornClientCenter::getServerNameBySystemTag(int systemTag) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& item : m_clients) {
        if (item.second && item.second->systemTag() == systemTag)
            return item.first;
    }
    return std::string();
}

std::string CVornClientCenter::getSystemName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_systemName;
}

void CVornClientCenter::setSystemName(const std::string& name)
{
    std::vector<std::function<void(const std::string&)>> listeners;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_systemName == name)
            return;
        m_systemName = name;
        for (const auto& listener : m_systemListeners)
            listeners.push_back(listener.second);
    }
    // Called unlocked: a listener may query, which routes through the selection.
    for (const auto& listener : listeners)
        listener(name);
}

int CVornClientCenter::addSystemListener(std::function<void(const std::string&)> listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_systemListeners[++m_lastListenerId] = std::move(listener);
    return m_lastListenerId;
}

void CVornClientCenter::removeSystemListener(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_systemListeners.erase(id);
}

bool CVornClientCenter::isAlgorithmBusClient() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_algorithmBus;
}

bool CVornClientCenter::hasClientLoginTypeAuth(int /*loginType*/) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loginTypeAuth;
}

bool CVornClientCenter::isBjBelongStock() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bjBelongStock;
}

void CVornClientCenter::updateExchangeInfo(const std::string& marketName,
                                           const boost::shared_ptr<ttservice::CVornExchangeInfo>& info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exchanges[marketName] = info;
}

boost::shared_ptr<ttservice::CVornExchangeInfo>
CVornClientCenter::exchangeInfo(const std::string& marketName) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_exchanges.find(marketName);
    return it == m_exchanges.end() ? boost::shared_ptr<ttservice::CVornExchangeInfo>() : it->second;
}

void CVornClientCenter::showServerMsgCallBack(int msgType, bool ok, QWidget* /*parent*/, const QString& title,
                                              const QString& text, bool b1, bool b2)
{
    ServerMessage message{msgType, ok, title, text, b1, b2};
    std::function<void(const ServerMessage&)> handler;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_messages.push_back(message);
        handler = m_messageHandler;
    }
    if (handler)
        handler(message);
}

void CVornClientCenter::setClients(const std::map<std::string, boost::shared_ptr<CVornClient>>& clients)
{
    std::map<std::string, boost::shared_ptr<CVornClient>> old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        old.swap(m_clients);
        m_clients = clients;
        m_exchanges.clear();
        m_shutDown = false;
    }
    // Outside the lock: a callback being delivered may still ask the centre something.
    for (const auto& item : old) {
        bool kept = false;
        for (const auto& fresh : clients)
            kept = kept || (item.second && fresh.second == item.second);
        if (item.second && !kept)
            item.second->shutdown();
    }
}

void CVornClientCenter::setAlgorithmBusClient(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_algorithmBus = on;
}

void CVornClientCenter::setLoginTypeAuth(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_loginTypeAuth = on;
}

void CVornClientCenter::setBjBelongStock(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bjBelongStock = on;
}

int CVornClientCenter::pendingRequests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = m_fallback ? m_fallback->pending() : 0;
    for (const auto& item : m_clients) {
        if (item.second)
            count += item.second->pendingRequests();
    }
    return count;
}

std::vector<CVornClientCenter::SentRequest> CVornClientCenter::sentRequests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sent;
}

void CVornClientCenter::clearSentRequests()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sent.clear();
}

std::vector<CVornClientCenter::SentOperation> CVornClientCenter::sentOperations() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sentOperations;
}

void CVornClientCenter::clearSentOperations()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sentOperations.clear();
}

std::vector<CVornClientCenter::ServerMessage> CVornClientCenter::serverMessages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

void CVornClientCenter::clearServerMessages()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.clear();
}

void CVornClientCenter::setServerMessageHandler(std::function<void(const ServerMessage&)> handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messageHandler = std::move(handler);
}

void CVornClientCenter::shutdown()
{
    std::map<std::string, boost::shared_ptr<CVornClient>> clients;
    std::unique_ptr<CDelayWorker> fallback;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        clients = m_clients;
        fallback = std::move(m_fallback);
        m_shutDown = true;
    }
    for (const auto& item : clients) {
        if (item.second)
            item.second->shutdown();
    }
    fallback.reset();
}

void CVornClientCenter::noteSentRequest(const std::string& server, int dataType, const std::string& param,
                                        const std::string& param2)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sent.push_back(SentRequest{server, dataType, param, param2, ++m_sentCount});
}

void CVornClientCenter::noteSentOperation(const std::string& server, const ttservice::COperateDataReq& req)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sentOperations.push_back(SentOperation{server, req.dataType, req.operation, req.data, ++m_sentCount, req.key});
}

bool isBjBelongStock()
{
    return utils::CSingletonT<CVornClientCenter>::instance()->isBjBelongStock();
}

} // namespace Ocv
