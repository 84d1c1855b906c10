#include "kx/CTabButton.h"

#include <QPainter>

#include <algorithm>

namespace Kx {

CTabButton::CTabButton(int id, QWidget* parent, bool checked)
    : CEventWidgetT<QAbstractButton>(parent), m_id(id)
{
    setCheckable(true);
    setChecked(checked);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this,
            [this]() { deliverEvent(EventButtonClicked, m_id, 0, text(), this); });
}

CTabButton::~CTabButton() = default;

int CTabButton::id() const
{
    return m_id;
}

QSize CTabButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 32, std::max(30, metrics.height() + 12));
}

void CTabButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool checked = isChecked();
    QColor background = checked ? QColor(255, 255, 255) : QColor(240, 240, 240);
    if (!checked && underMouse())
        background = QColor(228, 233, 240);
    painter.fillRect(rect(), background);
    if (checked)
        painter.fillRect(QRect(0, height() - 2, width(), 2), QColor(36, 110, 215));
    painter.setPen(isEnabled() ? (checked ? QColor(36, 110, 215) : QColor(51, 51, 51))
                               : QColor(160, 160, 160));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace Kx
