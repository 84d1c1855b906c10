#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

namespace Ocv {

// The risk-control templates of a system, listed to choose from. Choosing one delivers event 45
// upwards with the widget's id 0 as a and, as data, a pointer to a
// boost::shared_ptr<ttservice::CVornRcTemplate> valid during the call.
// forAccounts / forProducts: which templates are listed (those applying to accounts, to products).
class SIBLINGS_EXPORT CProductRiskControlTemplateWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRiskControlTemplateWidget(bool forAccounts, bool forProducts, QWidget* parent);
    ~CProductRiskControlTemplateWidget() override;

    // Lists the templates of that system (by name; empty for the client centre's selection).
    void switchSystem(int systemId, QString systemName);
};

} // namespace Ocv
