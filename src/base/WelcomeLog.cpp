#include "base/WelcomeLog.h"

#include "data/CLogCenter.h"
#include "utils/CSingletonT.h"

#include <log4cxx/logger.h>

namespace Ocv {

bool welcomeLogEnabled()
{
    CLogCenter* center = utils::CSingletonT<CLogCenter>::instance();
    if (!center->isLogEnabled())
        return false;
    log4cxx::LoggerPtr logger = center->logger();
    return logger && logger->isInfoEnabled();
}

QString qualifiedMethodName(const char* prettyFunction)
{
    QString name = QString::fromLatin1(prettyFunction);
    const int paren = name.indexOf(QLatin1Char('('));
    if (paren >= 0)
        name.truncate(paren);
    const int space = name.lastIndexOf(QLatin1Char(' '));
    if (space >= 0)
        name = name.mid(space + 1);
    return name;
}

void welcomeLog(const void* object, const char* prettyFunction, const QString& text,
                const log4cxx::spi::LocationInfo& location)
{
    log4cxx::LoggerPtr logger = utils::CSingletonT<CLogCenter>::instance()->logger();
    if (!logger)
        return;
    const QString line =
        QStringLiteral("[%1] [%2] %3")
            .arg(QString::number(reinterpret_cast<quintptr>(object), 16).prepend(QLatin1String("0x")),
                 qualifiedMethodName(prettyFunction), text);
    logger->forcedLog(log4cxx::Level::getInfo(), line.toStdString(), location);
}

} // namespace Ocv
