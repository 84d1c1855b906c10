#pragma once

#include "data/DataGlobal.h"

#include <QDateTime>

#include <memory>

namespace Ocv {

class IServerBackend;

// A server's clock.
class DATA_EXPORT CVornTimeServer
{
public:
    explicit CVornTimeServer(std::shared_ptr<IServerBackend> backend);
    ~CVornTimeServer();

    // Epoch seconds.
    qint64 getServerTime() const;
    QDateTime getServerDateTime() const;

private:
    std::shared_ptr<IServerBackend> m_backend;
};

} // namespace Ocv
