#pragma once

#include "kx/CBaseWidget.h"
#include "kx/KxGlobal.h"

#include <memory>

class QMouseEvent;

namespace Kx {

class CImage;

// Shows a theme image (CImage) stretched over the whole widget. A clickable image
// (setClickable) shows the hand cursor; a click (press and release inside) emits clicked(id) and
// then delivers event 82 (EventImageClicked) with the id, the image key and the widget as data.
class KX_EXPORT CImageWidget : public CBaseWidget
{
    Q_OBJECT
public:
    enum
    {
        EventImageClicked = 82
    };

    CImageWidget(int id, const QString& imageKey, QWidget* parent = nullptr);
    ~CImageWidget() override;

    int id() const;
    void setImageKey(const QString& key);
    QString imageKey() const;
    void setClickable(bool clickable);
    bool isClickable() const;

    // The image's natural size.
    QSize sizeHint() const override;
    void themeChanged() override;

signals:
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_id;
    std::unique_ptr<CImage> m_image;
    bool m_clickable = false;
    bool m_pressed = false;
};

} // namespace Kx
