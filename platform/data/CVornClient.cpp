#include "data/CVornClient.h"

#include "data/CDelayWorker.h"
#include "data/CVornClientCenter.h"
#include "data/CVornTimeServer.h"
#include "data/IServerBackend.h"
#include "data/ttservice/CVornQueryDataReq.h"

#include <boost/make_shared.hpp>

#include <exception>

namespace Ocv {

namespace {
// Asks the backend, turning a missing request or backend, or a throw, into a failed error.
// False when the backend did not answer to the end.
template <class Ask>
bool askBackend(bool valid, const IServerBackend* backend, utils::TTError& error, Ask ask)
{
    if (!valid) {
        error = utils::TTError(-1, "empty request");
        return false;
    }
    if (!backend) {
        error = utils::TTError(-1, "server not connected");
        return false;
    }
    try {
        ask();
        return true;
    } catch (const std::exception& e) {
        error = utils::TTError(-1, e.what());
        return false;
    }
}
} // namespace

CVornClient::CVornClient(const std::string& name, int systemTag, std::shared_ptr<IServerBackend> backend)
    : m_name(name), m_systemTag(systemTag), m_backend(std::move(backend)), m_worker(new CDelayWorker)
{
    if (m_backend && m_backend->hasTimeService())
        m_timeServer = boost::make_shared<CVornTimeServer>(m_backend);
}

CVornClient::~CVornClient()
{
    shutdown();
}

std::string CVornClient::name() const
{
    return m_name;
}

int CVornClient::systemTag() const
{
    return m_systemTag;
}

void CVornClient::queryData_async(const boost::shared_ptr<ttservice::CVornQueryDataReq>& req,
                                  const QueryCallback& callback, int tag)
{
    // The request is copied: the sender may reuse its object before the answer comes.
    auto copy = std::make_shared<ttservice::CVornQueryDataReq>(req ? *req : ttservice::CVornQueryDataReq());
    const bool valid = static_cast<bool>(req);
    utils::CSingletonT<CVornClientCenter>::instance()->noteSentRequest(m_name, copy->dataType, copy->param,
                                                                       copy->param2);
    std::shared_ptr<IServerBackend> backend = m_backend;
    const int systemTag = m_systemTag;
    m_worker->post(backend ? backend->latencyMs() : 0, [backend, copy, valid, callback, tag, systemTag] {
        utils::TTError error;
        std::vector<ttservice::IDataPtr> records;
        bson::BSONObj meta;
        if (!askBackend(valid, backend.get(), error, [&] { backend->answer(*copy, error, records, meta); }))
            records.clear();
        for (const ttservice::IDataPtr& record : records) {
            if (record && record->getSystemTag() == 0)
                record->setSystemTag(systemTag);
        }
        if (callback)
            callback(error, records, tag, meta);
    });
}

void CVornClient::operateData_async(const boost::shared_ptr<ttservice::COperateDataReq>& req,
                                    const OperateCallback& callback, int /*tag*/)
{
    auto copy = std::make_shared<ttservice::COperateDataReq>(req ? *req : ttservice::COperateDataReq());
    const bool valid = static_cast<bool>(req);
    utils::CSingletonT<CVornClientCenter>::instance()->noteSentOperation(m_name, *copy);
    std::shared_ptr<IServerBackend> backend = m_backend;
    m_worker->post(backend ? backend->latencyMs() : 0, [backend, copy, valid, callback] {
        utils::TTError error;
        bson::BSONObj meta;
        askBackend(valid, backend.get(), error, [&] { backend->operate(*copy, error, meta); });
        if (callback)
            callback(error, meta);
    });
}

boost::shared_ptr<CVornTimeServer> CVornClient::getTimeServer() const
{
    return m_timeServer;
}

int CVornClient::pendingRequests() const
{
    return m_worker->pending();
}

void CVornClient::shutdown()
{
    m_worker->shutdown();
}

} // namespace Ocv
