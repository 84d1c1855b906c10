#include "dashboard/CWelcomeImageWidget.h"

#include "kx/CImage.h"

#include <QPainter>

namespace Ocv {

CWelcomeImageWidget::CWelcomeImageWidget(QWidget* parent)
    : Kx::CBaseWidget(QStringLiteral("welcome_image_widget"), false, parent),
      m_image(std::make_unique<Kx::CImage>(QStringLiteral("ocv_img_welcome_background")))
{
}

CWelcomeImageWidget::~CWelcomeImageWidget() = default;

QSize CWelcomeImageWidget::getImageSize() const
{
    return QSize(m_image->width(), m_image->height());
}

void CWelcomeImageWidget::paintEvent(QPaintEvent*)
{
    const QSize size = getImageSize();
    // Each width halved on its own: an odd picture width lands one pixel right of (width - w) / 2.
    const int x = width() >= size.width() ? width() / 2 - size.width() / 2 : 0;
    QPainter painter(this);
    m_image->drawImage(&painter, x, 0, size.width(), size.height());
}

} // namespace Ocv
