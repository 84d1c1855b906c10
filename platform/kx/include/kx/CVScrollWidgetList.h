#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

namespace Kx {

class CScrollArea;

// Flags of CVScrollWidgetList.
enum EVScrollFlag
{
    VScrollNone = 0,
    // Show the vertical scroll bar when the content is taller than the view; without it the
    // bar stays hidden and the content scrolls with the wheel only.
    VScrollShowBar = 0x1
};

// A vertically scrolling holder for one content widget, never scrolling sideways.
class KX_EXPORT CVScrollWidgetList : public CBaseWidget
{
    Q_OBJECT
public:
    CVScrollWidgetList(int flags, QWidget* parent);
    ~CVScrollWidgetList() override;

    // Takes ownership of w.
    void setWidget(QWidget* w);
    QWidget* widget() const;
    CScrollArea* scrollArea() const { return m_area; }
    int flags() const { return m_flags; }

private:
    int m_flags;
    CScrollArea* m_area;
};

} // namespace Kx
