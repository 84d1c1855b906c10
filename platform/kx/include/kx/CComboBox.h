#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/KxGlobal.h"

#include <QComboBox>

namespace Kx {

// A combo box that reports selection changes upwards: event 70 (EventIndexChanged) with the
// id, the new index, the new text and the combo box as data. It is sent when the user picks an
// item and on setCurrentIndex/setCurrentText, but not when the index moves because items were
// added, removed or cleared, so filling the box sends nothing.
class KX_EXPORT CComboBox : public CEventWidgetT<QComboBox>
{
    Q_OBJECT
public:
    enum
    {
        EventIndexChanged = 70
    };

    CComboBox(int id, QWidget* parent);
    ~CComboBox() override;

    int id() const;

private:
    void onIndexChanged(int index);

    int m_id;
    int m_modelChanges = 0;
};

} // namespace Kx
