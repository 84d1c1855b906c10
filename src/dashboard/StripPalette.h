#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace Ocv {
namespace StripPalette {

// Colours shared by the two status strips.
inline QColor frame()
{
    return QColor(219, 219, 219);
}
inline QColor label()
{
    return QColor(102, 102, 102);
}
inline QColor value()
{
    return QColor(0, 0, 0);
}
inline QColor normal()
{
    return QColor(0, 128, 0);
}
inline QColor abnormal()
{
    return QColor(255, 0, 0);
}

inline QString invalidText()
{
    return QStringLiteral("非法值");
}

inline QFont labelFont(QFont font)
{
    font.setPointSize(10);
    font.setBold(false);
    return font;
}

inline QFont valueFont(QFont font)
{
    font.setPointSize(11);
    font.setBold(true);
    return font;
}

} // namespace StripPalette
} // namespace Ocv
