#pragma once

#include "WelcomeGlobal.h"

#include <QString>

namespace Ocv {

// Kilobytes as "<number><unit>" with one decimal, the unit K, M, G or T; beyond T no unit letter.
// The service's missing-figure marker (the largest double) gives empty text; NaN and infinities
// give the invalid-value text without a unit.
WELCOME_EXPORT QString formatKiloBytes(double kiloBytes);

} // namespace Ocv
