#pragma once

#include "data/DataGlobal.h"
#include "utils/CSingletonT.h"

#include <log4cxx/logger.h>

#include <atomic>

namespace Ocv {

// The client's log switch and its standard logger "client" (level INFO).
//
// Unless log4cxx was configured elsewhere, "client" writes to stderr, showing INFO lines only
// when WELCOME_LOG is set in the environment and warnings always.
class DATA_EXPORT CLogCenter
{
public:
    CLogCenter();
    ~CLogCenter();

    bool isLogEnabled() const;
    void setLogEnabled(bool on);
    log4cxx::LoggerPtr logger() const;

private:
    std::atomic<bool> m_enabled;
    log4cxx::LoggerPtr m_logger;
};

} // namespace Ocv

UTILS_DECLARE_SINGLETON(DATA_EXPORT, Ocv::CLogCenter)
