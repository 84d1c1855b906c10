#pragma once

#include "WelcomeGlobal.h"
#include "dashboard/StatusStrip.h"
#include "dashboard/StripPalette.h"
#include "dashboard/SysStatusMap.h"
#include "kx/CBaseWidget.h"

namespace Ocv {

struct HostColumn;

// The host-resource strip: CPU, memory, file systems, network card and counted items.
class WELCOME_EXPORT CBottomWidget : public Kx::CBaseWidget
{
public:
    explicit CBottomWidget(QWidget* parent);
    ~CBottomWidget() override;

    void setSysInfo(SysStatusMap& sysInfo);
    void themeChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void resolveFonts();
    void paintColumn(QPainter* painter, const HostColumn& column) const;
    void paintFileSystems(QPainter* painter) const;
    void paintCountedItems(QPainter* painter) const;
    const ttservice::CVornSysStatusInfo* firstRecord(int type) const;

    StatusStrip::Images m_images;
    StripPalette::Fonts m_fonts;
    SysStatusMap m_sysInfo;
};

} // namespace Ocv
