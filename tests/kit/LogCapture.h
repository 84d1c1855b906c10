#pragma once

#include <QString>

#include <log4cxx/logger.h>

#include <memory>
#include <vector>

namespace kit {

class CaptureAppender;

// Collects what is written to one log4cxx logger while it lives. Thread-safe: workers log too.
class LogCapture
{
public:
    struct Line
    {
        int level; // log4cxx::Level::*_INT
        QString message;
        QString function; // the location's method name
        int lineNumber;
    };

    explicit LogCapture(const char* loggerName);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<Line> lines() const;
    std::vector<QString> messages(int level) const;

private:
    log4cxx::LoggerPtr m_logger;
    std::shared_ptr<CaptureAppender> m_appender;
};

} // namespace kit
