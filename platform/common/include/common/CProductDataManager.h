#pragma once

#include "common/CommonGlobal.h"
#include "data/TTError.h"
#include "data/ttservice/CVornProductsResp.h"
#include "utils/CSingletonT.h"

#include <QMap>
#include <QString>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace Ocv {

// A request to the product data manager. callback is called with dataType once every server
// has answered (on the data-service thread of the last answer); systemId -1 asks every server,
// another value only the server with that system tag. param and param2 go into the queries
// (empty: "all"); refresh false lets the manager answer from what it already holds; moduleKey
// names the asker in the log. timeoutMs and reserved are kept for the callers that set them.
struct COMMON_EXPORT RequestReq
{
    boost::function<void(int)> callback;
    int dataType = 0;
    int systemId = -1;
    std::string param;
    std::string param2;
    bool refresh = true;
    std::string moduleKey;
    int timeoutMs = 0;
    int reserved = 0;
};

// The client's shared store of products (data code 12224), one response per server, keyed by the
// server's name. Used through utils::CSingletonT<CProductDataManager>::instance(). Thread-safe:
// requestData may be called from any thread, getVornProductPtr returns a copy of the map taken
// under the manager's lock. A server that fails or answers nothing keeps no entry; an answer of a
// server that a later request asked again is dropped, so an older request never overwrites what
// a newer one stored (its callback still comes, once all its servers have answered). A request
// that asks every server also forgets the servers the client centre no longer has. With no
// server to ask the callback comes at once. Answers lost when the client centre shuts its
// servers down never call back.
class COMMON_EXPORT CProductDataManager
{
public:
    CProductDataManager();
    ~CProductDataManager();

    // Queries the products and calls req.callback(req.dataType) when every server asked has
    // answered. Only data code 12224 is served; another code is answered at once with that code
    // and changes nothing.
    void requestData(RequestReq req);
    QMap<QString, boost::shared_ptr<ttservice::CVornProductsResp>> getVornProductPtr() const;

private:
    struct Round;
    void onAnswer(const std::shared_ptr<Round>& round, const std::string& server, int systemTag,
                  const utils::TTError& error, const std::vector<ttservice::IDataPtr>& records);

    mutable std::mutex m_mutex;
    QMap<QString, boost::shared_ptr<ttservice::CVornProductsResp>> m_products;
    unsigned long long m_lastRound = 0;
    // By server name: the latest request that asked it, whose answer alone may be stored.
    std::map<std::string, unsigned long long> m_askedBy;
};

} // namespace Ocv

UTILS_DECLARE_SINGLETON(COMMON_EXPORT, Ocv::CProductDataManager)
