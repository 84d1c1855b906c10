#pragma once

#include "WelcomeGlobal.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "dashboard/SysStatusMap.h"
#include "kx/CBaseWidget.h"

namespace Ocv {

// The service strip: risk-control, trading, core and task services and the trading plug-ins.
class WELCOME_EXPORT CMiddleWidget : public Kx::CBaseWidget
{
public:
    explicit CMiddleWidget(QWidget* parent);
    ~CMiddleWidget() override;

    void setSysInfo(SysStatusMap& sysInfo);
    void themeChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    void paintText(QString title, ttservice::EQdSysStatusType type, QPainter* painter, int column,
                   Kx::CImage* image);

private:
    void resolveFonts();
    void paintPlugins(QPainter* painter);
    void paintHeader(QPainter* painter, const QString& title, int left, Kx::CImage* image) const;
    int columnWidth() const;

    StatusStrip::Images m_images;
    QFont m_titleFont;
    StripPalette::Fonts m_fonts;
    SysStatusMap m_sysInfo;
    bool m_wide = false;
};

} // namespace Ocv
