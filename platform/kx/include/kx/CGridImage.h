#pragma once

#include "kx/KxGlobal.h"

#include <QString>

class QPainter;
class QRect;

namespace Kx {

// A theme image by key, drawn stretched into the rectangle it is given.
class KX_EXPORT CGridImage
{
public:
    explicit CGridImage(const QString& key);
    virtual ~CGridImage();

    QString key() const;
    void drawImage(QPainter* p, int x, int y, int w, int h) const;
    void drawImage(QPainter* p, const QRect& r) const;

private:
    QString m_key;
};

} // namespace Kx
