#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "kx/CCommonDialog.h"
#include "risk/CRiskTreeDialog.h"
#include "risk/RiskTemplateDialogs.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <boost/shared_ptr.hpp>
#include <boost/thread/mutex.hpp>

#include <map>
#include <memory>
#include <vector>

namespace ttservice {
class CVornAccountInfo;
class CVornRcTemplate;
class CVornRcTemplateGroup;
} // namespace ttservice

namespace Ocv {

class CAccountFutureRCSetWidget;
class CAccountRiskSettingDialog;
class CAccountRiskTemplateDialog;
class CAccountRiskTemplateGroupDialog;
class CAccountStockRCSetWidget;

// The account column of the risk overview: a title and three launchers, each opening a dialog
// that is made on first use and kept: the account risk settings, and the application of risk
// templates and of template groups to accounts.
class WELCOME_EXPORT CAccountRiskControlWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    enum EEntry
    {
        SettingEntry = 0,
        TemplateEntry = 1,
        TemplateGroupEntry = 2
    };

    explicit CAccountRiskControlWidget(QWidget* parent);
    ~CAccountRiskControlWidget() override;

    void switchSystem(int systemId, QString& systemName);
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }
    CAccountRiskSettingDialog* settingDialog() const { return m_pSettingDialog; }
    CAccountRiskTemplateDialog* templateDialog() const { return m_pTemplateDialog; }
    CAccountRiskTemplateGroupDialog* templateGroupDialog() const { return m_pTemplateGroupDialog; }

protected:
    void createUi();

private:
    int m_systemId = 0;
    QString m_systemName;
    CAccountRiskSettingDialog* m_pSettingDialog = nullptr;
    CAccountRiskTemplateDialog* m_pTemplateDialog = nullptr;
    CAccountRiskTemplateGroupDialog* m_pTemplateGroupDialog = nullptr;
};

// Accounts of one type as the tree shows them, made on the data-service thread.
struct CAccountNodes
{
    QStringList texts;
    std::vector<ttservice::IDataPtr> records;
};
typedef std::shared_ptr<const CAccountNodes> CAccountNodesPtr;

// The account risk settings: the accounts the user may administer, in a tree by account type
// (one query per type), and right of it the setting panel of the selected account's type.
//
// Per account type the newest answer wins: an answer of a request sent before "刷新" still fills
// the new root until the newer answer replaces it, and an older answer arriving after a newer one
// is dropped, so a root never lists an account twice.
class WELCOME_EXPORT CAccountRiskSettingDialog : public CRiskTreeDialog
{
    Q_OBJECT
public:
    // A setting panel: its account type, and the widget (one of the two panel classes).
    struct Panel
    {
        int accountType;
        QWidget* widget;
        CAccountStockRCSetWidget* stock;
        CAccountFutureRCSetWidget* future;
    };

    explicit CAccountRiskSettingDialog(QWidget* parent);
    ~CAccountRiskSettingDialog() override;

    // The futures panel, when the user holds its right.
    CAccountFutureRCSetWidget* futurePanel() const;
    const std::vector<Panel>& panels() const { return m_panels; }
    // The record of a node; null for a root or an unknown node.
    boost::shared_ptr<ttservice::CVornAccountInfo> recordOf(int nodeId) const;
    int nodeMapSize() const;
    bool isLoading() const override;

public slots:
    // The accounts of one type that answered request `number` (null: the request failed), handed
    // over from the data-service thread. GUI thread.
    void slotAccounts(int accountType, quint64 number, Ocv::CAccountNodesPtr nodes);

protected:
    void loadTree();
    void reload() override;
    void search(const QString& text) override;
    void selectNode(int nodeId) override;
    void nodesAdded(int accountType, const QVector<int>& ids,
                    const std::vector<ttservice::IDataPtr>& records) override;

private:
    void removeAccountsOf(int accountType);
    void answerArrived(quint64 number, int accountType);

    std::vector<Panel> m_panels;
    mutable boost::mutex m_mutex;
    QMap<int, boost::shared_ptr<ttservice::CVornAccountInfo>> m_nodeMap;

    CAnswerGuard m_answerGuard;
    std::map<int, CAnswerOrder> m_order; // per account type
    // How many answers of the current load are still out.
    int m_outstanding = 0;
};

// Risk templates and the accounts they apply to.
class WELCOME_EXPORT CAccountRiskTemplateDialog : public CRiskTemplateDialog
{
    Q_OBJECT
public:
    explicit CAccountRiskTemplateDialog(QWidget* parent);
    ~CAccountRiskTemplateDialog() override;
};

// Risk template groups and the accounts they apply to.
class WELCOME_EXPORT CAccountRiskTemplateGroupDialog : public CRiskTemplateGroupDialog
{
    Q_OBJECT
public:
    explicit CAccountRiskTemplateGroupDialog(QWidget* parent);
    ~CAccountRiskTemplateGroupDialog() override;
};

} // namespace Ocv
