#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "base/CAnswerOrder.h"
#include "base/WelcomeMetaTypes.h"
#include "data/IData.h"
#include "kx/CBaseWidget.h"

#include <QString>

#include <boost/shared_ptr.hpp>

#include <vector>

class QTimer;

namespace ttservice {
class CVornBaseInfoStatistics;
}
namespace utils {
class TTError;
}

namespace Ocv {

class CCreateAccountDialog;
class CCreateUserDialog;
class CProductBatchCreateDialog;
class CShowAccountDialog;
class CShowETStatusDialog;
class CShowProductDialog;
class CShowUserDialog;
class CTopModelWidget;

// The strip of four tiles atop the risk overview: accounts, users and products of the current
// system with today's additions, and the state of channel monitoring. Numbers and today lines
// open the browsing dialogs, the buttons the creation dialogs and the monitoring dialog.
class WELCOME_EXPORT CTopAccountProductRiskWidget : public Kx::CBaseWidget
{
    Q_OBJECT
public:
    explicit CTopAccountProductRiskWidget(QWidget* parent);
    ~CTopAccountProductRiskWidget() override;

    void switchSystem(int systemId, QString systemName);
    void onActive() override;
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    // The tile of that id; null for an unknown one.
    CTopModelWidget* tile(int id) const;
    CShowETStatusDialog* statusDialog() const { return m_pStatusDialog; }

signals:
    void sigUpdate();
    // Carries an answer to the GUI thread (queued) with the number of its request.
    void sigAnswer(quint64 requestNumber, boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics);

public slots:
    void slotTimeout();
    void slotUpdate();
    void slotShowDialog(int id, bool today);
    void slotUpdateTableFinish();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void createUi();
    void refresh();
    // Runs on the data-service thread: hands the statistics record on with its request's number.
    void onQueryData(quint64 requestNumber, const utils::TTError& error,
                     const std::vector<ttservice::IDataPtr>& records);

private slots:
    void slotAnswer(quint64 requestNumber, boost::shared_ptr<ttservice::CVornBaseInfoStatistics> statistics);

private:
    void layoutTiles();
    void openCreationDialog(int buttonId);

    int m_systemId = 0;
    QString m_systemName;
    CTopModelWidget* m_pAccountTile = nullptr;
    CTopModelWidget* m_pUserTile = nullptr;
    CTopModelWidget* m_pProductTile = nullptr;
    CTopModelWidget* m_pChannelTile = nullptr;

    CProductBatchCreateDialog* m_pProductBatchDialog = nullptr;
    CCreateAccountDialog* m_pCreateAccountDialog = nullptr;
    CShowProductDialog* m_pShowProductDialog = nullptr;
    CCreateUserDialog* m_pCreateUserDialog = nullptr;
    CShowUserDialog* m_pShowUserDialog = nullptr;
    CShowAccountDialog* m_pShowAccountDialog = nullptr;
    CShowETStatusDialog* m_pStatusDialog = nullptr;

    QTimer* m_pTimer = nullptr;
    // GUI thread only: the latest statistics, null until the first answer that carries them.
    boost::shared_ptr<ttservice::CVornBaseInfoStatistics> m_statistics;
    CAnswerOrder m_answerOrder; // GUI thread only
    CAnswerGuard m_answerGuard;
};

} // namespace Ocv
