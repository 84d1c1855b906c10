#include "dashboard/SizeFormat.h"

#include "kx/KxFormat.h"

#include <cfloat>
#include <cmath>

namespace Ocv {

QString formatKiloBytes(double value)
{
    if (std::fabs(DBL_MAX - value) <= 1e-5)
        return QString();
    const QString invalid = QStringLiteral("非法值");
    // An invalid figure has no size to give a unit to (and infinity would never leave the loop).
    if (!std::isfinite(value))
        return invalid;
    static const char* const kUnits[] = {"K", "M", "G", "T"};
    int index = 0;
    while (value - 1024 >= -1e-5) {
        value *= 1.0 / 1024;
        ++index;
    }
    const QString unit = index < 4 ? QString::fromLatin1(kUnits[index]) : QString();
    return QStringLiteral("%1%2").arg(Kx::formatDoubleNumber(value, 1, Kx::FormatNone, false, invalid), unit);
}

} // namespace Ocv
