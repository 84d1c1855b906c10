#include "kx/CVScrollWidgetList.h"
#include "kx/CScrollArea.h"

namespace Kx {

CVScrollWidgetList::CVScrollWidgetList(int flags, QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_vscroll_widget_list"), false, parent), m_flags(flags),
      m_area(new CScrollArea(this))
{
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy((flags & VScrollShowBar) ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
    setInnerStretchWidget(m_area, 0, 0, 0, 0);
}

CVScrollWidgetList::~CVScrollWidgetList() = default;

void CVScrollWidgetList::setWidget(QWidget* w)
{
    m_area->setWidget(w);
}

QWidget* CVScrollWidgetList::widget() const
{
    return m_area->widget();
}

} // namespace Kx
