#pragma once

#include "kx/CEventDeliverer.h"

#include <QWidget>

namespace Kx {

// Makes any QWidget class an event deliverer; constructors are those of W.
template <class W> class CEventWidgetT : public W, public CEventDeliverer
{
public:
    using W::W;

protected:
    QWidget* delivererWidget() const override { return const_cast<CEventWidgetT*>(this); }
};

} // namespace Kx
