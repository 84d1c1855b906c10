#pragma once

#include "data/DataCallbacks.h"
#include "data/DataGlobal.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>

namespace ttservice {
class CVornQueryDataReq;
class COperateDataReq;
} // namespace ttservice

namespace Ocv {

class CDelayWorker;
class CVornTimeServer;
class IServerBackend;

// The connection to one server. Every answer is computed and delivered on the client's own
// worker thread after the backend's latency, never inside the sending call.
class DATA_EXPORT CVornClient
{
public:
    CVornClient(const std::string& name, int systemTag, std::shared_ptr<IServerBackend> backend);
    ~CVornClient();
    CVornClient(const CVornClient&) = delete;
    CVornClient& operator=(const CVornClient&) = delete;

    std::string name() const;
    int systemTag() const;

    // The int is handed back unchanged as the callback's third argument.
    void queryData_async(const boost::shared_ptr<ttservice::CVornQueryDataReq>& req,
                         const QueryCallback& callback, int tag);
    void operateData_async(const boost::shared_ptr<ttservice::COperateDataReq>& req,
                           const OperateCallback& callback, int tag);
    // Null when the server has no time service.
    boost::shared_ptr<CVornTimeServer> getTimeServer() const;

    // Requests sent and not yet answered (the one being answered counts).
    int pendingRequests() const;
    // Stops the worker; answers not yet delivered are dropped and their callbacks never run.
    void shutdown();

private:
    std::string m_name;
    int m_systemTag;
    std::shared_ptr<IServerBackend> m_backend;
    boost::shared_ptr<CVornTimeServer> m_timeServer;
    std::unique_ptr<CDelayWorker> m_worker;
};

} // namespace Ocv
