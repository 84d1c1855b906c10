#include "data/CLogCenter.h"

#include <log4cxx/consoleappender.h>
#include <log4cxx/patternlayout.h>

UTILS_DEFINE_SINGLETON(DATA_EXPORT, Ocv::CLogCenter)

namespace Ocv {

CLogCenter::CLogCenter() : m_enabled(true), m_logger(log4cxx::Logger::getLogger("client"))
{
    m_logger->setLevel(log4cxx::Level::getInfo());
    if (m_logger->getAllAppenders().empty() && log4cxx::Logger::getRootLogger()->getAllAppenders().empty()) {
        auto layout =
            std::make_shared<log4cxx::PatternLayout>(LOG4CXX_STR("%d{HH:mm:ss,SSS} %-5p %c - %m%n"));
        auto appender = std::make_shared<log4cxx::ConsoleAppender>(layout, LOG4CXX_STR("System.err"));
        if (qEnvironmentVariableIsEmpty("WELCOME_LOG"))
            appender->setThreshold(log4cxx::Level::getWarn());
        m_logger->addAppender(appender);
        m_logger->setAdditivity(false);
    }
}

CLogCenter::~CLogCenter() = default;

bool CLogCenter::isLogEnabled() const
{
    return m_enabled.load();
}

void CLogCenter::setLogEnabled(bool on)
{
    m_enabled.store(on);
}

log4cxx::LoggerPtr CLogCenter::logger() const
{
    return m_logger;
}

} // namespace Ocv
