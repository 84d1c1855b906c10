#pragma once

#include "WelcomeGlobal.h"

#include <QString>

namespace Ocv {

// A count of the statistics records as shown: the records mark a figure they do not have with
// INT_MAX, which shows as a dash, never as a count.
WELCOME_EXPORT QString statisticsFigure(int value);

} // namespace Ocv
