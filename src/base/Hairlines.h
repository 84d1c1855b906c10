#pragma once

#include "WelcomeGlobal.h"

class QColor;
class QPainter;
class QRect;

namespace Ocv {

// One-pixel frames and dividers, drawn as fills. They cover exactly the pixels an aliased
// one-pixel pen covers with drawRect/drawLine, but the raster engine strokes a long vertical pen
// line pixel by pixel, some fifty times slower than filling the same column.

// The pixels of drawRect(rect): columns left..left + width and rows top..top + height.
WELCOME_EXPORT void drawHairRect(QPainter* painter, const QRect& rect, const QColor& color);
// The pixels of drawLine(x1, y1, x2, y2) for a horizontal or vertical line, ends included.
WELCOME_EXPORT void drawHairLine(QPainter* painter, int x1, int y1, int x2, int y2, const QColor& color);

} // namespace Ocv
