#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/RcTemplateTypes.h"
#include "siblings/SiblingsGlobal.h"

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornRcTemplate;
}

namespace Ocv {

class CRcRelatePanel;

// What one template is applied to (accounts or products, as the template says), and where it
// can still be applied; with eRelateRcApply the relations can be added and removed ("应用", "移除").
// The template's relations are read from its server (23454, param the template id), the targets
// from 12203 or 12224 (param "all"). Both lists sit behind filter fields and list views over models,
// so a server with 100,000 accounts makes no widget per account. Object names: "rc_template_relate",
// its parts "rc_template_relate_applied", "..._available", "..._applied_filter",
// "..._available_filter", "..._apply", "..._remove", "..._title" and the message line "..._error".
class SIBLINGS_EXPORT CProductRelateRCTemplateWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRelateRCTemplateWidget(eRelateProductRc mode, boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate,
                                   QWidget* parent);
    ~CProductRelateRCTemplateWidget() override;

    // Shows that template's relations (null: nothing) and reads them from its server.
    void setTemplateData(boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate);

    // How many targets are listed as applied, and as still available.
    int appliedCount() const;
    int availableCount() const;

private:
    CRcRelatePanel* m_panel = nullptr;
};

} // namespace Ocv
