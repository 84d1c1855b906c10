#include "base/NumberedQuery.h"

#include "base/CAnswerGuard.h"
#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/DataCallbacks.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "utils/CSingletonT.h"

#include <boost/make_shared.hpp>

namespace Ocv {

bool sendNumberedQuery(const std::string& serverName, int dataType, quint64 number, const CAnswerGuard& guard,
                       NumberedAnswer onAnswer)
{
    const auto clients = utils::CSingletonT<CVornClientCenter>::instance()->getAllClients();
    const auto client = clients.find(serverName);
    if (client == clients.end() || !client->second)
        return false;
    auto request = boost::make_shared<ttservice::CVornQueryDataReq>();
    request->dataType = dataType;
    const QueryCallback handler =
        [number, onAnswer = std::move(onAnswer)](const utils::TTError& error,
                                                 const std::vector<ttservice::IDataPtr>& records, int,
                                                 const bson::BSONObj&) { onAnswer(number, error, records); };
    client->second->queryData_async(request, guard.wrap(handler), 0);
    return true;
}

} // namespace Ocv
