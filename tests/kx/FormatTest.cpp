#include "kx/KxFormat.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

const QString kInvalid = QStringLiteral("n/a");

QString fmt(double v, int precision, int flags = Kx::FormatNone, bool trim = false)
{
    return Kx::formatDoubleNumber(v, precision, flags, trim, kInvalid);
}

TEST(FormatDouble, EdgeCases)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        double value;
        int precision;
        int flags;
        bool trim;
        QString expected;
    };
    const Case cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), 2, Kx::FormatNone, false, kInvalid},
        {inf, 2, Kx::FormatNone, false, kInvalid},
        {-inf, 2, Kx::FormatNone, false, kInvalid},
        {DBL_MAX, 2, Kx::FormatNone, false, kInvalid},
        {-DBL_MAX, 0, Kx::FormatNone, false, kInvalid},
        // negative zero, also after rounding, has no sign
        {-0.0, 0, Kx::FormatNone, false, "0"},
        {-0.0, 2, Kx::FormatNone, false, "0.00"},
        {-0.004, 2, Kx::FormatNone, false, "0.00"},
        {-0.006, 2, Kx::FormatNone, false, "-0.01"},
        {-0.0, 1, Kx::FormatPlusSign, false, "0.0"},
        // rounding
        {0.996, 2, Kx::FormatNone, false, "1.00"},
        {1234.5678, 2, Kx::FormatNone, false, "1234.57"},
        {2.5001, 0, Kx::FormatNone, false, "3"},
        {-2.4999, 0, Kx::FormatNone, false, "-2"},
        {7.0, -3, Kx::FormatNone, false, "7"},
        {1e-9, 2, Kx::FormatNone, false, "0.00"},
        // grouping and sign
        {1234567.891, 2, Kx::FormatThousands, false, "1,234,567.89"},
        {999.0, 0, Kx::FormatThousands, false, "999"},
        {-123456.0, 1, Kx::FormatThousands, false, "-123,456.0"},
        {5.0, 1, Kx::FormatPlusSign, false, "+5.0"},
        {-3.0, 1, Kx::FormatPlusSign, false, "-3.0"},
        {1000.5, 1, Kx::FormatThousands | Kx::FormatPlusSign, false, "+1,000.5"},
        // trimming only touches decimals
        {1.5, 2, Kx::FormatNone, true, "1.5"},
        {2.0, 2, Kx::FormatNone, true, "2"},
        {100.0, 0, Kx::FormatNone, true, "100"},
        {100.0, 2, Kx::FormatNone, true, "100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fmt(c.value, c.precision, c.flags, c.trim), c.expected)
            << c.value << " precision " << c.precision << " flags " << c.flags << " trim " << c.trim;
    // The next double below DBL_MAX is far more than 1e-5 away, so it is a real value.
    EXPECT_NE(fmt(std::nextafter(DBL_MAX, 0.0), 0), kInvalid);
    // Huge values stay in fixed notation.
    const QString huge = fmt(1e300, 2);
    EXPECT_EQ(huge.size(), 301 + 3);
    EXPECT_TRUE(huge.startsWith(QLatin1String("1000")) && huge.endsWith(QLatin1String(".00")))
        << huge.toStdString();
}

TEST(FormatDouble, DecimalPointIgnoresTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = fmt(1234.5, 1, Kx::FormatThousands);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("1,234.5"));
}

TEST(FormatInt, DigitsSignsAndGrouping)
{
    EXPECT_EQ(Kx::formatIntNumber(1234567, 0, Kx::FormatThousands), QStringLiteral("1,234,567"));
    EXPECT_EQ(Kx::formatIntNumber(-5, 3, Kx::FormatNone), QStringLiteral("-005"));
    EXPECT_EQ(Kx::formatIntNumber(42, 1, Kx::FormatNone), QStringLiteral("42"));
    EXPECT_EQ(Kx::formatIntNumber(7, 0, Kx::FormatPlusSign), QStringLiteral("+7"));
    EXPECT_EQ(Kx::formatIntNumber(0, 0, Kx::FormatPlusSign), QStringLiteral("0"));
    EXPECT_EQ(Kx::formatIntNumber(INT64_MIN, 0, Kx::FormatThousands),
              QStringLiteral("-9,223,372,036,854,775,808"));
}

} // namespace
