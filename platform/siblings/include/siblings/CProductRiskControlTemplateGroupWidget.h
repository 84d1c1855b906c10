#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

namespace Ocv {

// The risk-control template groups, listed to choose from. Choosing one delivers event 45 upwards
// with a pointer to a boost::shared_ptr<ttservice::CVornRcTemplateGroup> valid during the call.
class SIBLINGS_EXPORT CProductRiskControlTemplateGroupWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRiskControlTemplateGroupWidget(bool forAccounts, bool forProducts, QWidget* parent);
    ~CProductRiskControlTemplateGroupWidget() override;

    // Reads the groups of the client centre's selected system.
    void request();
};

} // namespace Ocv
