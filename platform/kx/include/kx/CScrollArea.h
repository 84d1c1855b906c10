#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/KxGlobal.h"

#include <QScrollArea>

namespace Kx {

// A frameless scroll area whose scroll bars appear when the content does not fit.
class KX_EXPORT CScrollArea : public CEventWidgetT<QScrollArea>
{
    Q_OBJECT
public:
    explicit CScrollArea(QWidget* parent);
    ~CScrollArea() override;
};

} // namespace Kx
