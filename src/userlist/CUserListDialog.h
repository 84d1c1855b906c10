#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "data/IData.h"
#include "data/TTError.h"
#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CCommonDialog.h"
#include "kx/IBaseHpfTableData.h"

#include <QMetaType>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTimer;

namespace Kx {
class CLoadingMaskWidget;
class CStandardHpfTable;
class CWidgetList;
} // namespace Kx

namespace Ocv {

class CSafeLineEdit;
class CUserListModel;

// The rows of one answer, built off the GUI thread, with the check boxes and buttons of those
// that may be logged out; the GUI thread moves them into the table and its delegates.
struct UserListRows
{
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    Kx::CBaseTableColumnCheckBoxDelegate::States boxes;
    Kx::CBaseTableColumnMultiButtonsDelegate::Items buttons;
};
using UserListRowsPtr = std::shared_ptr<UserListRows>;

// The users logged in to the platform, of one of five kinds, with forced logout of one user,
// of the selected ones or of all that may be logged out, and a request for a user's log.
class WELCOME_EXPORT CUserListDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    explicit CUserListDialog(QWidget* parent);
    ~CUserListDialog() override;

    void showAndQuery(const QString& systemName, int kind);
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    Kx::CStandardHpfTable* table() const { return m_pTable; }
    CUserListModel* model() const { return m_pModel; }
    Kx::CBaseTableColumnCheckBoxDelegate* checkBoxes() const { return m_pCheckBoxes; }
    Kx::CBaseTableColumnMultiButtonsDelegate* rowButtons() const { return m_pRowButtons; }

signals:
    void sigQueryUserLog(const QString& text);
    // A query's result, its rows already built, on its way to the GUI thread (queued).
    void sigOnData(quint64 requestNumber, utils::TTError error, Ocv::UserListRowsPtr rows);

private slots:
    void slotOnData(quint64 requestNumber, utils::TTError error, Ocv::UserListRowsPtr rows);

private:
    void createUi();
    void query();
    void logoutKeys(const QStringList& keys);
    void askAndLogout(int which);
    void sendLogouts();
    void logoutAnswered(quint64 run, const QString& key, bool ok, const QString& message);
    void removeLoggedOut();
    void showLogoutProgress();

    CSafeLineEdit* m_pSearchEdit = nullptr;
    Kx::CStandardHpfTable* m_pTable = nullptr;
    CUserListModel* m_pModel = nullptr;
    Kx::CLoadingMaskWidget* m_pLoadingMask = nullptr;
    quint64 m_requestNumber = 0;
    QMutex m_mutex{QMutex::Recursive};
    int m_kind = 0;
    QString m_systemName;
    Kx::CWidgetList* m_pLogoutButtons = nullptr;
    Kx::CBaseTableColumnCheckBoxDelegate* m_pCheckBoxes = nullptr;
    Kx::CBaseTableColumnMultiButtonsDelegate* m_pRowButtons = nullptr;
    CAnswerGuard m_answerGuard;

    // A run of logouts: sent in slices, and the rows of those that succeeded taken off the table
    // in batches, so that neither a thousand requests nor a thousand removals hold up the GUI.
    quint64 m_logoutRun = 0;
    QStringList m_logoutQueue;
    int m_logoutSent = 0;
    int m_logoutAnswered = 0;
    QStringList m_loggedOut;
    bool m_logoutMasked = false; // the mask shows the run's progress
    QTimer* m_sendTimer = nullptr;
    QTimer* m_removeTimer = nullptr;
};

} // namespace Ocv

Q_DECLARE_METATYPE(Ocv::UserListRowsPtr)
