#pragma once

#include "kx/KxGlobal.h"

class QString;
class QWidget;

namespace Kx {

// Upward event delivery between widgets.
//
// deliverEvent asks the ancestors of the widget (its parent first, never the widget itself)
// one after the other; the first whose handleEvent returns true consumes the event and the
// walk stops there. Overrides of handleEvent pass the ids they do not handle to their base.
class KX_EXPORT CEventDeliverer
{
public:
    virtual ~CEventDeliverer();

    virtual bool handleEvent(int eventId, int a, int b, const QString& text, void* data);
    bool deliverEvent(int eventId, int a, int b, const QString& text, void* data);

protected:
    virtual QWidget* delivererWidget() const = 0;
};

} // namespace Kx
