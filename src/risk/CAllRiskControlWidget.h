#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <QString>

namespace Kx {
class CImageWidget;
class CSimpleTextWidget;
class CWidgetList;
} // namespace Kx

namespace Ocv {

class CGlobalRiskControlWidget;
class CProductManagePanel;

// The global risk-control block: a title with a shortcut into the risk view, one switch that
// turns every risk control on or off (the products' switches through the product-management
// panel, the global checks through the table below), and the global table itself.
//
// The switch shows what the two sides report: the first report decides it even when only one
// side is known; afterwards it moves only when both sides agree.
class WELCOME_EXPORT CAllRiskControlWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CAllRiskControlWidget(QWidget* parent = nullptr);
    ~CAllRiskControlWidget() override;

    void switchSystem(int systemId, const QString& systemName);

    bool allEnabled() const { return m_allEnabled; }
    Kx::CImageWidget* onImage() const { return m_pOnImage; }
    Kx::CImageWidget* offImage() const { return m_pOffImage; }
    Kx::CImageWidget* breakIcon() const { return m_pBreakIcon; }
    Kx::CSimpleTextWidget* switchLabel() const { return m_pSwitchLabel; }
    CProductManagePanel* productPanel() const { return m_pProductPanel; }
    CGlobalRiskControlWidget* globalWidget() const { return m_pGlobalWidget; }

protected:
    void createUi();
    void updateBtn();
    void jumpToRiskView();
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeSwitch();
    // Asks first; only OK changes anything.
    void enableAllRiskControl(int imageId);

    bool m_allEnabled = false;
    Kx::CImageWidget* m_pOnImage = nullptr;
    Kx::CImageWidget* m_pOffImage = nullptr;
    Kx::CSimpleTextWidget* m_pSwitchLabel = nullptr;
    CProductManagePanel* m_pProductPanel = nullptr;
    CGlobalRiskControlWidget* m_pGlobalWidget = nullptr;
    Kx::CImageWidget* m_pBreakIcon = nullptr;
    bool m_firstUpdate = true;
    Kx::CWidgetList* m_pHeader = nullptr;
};

} // namespace Ocv
