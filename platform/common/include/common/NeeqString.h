#pragma once

#include "common/CommonGlobal.h"

#include <QString>

namespace Ocv {

// The client's short display name of the national equities exchange, used inside labels.
COMMON_EXPORT QString getNeeqString();

} // namespace Ocv
