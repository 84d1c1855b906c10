#pragma once

#include "WelcomeGlobal.h"

#include <log4cxx/spi/location/locationinfo.h>

#include <QString>

namespace Ocv {

// Writes "[object] [Namespace::Class::method] text" at INFO through the client's logger,
// only when the log centre has logging switched on.
WELCOME_EXPORT bool welcomeLogEnabled();
WELCOME_EXPORT void welcomeLog(const void* object, const char* prettyFunction, const QString& text,
                               const log4cxx::spi::LocationInfo& location);

// "void Ocv::CWelcomeWidget::refresh()" -> "Ocv::CWelcomeWidget::refresh"
WELCOME_EXPORT QString qualifiedMethodName(const char* prettyFunction);

} // namespace Ocv

#define WELCOME_LOG(text)                                                                                    \
    do {                                                                                                     \
        if (Ocv::welcomeLogEnabled())                                                                        \
            Ocv::welcomeLog(this, __PRETTY_FUNCTION__, (text), LOG4CXX_LOCATION);                            \
    } while (false)
