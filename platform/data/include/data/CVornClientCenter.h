#pragma once

#include "data/DataCallbacks.h"
#include "data/DataGlobal.h"
#include "utils/CSingletonT.h"

#include <QString>

#include <boost/shared_ptr.hpp>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QWidget;

namespace ttservice {
class CVornQueryDataReq;
class COperateDataReq;
class CVornExchangeInfo;
} // namespace ttservice

namespace Ocv {

class CDelayWorker;
class CVornClient;

// All server connections of the client, the selected system and the client's kind.
class DATA_EXPORT CVornClientCenter
{
public:
    // Queries and operations share one count, so the two lists can be merged back in sending order.
    struct SentRequest
    {
        std::string server;
        int dataType;
        std::string param;
        std::string param2;
        long long order = 0;
    };
    struct SentOperation
    {
        std::string server;
        int dataType;
        int operation;
        boost::shared_ptr<ttservice::IData> data;
        long long order = 0;
        std::string key; // the request's key, empty when it has none
    };
    struct ServerMessage
    {
        int type;
        bool ok;
        QString title;
        QString text;
        // The call's two trailing flags, passed on as given.
        bool b1;
        bool b2;
    };

    CVornClientCenter();
    ~CVornClientCenter();
    CVornClientCenter(const CVornClientCenter&) = delete;
    CVornClientCenter& operator=(const CVornClientCenter&) = delete;

    // Routed to the client whose systemTag equals req->systemTag when that is nonzero, else to
    // the client of getSystemName(), else to the first client. Without any client a failed
    // answer still comes on a worker thread.
    void queryData_async(const boost::shared_ptr<ttservice::CVornQueryDataReq>& req,
                         const QueryCallback& callback, int tag);
    // Routed like a query, by the record's system tag.
    void operateData_async(const boost::shared_ptr<ttservice::COperateDataReq>& req,
                           const OperateCallback& callback, int tag);

    std::map<std::string, boost::shared_ptr<CVornClient>> getAllClients() const;
    boost::shared_ptr<CVornClient> getClientByName(const std::string& name) const;
    bool isMultiServers() const;
    std::string getServerNameBySystemTag(int systemTag) const;
    std::string getSystemName() const;
    // Selects the system; the listeners hear of a change on the calling thread.
    void setSystemName(const std::string& name);
    // `listener` is called with the new name whenever the selected system changes, until
    // removeSystemListener is called with the returned id.
    int addSystemListener(std::function<void(const std::string&)> listener);
    void removeSystemListener(int id);
    bool isAlgorithmBusClient() const;
    bool hasClientLoginTypeAuth(int loginType) const;
    bool isBjBelongStock() const;
    void updateExchangeInfo(const std::string& marketName,
                            const boost::shared_ptr<ttservice::CVornExchangeInfo>& info);
    boost::shared_ptr<ttservice::CVornExchangeInfo> exchangeInfo(const std::string& marketName) const;
    void showServerMsgCallBack(int msgType, bool ok, QWidget* parent, const QString& title,
                               const QString& text, bool b1, bool b2);

    // Stand-in controls.
    void setClients(const std::map<std::string, boost::shared_ptr<CVornClient>>& clients);
    void setAlgorithmBusClient(bool on);
    void setLoginTypeAuth(bool on);
    void setBjBelongStock(bool on);
    int pendingRequests() const;
    std::vector<SentRequest> sentRequests() const;
    void clearSentRequests();
    std::vector<SentOperation> sentOperations() const;
    void clearSentOperations();
    std::vector<ServerMessage> serverMessages() const;
    void clearServerMessages();
    void setServerMessageHandler(std::function<void(const ServerMessage&)> handler);
    // Stops every worker; used at exit.
    void shutdown();

    // Called by the clients for every request they send.
    void noteSentRequest(const std::string& server, int dataType, const std::string& param,
                         const std::string& param2);
    void noteSentOperation(const std::string& server, const ttservice::COperateDataReq& req);

private:
    boost::shared_ptr<CVornClient> route(int systemTag) const;
    CDelayWorker* fallbackWorker();

    mutable std::mutex m_mutex;
    std::map<std::string, boost::shared_ptr<CVornClient>> m_clients;
    std::string m_systemName;
    std::map<int, std::function<void(const std::string&)>> m_systemListeners;
    int m_lastListenerId = 0;
    bool m_algorithmBus = false;
    bool m_loginTypeAuth = true;
    bool m_bjBelongStock = false;
    std::map<std::string, boost::shared_ptr<ttservice::CVornExchangeInfo>> m_exchanges;
    std::vector<SentRequest> m_sent;
    std::vector<SentOperation> m_sentOperations;
    long long m_sentCount = 0;
    std::vector<ServerMessage> m_messages;
    std::function<void(const ServerMessage&)> m_messageHandler;
    std::unique_ptr<CDelayWorker> m_fallback;
    bool m_shutDown = false;
};

// Whether the Beijing exchange counts as a stock market for this client.
DATA_EXPORT bool isBjBelongStock();

} // namespace Ocv

UTILS_DECLARE_SINGLETON(DATA_EXPORT, Ocv::CVornClientCenter)
