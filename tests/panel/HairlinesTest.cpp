#include "base/Hairlines.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor kInk(219, 219, 219);

// Paints once with a one-pixel pen and once with the fill helpers; the pixels must not differ.
bool samePixels(const std::function<void(QPainter&)>& withPen,
                const std::function<void(QPainter&)>& withFills)
{
    QImage pen(320, 200, QImage::Format_ARGB32_Premultiplied);
    QImage fills(pen.size(), pen.format());
    pen.fill(Qt::white);
    fills.fill(Qt::white);
    {
        QPainter painter(&pen);
        painter.setPen(kInk);
        withPen(painter);
    }
    {
        QPainter painter(&fills);
        painter.setPen(Qt::black); // the helpers must not depend on the painter's pen
        withFills(painter);
    }
    return pen == fills;
}

TEST(Hairlines, CoverExactlyThePixelsOfAOnePixelPen)
{
    const QRect rects[] = {QRect(0, 0, 320, 200), QRect(0, 0, 319, 199), QRect(10, 20, 100, 50),
                           QRect(5, 5, 0, 30)};
    for (const QRect& r : rects) {
        SCOPED_TRACE(testing::Message() << r.x() << "," << r.y() << " " << r.width() << "x" << r.height());
        EXPECT_TRUE(samePixels([&](QPainter& p) { p.drawRect(r); },
                               [&](QPainter& p) { Ocv::drawHairRect(&p, r, kInk); }));
    }
    const QLine lines[] = {QLine(40, 0, 40, 200), QLine(40, 150, 40, 10), QLine(0, 73, 319, 73),
                           QLine(300, 73, 5, 73), QLine(7, 7, 7, 7),      QLine(0, 0, 60, 40)};
    for (const QLine& l : lines) {
        SCOPED_TRACE(testing::Message() << l.x1() << "," << l.y1() << " - " << l.x2() << "," << l.y2());
        EXPECT_TRUE(
            samePixels([&](QPainter& p) { p.drawLine(l); },
                       [&](QPainter& p) { Ocv::drawHairLine(&p, l.x1(), l.y1(), l.x2(), l.y2(), kInk); }));
    }
}

} // namespace
