#include "kx/KxLog.h"

#include <QString>

#include <log4cxx/logger.h>

namespace Kx {

void logWarning(const QString& text)
{
    static const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("kx");
    LOG4CXX_WARN(logger, text.toStdString());
}

} // namespace Kx
