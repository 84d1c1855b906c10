#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

namespace Kx {

class CWidgetListLayout;

// Where a widget sits across the list (vertically in a horizontal list, horizontally in a
// vertical one). Start, Center and End give the widget its preferred cross size (bounded by its
// minimum and maximum sizes and by the space available) and align it to the top/left, middle or
// bottom/right; Fill stretches it over the whole cross extent (still within its maximum size,
// then aligned to the start).
enum EWidgetAnchor
{
    AnchorStart = 0,
    AnchorCenter = 1,
    AnchorEnd = 2,
    AnchorFill = 3
};

// A row or column of widgets and spaces.
//
// Along the list, fixed widgets keep their preferred size (a fixed size when they have one) and
// fixed spaces their length; what is left is shared by the stretch widgets and stretch spaces in
// proportion to their factors (stretch widgets stay within their minimum and maximum sizes).
// The spacing goes between every two consecutive entries, spaces included. Widgets that were
// explicitly hidden take no room and get no spacing. Margins default to 0, spacing to 0.
//
// The show flag of the add functions: true shows the widget; false leaves its visibility alone,
// so a widget hidden beforehand stays hidden until it is shown.
class KX_EXPORT CWidgetList : public CBaseWidget
{
    Q_OBJECT
public:
    CWidgetList(Qt::Orientation orientation, QWidget* parent);
    ~CWidgetList() override;

    Qt::Orientation orientation() const;
    void setMargin(int left, int top, int right, int bottom);
    void setSpacing(int spacing);
    int spacing() const;

    void addFixedWidget(QWidget* w, int anchor, bool show = true);
    void addStretchWidget(QWidget* w, int stretch, int anchor, bool show = true);
    void addFixedSpace(int size);
    void addStretchSpace(int stretch);
    // Takes the widget out of the list (it stays a child of the list).
    void removeWidget(QWidget* w);
    int entryCount() const;

private:
    CWidgetListLayout* m_layout;
};

} // namespace Kx
