#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

class QShowEvent;

namespace Ocv {

class CRcSettingForm;

// The risk-control limits of one product, read from and saved to the server of the product's
// system tag (data code 23451, param the product id): the net-asset loss and single-stock ratios,
// the daily loss, the order amount and the product's switch. The page reads when it becomes active
// (onActive, or shown while active) and again after setProductID while active; "保存" checks every
// field's range before anything is sent, sends a modify and reads again. Object names:
// "product_rc_page", its fields "product_rc_page_<field>", "product_rc_page_save",
// "product_rc_page_title" and the message line "product_rc_page_error".
class SIBLINGS_EXPORT CProductRiskControlPageWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CProductRiskControlPageWidget(QWidget* parent);
    ~CProductRiskControlPageWidget() override;

    // systemTag: the product's server, its system tag in decimal.
    virtual void setProductID(QString systemTag, int productId);

    void onActive() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CRcSettingForm* m_form = nullptr;
};

} // namespace Ocv
