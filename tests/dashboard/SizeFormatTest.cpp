#include "dashboard/SizeFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using Ocv::formatKiloBytes;

// A unit more at each 1024, none beyond terabytes; the missing figure is empty, odd ones invalid.
TEST(SizeFormat, StepsUpAUnitAtEach1024AndMarksOddFigures)
{
    EXPECT_EQ(formatKiloBytes(0), QStringLiteral("0.0K"));
    EXPECT_EQ(formatKiloBytes(1023), QStringLiteral("1023.0K"));
    EXPECT_EQ(formatKiloBytes(1024), QStringLiteral("1.0M"));
    EXPECT_EQ(formatKiloBytes(2048), QStringLiteral("2.0M"));
    EXPECT_EQ(formatKiloBytes(1536.0 * 1024), QStringLiteral("1.5G"));
    EXPECT_EQ(formatKiloBytes(1024.0 * 1024 * 1024), QStringLiteral("1.0T"));
    EXPECT_EQ(formatKiloBytes(std::pow(1024.0, 4)), QStringLiteral("1.0"));
    EXPECT_EQ(formatKiloBytes(std::pow(1024.0, 5) * 3), QStringLiteral("3.0"));
    EXPECT_EQ(formatKiloBytes(DBL_MAX), QString());
    EXPECT_EQ(formatKiloBytes(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("非法值"));
    EXPECT_EQ(formatKiloBytes(std::numeric_limits<double>::infinity()), QStringLiteral("非法值"));
    EXPECT_EQ(formatKiloBytes(-std::numeric_limits<double>::infinity()), QStringLiteral("非法值"));
}
