#include "dashboard/SizeFormat.h"

#include "kx/KxFormat.h"

#include <cfloat>
#include <cmath>

namespace Ocv {

QString formatKiloBytes(double value)
{
    if (std::fabs(DBL_MAX - value) <= 1e-5)
        return QString();
    static const char* const kUnits[] = {"K", "M", "G", "T"};
    int index = 0;
    // A non-finite value would never leave the loop; the formatter turns it into the invalid text.
    if (std::isfinite(value)) {
        while (value - 1024 >= -1e-5) {
            value *= 1.0 / 1024;
            ++index;
        }
    }
    const QString unit = index < 4 ? QString::fromLatin1(kUnits[index]) : QString();
    return QStringLiteral("%1%2").arg(Kx::formatDoubleNumber(value, 1, Kx::FormatNone, false, QStringLiteral("非法值")),
                                      unit);
}

} // namespace Ocv
