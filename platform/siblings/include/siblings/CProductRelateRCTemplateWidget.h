#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/RcTemplateTypes.h"
#include "siblings/SiblingsGlobal.h"

#include <boost/shared_ptr.hpp>

namespace ttservice {
class CVornRcTemplate;
}

namespace Ocv {

// What one template is applied to (accounts or products, as the template says), and where it
// can still be applied; with eRelateRcApply the relations can be added and removed.
class SIBLINGS_EXPORT CProductRelateRCTemplateWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRelateRCTemplateWidget(eRelateProductRc mode, boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate,
                                   QWidget* parent);
    ~CProductRelateRCTemplateWidget() override;

    // Shows that template's relations (null: nothing) and reads them from its server.
    void setTemplateData(boost::shared_ptr<ttservice::CVornRcTemplate> rcTemplate);
};

} // namespace Ocv
