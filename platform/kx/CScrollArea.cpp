#include "kx/CScrollArea.h"

namespace Kx {

CScrollArea::CScrollArea(QWidget* parent) : CEventWidgetT<QScrollArea>(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

CScrollArea::~CScrollArea() = default;

} // namespace Kx
