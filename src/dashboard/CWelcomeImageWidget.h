#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <QSize>

#include <memory>

namespace Kx {
class CImage;
}

namespace Ocv {

// The welcome picture: drawn at its natural size, centred across the widget when it fits and
// from the top-left corner when it does not.
class WELCOME_EXPORT CWelcomeImageWidget : public Kx::CBaseWidget
{
public:
    explicit CWelcomeImageWidget(QWidget* parent);
    ~CWelcomeImageWidget() override;

    QSize getImageSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Kx::CImage> m_image;
};

} // namespace Ocv
