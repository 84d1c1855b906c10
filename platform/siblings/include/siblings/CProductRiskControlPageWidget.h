#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

namespace Ocv {

// The risk-control limits of one product, read from and saved to the server of the product's
// system tag.
class SIBLINGS_EXPORT CProductRiskControlPageWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CProductRiskControlPageWidget(QWidget* parent);
    ~CProductRiskControlPageWidget() override;

    // systemTag: the product's server, its system tag in decimal.
    virtual void setProductID(QString systemTag, int productId);
};

} // namespace Ocv
