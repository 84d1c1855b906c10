#pragma once

#include "kx/CBaseWidget.h"
#include "siblings/SiblingsGlobal.h"

#include <QString>

class QShowEvent;

namespace Ocv {

class CRcPickList;

// The risk-control templates of a system, listed to choose from. Choosing one delivers event 45
// upwards with the widget's id 0 as a and, as data, a pointer to a
// boost::shared_ptr<ttservice::CVornRcTemplate> valid during the call; losing the choice (the list
// read again) delivers it with a null template.
// forAccounts / forProducts: which templates are listed (those applying to accounts, to products;
// both or neither: all), read with data code 23452 and param "account", "product" or "all".
// The list ("rc_template_list_table": name, target, description) is read when the widget is
// first shown or activated, and after each switchSystem: at once while active, else when next
// shown or activated. A failed read shows on "rc_template_list_error".
class SIBLINGS_EXPORT CProductRiskControlTemplateWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    CProductRiskControlTemplateWidget(bool forAccounts, bool forProducts, QWidget* parent);
    ~CProductRiskControlTemplateWidget() override;

    // Lists the templates of that system (by name; empty for the client centre's selection).
    void switchSystem(int systemId, QString systemName);
    // The templates listed now.
    int templateCount() const;

    void onActive() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readIfPending();

    std::string m_param;
    QString m_systemName;
    bool m_pending = true;
    CRcPickList* m_list = nullptr;
};

} // namespace Ocv
