#include "siblings/CCreateAccountDialog.h"

namespace Ocv {

CCreateAccountDialog::CCreateAccountDialog(QWidget* parent)
    : CAccountOpeningDialog(parent, QStringLiteral("一键创建账号"), QStringLiteral("create_account_dialog"),
                            true)
{
}

CCreateAccountDialog::~CCreateAccountDialog() = default;

void CCreateAccountDialog::switchSystem(const std::string& systemName)
{
    setSystemName(systemName);
}

} // namespace Ocv
