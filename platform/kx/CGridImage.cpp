#include "kx/CGridImage.h"
#include "kx/CUiResource.h"

#include <QRect>

namespace Kx {

CGridImage::CGridImage(const QString& key) : m_key(key) {}

CGridImage::~CGridImage() = default;

QString CGridImage::key() const
{
    return m_key;
}

void CGridImage::drawImage(QPainter* p, int x, int y, int w, int h) const
{
    drawImage(p, QRect(x, y, w, h));
}

void CGridImage::drawImage(QPainter* p, const QRect& r) const
{
    utils::CSingletonT<CUiResource>::instance()->drawImage(p, m_key, r);
}

} // namespace Kx
