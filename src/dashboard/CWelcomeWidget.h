#pragma once

#include "WelcomeGlobal.h"
#include "dashboard/SysStatusMap.h"
#include "data/DataCallbacks.h"
#include "kx/CBaseWidget.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "base/WelcomeMetaTypes.h"

#include <QString>

#include <boost/shared_ptr.hpp>

#include <vector>

class QTimer;

namespace Kx {
class CComboBox;
}
namespace ttservice {
class CVornSubManagerInfo;
}

namespace Ocv {

class CTopWidget;
class CMiddleWidget;
class CBottomWidget;
class CLeftWidget;
class CRightWidget;
class CWelcomeImageWidget;
class CUserListDialog;
class CSmartAlgoDialog;

// The dashboard of the system-status tab. Status mode (no sub-manager) shows the platform's
// figures and the status strips; manager mode shows the manager's own statistics.
class WELCOME_EXPORT CWelcomeWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CWelcomeWidget(QWidget* parent);
    ~CWelcomeWidget() override;

    void onActive() override;
    void setParam(const QString& param) override;
    QString param() const override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    void setSystem(int systemId, const QString& systemName);
    void autoScalingImage(int width, int height);

    bool isStatusMode() const { return m_bStatusMode; }

signals:
    void sigUpdate();
    void sigShowError(bool isError, QString text);
    // Carries an answer, grouped on the data-service thread, to the GUI thread (queued).
    void sigAnswer(quint64 requestNumber, Ocv::SysStatusMap statusMap,
                   boost::shared_ptr<ttservice::CVornSubManagerInfo> managerInfo);

public slots:
    void slotUpdate();
    void slotTimeout();
    void slotShowError(bool isError, QString text);
    void slotQueryUserLog(const QString& text);

protected:
    void createUi();
    void resetWidget(bool showSelector);
    void refresh();
    // Runs on the data-service thread: groups the records and hands them on with their request number.
    void onQueryData(quint64 requestNumber, const utils::TTError& error,
                     const std::vector<ttservice::IDataPtr>& records);

private slots:
    void slotAnswer(quint64 requestNumber, Ocv::SysStatusMap statusMap,
                    boost::shared_ptr<ttservice::CVornSubManagerInfo> managerInfo);

private:
    QString currentServerName() const;
    void retargetRegions();

    Kx::CComboBox* m_pServerSelector = nullptr;
    CTopWidget* m_pTopWidget = nullptr;
    CMiddleWidget* m_pMiddleWidget = nullptr;
    CBottomWidget* m_pBottomWidget = nullptr;
    CLeftWidget* m_pLeftWidget = nullptr;
    CRightWidget* m_pRightWidget = nullptr;
    CWelcomeImageWidget* m_pImageWidget = nullptr;
    const bool m_bStatusMode;
    SysStatusMap m_sysStatusMap;
    boost::shared_ptr<ttservice::CVornSubManagerInfo> m_pManagerInfo;
    QTimer* m_pTimer = nullptr;
    QString m_strSystemName;
    CUserListDialog* m_pUserListDialog = nullptr;
    CSmartAlgoDialog* m_pSmartAlgoDialog = nullptr;
    bool m_bRefreshPending = false;

    CAnswerOrder m_answerOrder; // GUI thread only
    CAnswerGuard m_answerGuard;
};

} // namespace Ocv
