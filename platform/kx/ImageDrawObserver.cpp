#include "kx/ImageDrawObserver.h"

#include <QRect>
#include <QString>

namespace Kx {

namespace {
ImageDrawObserver& observer()
{
    static ImageDrawObserver s_observer;
    return s_observer;
}
} // namespace

void setImageDrawObserver(ImageDrawObserver o)
{
    observer() = std::move(o);
}

void notifyImageDraw(QPainter* painter, const QString& key, const QRect& rect, bool begin)
{
    if (observer())
        observer()(painter, key, rect, begin);
}

} // namespace Kx
