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

TEST(FormatDouble, NonValuesGiveTheInvalidText)
{
    EXPECT_EQ(fmt(std::numeric_limits<double>::quiet_NaN(), 2), kInvalid);
    EXPECT_EQ(fmt(std::numeric_limits<double>::infinity(), 2), kInvalid);
    EXPECT_EQ(fmt(-std::numeric_limits<double>::infinity(), 2), kInvalid);
    EXPECT_EQ(fmt(DBL_MAX, 2), kInvalid);
    EXPECT_EQ(fmt(-DBL_MAX, 0), kInvalid);
    // The next double below DBL_MAX is far more than 1e-5 away, so it is a real value.
    EXPECT_NE(fmt(std::nextafter(DBL_MAX, 0.0), 0), kInvalid);
}

TEST(FormatDouble, HugeValuesStayInFixedNotation)
{
    const QString text = fmt(1e300, 2);
    EXPECT_FALSE(text.contains(QLatin1Char('e')));
    EXPECT_EQ(text.size(), 301 + 3);
    EXPECT_TRUE(text.startsWith(QLatin1String("1000")));
    EXPECT_TRUE(text.endsWith(QLatin1String(".00")));
    EXPECT_FALSE(fmt(1e-9, 2).contains(QLatin1Char('e')));
}

TEST(FormatDouble, NegativeZeroHasNoSign)
{
    EXPECT_EQ(fmt(-0.0, 0), QStringLiteral("0"));
    EXPECT_EQ(fmt(-0.0, 2), QStringLiteral("0.00"));
    EXPECT_EQ(fmt(-0.004, 2), QStringLiteral("0.00"));
    EXPECT_EQ(fmt(-0.006, 2), QStringLiteral("-0.01"));
    EXPECT_EQ(fmt(-0.0, 1, Kx::FormatPlusSign), QStringLiteral("0.0"));
}

TEST(FormatDouble, RoundsToTheRequestedDecimals)
{
    EXPECT_EQ(fmt(0.996, 2), QStringLiteral("1.00"));
    EXPECT_EQ(fmt(1234.5678, 2), QStringLiteral("1234.57"));
    EXPECT_EQ(fmt(2.5001, 0), QStringLiteral("3"));
    EXPECT_EQ(fmt(-2.4999, 0), QStringLiteral("-2"));
    EXPECT_EQ(fmt(7.0, -3), QStringLiteral("7"));
}

TEST(FormatDouble, ThousandsAndPlusSign)
{
    EXPECT_EQ(fmt(1234567.891, 2, Kx::FormatThousands), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(fmt(999.0, 0, Kx::FormatThousands), QStringLiteral("999"));
    EXPECT_EQ(fmt(-123456.0, 1, Kx::FormatThousands), QStringLiteral("-123,456.0"));
    EXPECT_EQ(fmt(5.0, 1, Kx::FormatPlusSign), QStringLiteral("+5.0"));
    EXPECT_EQ(fmt(-3.0, 1, Kx::FormatPlusSign), QStringLiteral("-3.0"));
    EXPECT_EQ(fmt(1000.5, 1, Kx::FormatThousands | Kx::FormatPlusSign), QStringLiteral("+1,000.5"));
}

TEST(FormatDouble, TrimZerosOnlyTouchesDecimals)
{
    EXPECT_EQ(fmt(1.5, 2, Kx::FormatNone, true), QStringLiteral("1.5"));
    EXPECT_EQ(fmt(2.0, 2, Kx::FormatNone, true), QStringLiteral("2"));
    EXPECT_EQ(fmt(100.0, 0, Kx::FormatNone, true), QStringLiteral("100"));
    EXPECT_EQ(fmt(100.0, 2, Kx::FormatNone, true), QStringLiteral("100"));
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

TEST(FormatMisc, EpochSecondsAndUtf8)
{
    const QDateTime epoch = Kx::secondToQDateTime(0);
    EXPECT_EQ(epoch.timeSpec(), Qt::LocalTime);
    EXPECT_EQ(epoch.toUTC(), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(Kx::secondToQDateTime(1700000000).toSecsSinceEpoch(), 1700000000);

    const QString text = Kx::sToQs("\xe4\xb8\xad"
                                   "a");
    ASSERT_EQ(text.size(), 2);
    EXPECT_EQ(text.at(0), QChar(0x4E2D));
}

} // namespace
