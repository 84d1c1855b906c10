#pragma once

#include "WelcomeGlobal.h"
#include "base/CAnswerGuard.h"
#include "data/IData.h"
#include "data/TTError.h"
#include "kx/CCommonDialog.h"

#include <QMutex>
#include <QString>

#include <vector>

namespace Kx {
class CLoadingMaskWidget;
class CStandardHpfTable;
} // namespace Kx

namespace Ocv {

class CSafeLineEdit;
class CSmartAlgoModel;

// Which fund accounts may use which trading algorithms; filtered by account on Enter.
class WELCOME_EXPORT CSmartAlgoDialog : public Kx::CCommonDialog
{
    Q_OBJECT
public:
    explicit CSmartAlgoDialog(QWidget* parent);
    ~CSmartAlgoDialog() override;

    void showAndQuery(const QString& systemName, int kind);
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override;

    Kx::CStandardHpfTable* table() const { return m_pTable; }
    CSmartAlgoModel* model() const { return m_pModel; }

signals:
    // Carries a query's result to the GUI thread with the number of its query.
    void sigSmartAlgoData(quint64 requestNumber, utils::TTError error,
                          std::vector<ttservice::IDataPtr> records);

private slots:
    void slotSmartAlgoData(quint64 requestNumber, utils::TTError error,
                           std::vector<ttservice::IDataPtr> records);

private:
    void createUi();

    Kx::CLoadingMaskWidget* m_pLoadingMask = nullptr;
    CSafeLineEdit* m_pSearchEdit = nullptr;
    Kx::CStandardHpfTable* m_pTable = nullptr;
    CSmartAlgoModel* m_pModel = nullptr;
    QMutex m_mutex;
    quint64 m_requestNumber = 0;
    CAnswerGuard m_answerGuard;
};

} // namespace Ocv
