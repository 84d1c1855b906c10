#pragma once

#include "WelcomeGlobal.h"
#include "kx/CCommonDialog.h"

#include <QString>

namespace Ocv {

class CProductRelateRCTemplateGroupWidget;
class CProductRelateRCTemplateWidget;
class CProductRiskControlTemplateGroupWidget;
class CProductRiskControlTemplateWidget;

// The two kinds of template dialog the account and the product columns open: the list of risk
// templates (or template groups) on the left, at least 380 wide, and right of it the panel of what
// the chosen one applies to, which the list's event 45 hands it. The columns' dialogs differ only
// in which templates the list shows (for accounts or for products), their names and titles.
class WELCOME_EXPORT CRiskTemplateDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    CRiskTemplateDialog(bool forAccounts, const QString& objectName, const QString& title, QWidget* parent);
    ~CRiskTemplateDialog() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    CProductRiskControlTemplateWidget* templateList() const { return m_pTemplateList; }
    CProductRelateRCTemplateWidget* relatePanel() const { return m_pRelatePanel; }

private:
    CProductRiskControlTemplateWidget* m_pTemplateList = nullptr;
    CProductRelateRCTemplateWidget* m_pRelatePanel = nullptr;
};

// The same for template groups; the list reads its groups as soon as the dialog is made.
class WELCOME_EXPORT CRiskTemplateGroupDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    CRiskTemplateGroupDialog(bool forAccounts, const QString& objectName, const QString& title,
                             QWidget* parent);
    ~CRiskTemplateGroupDialog() override;

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;
    CProductRiskControlTemplateGroupWidget* groupList() const { return m_pGroupList; }
    CProductRelateRCTemplateGroupWidget* relatePanel() const { return m_pRelatePanel; }

private:
    CProductRiskControlTemplateGroupWidget* m_pGroupList = nullptr;
    CProductRelateRCTemplateGroupWidget* m_pRelatePanel = nullptr;
};

} // namespace Ocv
