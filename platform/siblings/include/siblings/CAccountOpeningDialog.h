#pragma once

#include "siblings/CCreationDialog.h"
#include "siblings/SiblingsGlobal.h"

class QLineEdit;

namespace Kx {
class CComboBox;
}

namespace Ocv {

// Opens a trading account (operate 12203, add): id, name, type and the broker that holds it.
class SIBLINGS_EXPORT CAccountOpeningDialog : public CCreationDialog
{
    Q_OBJECT
public:
    explicit CAccountOpeningDialog(QWidget* parent);
    ~CAccountOpeningDialog() override;

protected:
    // perSystem: the account goes to a chosen trading system, shown above the form, and the
    // broker may stay empty.
    CAccountOpeningDialog(QWidget* parent, const QString& title, const QString& objectName, bool perSystem);

    bool validate() override;
    void submit() override;

private:
    bool m_brokerRequired;
    QLineEdit* m_accountId = nullptr;
    QLineEdit* m_accountName = nullptr;
    Kx::CComboBox* m_accountType = nullptr;
    QLineEdit* m_brokerName = nullptr;
};

} // namespace Ocv
