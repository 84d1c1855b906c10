#include "kx/KxFormat.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace Kx {

namespace {

const int kMaxPrecision = 30;

QString groupThousands(const QString& digits)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped.append(QLatin1Char(','));
        grouped.append(digits.at(i));
    }
    return grouped;
}

bool allZeros(const QString& digits)
{
    for (QChar c : digits) {
        if (c != QLatin1Char('0') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

QString applySignAndGrouping(bool negative, QString integerPart, const QString& rest, int flags)
{
    if (flags & FormatThousands)
        integerPart = groupThousands(integerPart);
    QString sign;
    if (negative)
        sign = QStringLiteral("-");
    else if ((flags & FormatPlusSign) && !allZeros(integerPart + rest))
        sign = QStringLiteral("+");
    return sign + integerPart + rest;
}

} // namespace

QString sToQs(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString formatDoubleNumber(double value, int precision, int flags, bool trimZeros, const QString& invalidText)
{
    if (!std::isfinite(value) || std::fabs(std::fabs(value) - DBL_MAX) <= 1e-5)
        return invalidText;
    precision = std::min(std::max(precision, 0), kMaxPrecision);

    // QString::number does not follow the locale: always '.' and never an exponent with 'f'.
    QString digits = QString::number(std::fabs(value), 'f', precision);
    if (trimZeros && digits.contains(QLatin1Char('.'))) {
        int end = digits.size();
        while (digits.at(end - 1) == QLatin1Char('0'))
            --end;
        if (digits.at(end - 1) == QLatin1Char('.'))
            --end;
        digits.truncate(end);
    }
    const bool negative = std::signbit(value) && !allZeros(digits);
    const int point = digits.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? digits : digits.left(point);
    const QString rest = point < 0 ? QString() : digits.mid(point);
    return applySignAndGrouping(negative, integerPart, rest, flags);
}

QString formatIntNumber(qint64 value, int minDigits, int flags)
{
    const bool negative = value < 0;
    // Through unsigned so that the most negative value has a magnitude too.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    QString digits = QString::number(magnitude);
    if (minDigits > digits.size())
        digits = QString(minDigits - digits.size(), QLatin1Char('0')) + digits;
    return applySignAndGrouping(negative, digits, QString(), flags);
}

QDateTime secondToQDateTime(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
}

} // namespace Kx
