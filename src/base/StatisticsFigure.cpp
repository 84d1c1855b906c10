#include "base/StatisticsFigure.h"

#include <climits>

namespace Ocv {

QString statisticsFigure(int value)
{
    return value == INT_MAX ? QStringLiteral("-") : QString::number(value);
}

} // namespace Ocv
