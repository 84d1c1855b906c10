#include "kx/CEventDeliverer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace Kx {

CEventDeliverer::~CEventDeliverer() = default;

bool CEventDeliverer::handleEvent(int, int, int, const QString&, void*)
{
    return false;
}

bool CEventDeliverer::deliverEvent(int eventId, int a, int b, const QString& text, void* data)
{
    QWidget* self = delivererWidget();
    if (!self)
        return false;
    // A handler may delete widgets of the chain (closing a view, say); QPointer notices.
    QPointer<QWidget> ancestor = self->parentWidget();
    while (ancestor) {
        QPointer<QWidget> next = ancestor->parentWidget();
        auto* deliverer = dynamic_cast<CEventDeliverer*>(ancestor.data());
        if (deliverer && deliverer->handleEvent(eventId, a, b, text, data))
            return true;
        ancestor = next;
    }
    return false;
}

} // namespace Kx
