#pragma once

#include "EventSink.h"
#include "PaintRecorder.h"
#include "Theme.h"

#include <QColor>

namespace kxtest {

// The fill of the first rectangle that covers the whole widget.
inline QColor backgroundOf(QWidget* widget)
{
    for (const kit::PaintOp& op : kit::PaintRecorder::record(widget)) {
        if (op.kind == kit::PaintOp::Rect && op.fill.isValid() && op.rect == QRectF(widget->rect()))
            return op.fill;
    }
    return QColor();
}

} // namespace kxtest
