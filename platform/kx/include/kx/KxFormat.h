#pragma once

#include "kx/KxGlobal.h"

#include <QDateTime>
#include <QString>

#include <string>

namespace Kx {

// Flags of formatDoubleNumber and formatIntNumber; they combine.
enum EFormatFlag
{
    FormatNone = 0,
    // Group the integer digits by three with ',' ("1,234,567.89").
    FormatThousands = 0x1,
    // Put '+' before positive values; zero never gets a sign.
    FormatPlusSign = 0x2
};

// UTF-8 to QString.
KX_EXPORT QString sToQs(const std::string& text);

// The value with exactly 'precision' decimals (negative counts as 0), fixed notation even for
// huge values, '.' as the decimal point whatever the locale, rounded to nearest. trimZeros drops
// trailing zeros of the decimals, and the point when nothing is left after it ("1.50" -> "1.5",
// "2.00" -> "2"). A value that rounds to zero has no minus sign ("-0.001" with 2 decimals gives
// "0.00"). NaN, infinities and DBL_MAX-sized values (the services' "no value" marker) give
// invalidText instead.
KX_EXPORT QString formatDoubleNumber(double value, int precision, int flags, bool trimZeros,
                                     const QString& invalidText);

// The value in decimal with at least minDigits digits (padded with leading zeros; 0 or 1 pads
// nothing); FormatThousands groups the padded digits.
KX_EXPORT QString formatIntNumber(qint64 value, int minDigits, int flags);

// Local date and time of a count of seconds since 1970-01-01T00:00:00Z.
KX_EXPORT QDateTime secondToQDateTime(qint64 seconds);

} // namespace Kx
