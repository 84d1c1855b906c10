#pragma once

#include "siblings/CCreationDialog.h"
#include "siblings/SiblingsGlobal.h"

#include <string>

class QLineEdit;

namespace Kx {
class CComboBox;
}

namespace Ocv {

// Creates a platform user on one trading system (operate 12209, add), offline until first login.
class SIBLINGS_EXPORT CCreateUserDialog : public CCreationDialog
{
    Q_OBJECT
public:
    explicit CCreateUserDialog(QWidget* parent);
    ~CCreateUserDialog() override;

    // The system the user goes to; empty for the one the client centre has selected.
    void switchSystem(const std::string& systemName);

protected:
    bool validate() override;
    void submit() override;

private:
    QLineEdit* m_userName;
    Kx::CComboBox* m_userType;
    Kx::CComboBox* m_clientKind;
};

} // namespace Ocv
