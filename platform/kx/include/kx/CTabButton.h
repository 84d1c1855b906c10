#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/KxGlobal.h"

#include <QAbstractButton>

class QPaintEvent;

namespace Kx {

// A checkable tab. A click delivers event 5 (EventButtonClicked) with the button's id as the
// first int, the text and the button as data.
class KX_EXPORT CTabButton : public CEventWidgetT<QAbstractButton>
{
    Q_OBJECT
public:
    enum
    {
        EventButtonClicked = 5
    };

    CTabButton(int id, QWidget* parent, bool checked);
    ~CTabButton() override;

    int id() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_id;
};

} // namespace Kx
