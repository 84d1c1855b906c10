#include "LogCapture.h"

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/spi/loggingevent.h>

#include <mutex>

// The log4cxx object macros name their types relative to namespace log4cxx.
using namespace log4cxx;

namespace kit {

class CaptureAppender : public AppenderSkeleton
{
public:
    DECLARE_LOG4CXX_OBJECT(CaptureAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(CaptureAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(AppenderSkeleton)
    END_LOG4CXX_CAST_MAP()

    void append(const spi::LoggingEventPtr& event, helpers::Pool&) override
    {
        const spi::LocationInfo& location = event->getLocationInformation();
        std::lock_guard<std::mutex> lock(mutex);
        lines.push_back(
            LogCapture::Line{event->getLevel()->toInt(), QString::fromStdString(event->getRenderedMessage()),
                             QString::fromStdString(location.getMethodName()), location.getLineNumber()});
    }
    void close() override {}
    bool requiresLayout() const override { return false; }

    mutable std::mutex mutex;
    std::vector<LogCapture::Line> lines;
};

IMPLEMENT_LOG4CXX_OBJECT(CaptureAppender)

LogCapture::LogCapture(const char* loggerName)
    : m_logger(::log4cxx::Logger::getLogger(loggerName)), m_appender(std::make_shared<CaptureAppender>())
{
    m_logger->addAppender(m_appender);
}

LogCapture::~LogCapture()
{
    m_logger->removeAppender(m_appender);
}

std::vector<LogCapture::Line> LogCapture::lines() const
{
    std::lock_guard<std::mutex> lock(m_appender->mutex);
    return m_appender->lines;
}

std::vector<QString> LogCapture::messages(int level) const
{
    std::vector<QString> result;
    for (const Line& line : lines()) {
        if (line.level == level)
            result.push_back(line.message);
    }
    return result;
}

} // namespace kit
