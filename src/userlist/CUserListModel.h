#pragma once

#include "WelcomeGlobal.h"
#include "kx/IBaseHpfTableModel.h"

#include <QString>

namespace Ocv {

// The fourteen columns of the user list: a check box, the login's texts, two counts and the
// row buttons.
class WELCOME_EXPORT CUserListModel : public Kx::IBaseHpfTableModel
{
public:
    CUserListModel();
    ~CUserListModel() override;

    int columnCount() const override;
    QString headerText(int column) const override;
    int columnValueType(int column) const override;
    QString emptyText() const override;
    bool isSummaryShown() const override;
    QColor rowBackground(int row) const override;
    int frozenColumnCount() const override;
};

} // namespace Ocv
