#include "base/Hairlines.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace Ocv {

void drawHairRect(QPainter* painter, const QRect& rect, const QColor& color)
{
    const int left = rect.x();
    const int top = rect.y();
    const int right = left + rect.width();
    const int bottom = top + rect.height();
    drawHairLine(painter, left, top, right, top, color);
    drawHairLine(painter, left, bottom, right, bottom, color);
    drawHairLine(painter, left, top, left, bottom, color);
    drawHairLine(painter, right, top, right, bottom, color);
}

void drawHairLine(QPainter* painter, int x1, int y1, int x2, int y2, const QColor& color)
{
    if (x1 != x2 && y1 != y2) {
        painter->save();
        painter->setPen(color);
        painter->drawLine(x1, y1, x2, y2);
        painter->restore();
        return;
    }
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    painter->fillRect(QRect(left, top, std::max(x1, x2) - left + 1, std::max(y1, y2) - top + 1), color);
}

} // namespace Ocv
