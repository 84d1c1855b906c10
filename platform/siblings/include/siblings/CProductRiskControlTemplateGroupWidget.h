#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

namespace Ocv {

class CRcPickList;

// The risk-control template groups, listed to choose from. Choosing one delivers event 45 upwards
// with a pointer to a boost::shared_ptr<ttservice::CVornRcTemplateGroup> valid during the call
// (null when the choice is lost). forAccounts / forProducts as for the templates (data code 23453).
// The list ("rc_template_group_list_table": name, target, the bundled template ids, description)
// is read by request() only; a failed read shows on "rc_template_group_list_error".
class SIBLINGS_EXPORT CProductRiskControlTemplateGroupWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRiskControlTemplateGroupWidget(bool forAccounts, bool forProducts, QWidget* parent);
    ~CProductRiskControlTemplateGroupWidget() override;

    // Reads the groups of the client centre's selected system.
    void request();
    int groupCount() const;

private:
    std::string m_param;
    CRcPickList* m_list = nullptr;
};

} // namespace Ocv
