#pragma once

#include "common/CommonGlobal.h"

#include <QString>

namespace Ocv {

// The short name the client shows for the NEEQ market and its accounts.
COMMON_EXPORT QString getNeeqString();

} // namespace Ocv
