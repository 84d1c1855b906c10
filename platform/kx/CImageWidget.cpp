#include "kx/CImageWidget.h"
#include "kx/CImage.h"
#include "kx/CUiResource.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace Kx {

CImageWidget::CImageWidget(int id, const QString& imageKey, QWidget* parent)
    : CBaseWidget(QStringLiteral("kx_image_widget"), false, parent), m_id(id),
      m_image(std::make_unique<CImage>(imageKey))
{
}

CImageWidget::~CImageWidget() = default;

int CImageWidget::id() const
{
    return m_id;
}

void CImageWidget::setImageKey(const QString& key)
{
    if (key == m_image->key())
        return;
    m_image = std::make_unique<CImage>(key);
    updateGeometry();
    update();
}

QString CImageWidget::imageKey() const
{
    return m_image->key();
}

void CImageWidget::setClickable(bool clickable)
{
    m_clickable = clickable;
    m_pressed = false;
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

bool CImageWidget::isClickable() const
{
    return m_clickable;
}

QSize CImageWidget::sizeHint() const
{
    return utils::CSingletonT<CUiResource>::instance()->imageSize(m_image->key());
}

void CImageWidget::themeChanged()
{
    updateGeometry();
    update();
}

void CImageWidget::paintEvent(QPaintEvent* event)
{
    CBaseWidget::paintEvent(event);
    QPainter painter(this);
    m_image->drawImage(&painter, rect());
}

void CImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_clickable || event->button() != Qt::LeftButton) {
        CBaseWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
}

void CImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton) {
        CBaseWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (!rect().contains(event->pos()))
        return;
    QPointer<CImageWidget> self(this);
    emit clicked(m_id);
    if (self)
        deliverEvent(EventImageClicked, m_id, 0, m_image->key(), this);
}

} // namespace Kx
