#include "data/CVornTimeServer.h"

#include "data/IServerBackend.h"

namespace Ocv {

CVornTimeServer::CVornTimeServer(std::shared_ptr<IServerBackend> backend) : m_backend(std::move(backend)) {}

CVornTimeServer::~CVornTimeServer() = default;

qint64 CVornTimeServer::getServerTime() const
{
    return m_backend ? m_backend->serverTime() : 0;
}

QDateTime CVornTimeServer::getServerDateTime() const
{
    return QDateTime::fromSecsSinceEpoch(getServerTime());
}

} // namespace Ocv
