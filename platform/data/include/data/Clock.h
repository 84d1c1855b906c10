#pragma once

#include "data/DataGlobal.h"

#include <QDateTime>

namespace utils {

// The client's notion of "now": the real local time unless a fixed time was set.
DATA_EXPORT QDateTime currentDateTime();
// An invalid QDateTime goes back to the real clock. A fixed time does not advance.
DATA_EXPORT void setFixedCurrentDateTime(const QDateTime& fixed);

} // namespace utils
