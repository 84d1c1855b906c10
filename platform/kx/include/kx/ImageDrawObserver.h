#pragma once

#include "kx/KxGlobal.h"

#include <functional>

class QPainter;
class QRect;
class QString;

namespace Kx {

// Test hook: sees every image draw (CGridImage::drawImage, CUiResource::drawImage) twice, with
// begin true before the image is painted and false after it, so that a recorder can tell the
// image's own drawing from the widget's. The rectangle is in the painter's logical coordinates.
// An empty function removes the observer.
using ImageDrawObserver = std::function<void(QPainter*, const QString& key, const QRect& rect, bool begin)>;

KX_EXPORT void setImageDrawObserver(ImageDrawObserver observer);

// Called by the drawing code.
void notifyImageDraw(QPainter* painter, const QString& key, const QRect& rect, bool begin);

} // namespace Kx
