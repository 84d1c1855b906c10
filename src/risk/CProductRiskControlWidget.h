#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "data/IData.h"
#include "kx/CBaseWidget.h"
#include "kx/CCommonDialog.h"
#include "risk/CRiskTreeDialog.h"
#include "risk/RiskTemplateDialogs.h"

#include <QMap>
#include <QString>

#include <boost/thread/mutex.hpp>

namespace Ocv {

class CProductRiskControlPageWidget;
class CProductRiskSettingDialog;
class CProductRiskTemplateDialog;
class CProductRiskTemplateGroupDialog;

// The product column of the risk overview: a title and three launchers, each opening a dialog
// that is made on first use and kept: the product risk settings, and the application of risk
// templates and of template groups to products.
class WELCOME_EXPORT CProductRiskControlWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    enum EEntry
    {
        SettingEntry = 0,
        TemplateEntry = 1,
        TemplateGroupEntry = 2
    };

    explicit CProductRiskControlWidget(QWidget* parent);
    ~CProductRiskControlWidget() override;

    void switchSystem(int systemId, QString& systemName);
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }
    CProductRiskSettingDialog* settingDialog() const { return m_pSettingDialog; }
    CProductRiskTemplateDialog* templateDialog() const { return m_pTemplateDialog; }
    CProductRiskTemplateGroupDialog* templateGroupDialog() const { return m_pTemplateGroupDialog; }

protected:
    void createUi();

private:
    int m_systemId = 0;
    QString m_systemName;
    CProductRiskSettingDialog* m_pSettingDialog = nullptr;
    CProductRiskTemplateDialog* m_pTemplateDialog = nullptr;
    CProductRiskTemplateGroupDialog* m_pTemplateGroupDialog = nullptr;
};

// The product risk settings: the products of every server (of the system's server only when
// the system id is 1) in a flat tree, and right of it the risk-control page of the chosen one.
// The list comes from the client's product data manager; the node map is swapped in once the
// last node is added.
class WELCOME_EXPORT CProductRiskSettingDialog : public CRiskTreeDialog
{
    Q_OBJECT
public:
    explicit CProductRiskSettingDialog(QWidget* parent);
    ~CProductRiskSettingDialog() override;

    // The filter of the product list, applied when an answer is processed.
    void setSystem(int systemId, const QString& systemName);
    int systemId() const { return m_systemId; }
    QString systemName() const { return m_systemName; }

    CProductRiskControlPageWidget* page() const { return m_pPage; }
    ttservice::IDataPtr recordOf(int nodeId) const;
    int nodeMapSize() const;
    bool isLoading() const override;

signals:
    // From the product data manager's thread: its answer to load `load` is complete.
    void sigProductsReady(int dataType, quint64 load);

protected:
    void loadProducts();
    void reload() override;
    void search(const QString& text) override;
    void selectNode(int nodeId) override;
    void nodesAdded(int tag, const QVector<int>& ids,
                    const std::vector<ttservice::IDataPtr>& records) override;
    void batchesDone() override;

private slots:
    void slotProductsReady(int dataType, quint64 load);

private:
    void finishLoad();

    int m_systemId = 0;
    QString m_systemName;
    CProductRiskControlPageWidget* m_pPage = nullptr;
    mutable boost::mutex m_mutex;
    QMap<int, ttservice::IDataPtr> m_nodeMap;
    // The map the batches of the current load fill, swapped in when they are done.
    QMap<int, ttservice::IDataPtr> m_newMap;

    CAnswerGuard m_answerGuard;
    quint64 m_load = 0;
    bool m_waiting = false;
};

// Risk templates and the products they apply to.
class WELCOME_EXPORT CProductRiskTemplateDialog : public CRiskTemplateDialog
{
    Q_OBJECT
public:
    explicit CProductRiskTemplateDialog(QWidget* parent);
    ~CProductRiskTemplateDialog() override;
};

// Risk template groups and the products they apply to.
class WELCOME_EXPORT CProductRiskTemplateGroupDialog : public CRiskTemplateGroupDialog
{
    Q_OBJECT
public:
    explicit CProductRiskTemplateGroupDialog(QWidget* parent);
    ~CProductRiskTemplateGroupDialog() override;
};

} // namespace Ocv
