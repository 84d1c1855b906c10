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

// The fonts of the label/value rows, derived from a strip's base font.
struct Fonts
{
    QFont label;
    QFont value;
};

inline Fonts rowFonts(const QFont& base)
{
    Fonts fonts{base, base};
    fonts.label.setPointSize(10);
    fonts.label.setBold(false);
    fonts.value.setPointSize(11);
    fonts.value.setBold(true);
    return fonts;
}

} // namespace StripPalette
} // namespace Ocv
