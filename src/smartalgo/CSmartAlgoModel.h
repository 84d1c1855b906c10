#pragma once

#include "WelcomeGlobal.h"
#include "kx/IBaseHpfTableModel.h"

#include <QString>

#include <map>
#include <string>

namespace Ocv {

// The columns of the smart-algorithm list.
class WELCOME_EXPORT CSmartAlgoModel : public Kx::IBaseHpfTableModel
{
public:
    CSmartAlgoModel();
    ~CSmartAlgoModel() override;

    int columnCount() const override;
    QString headerText(int column) const override;
    int columnValueType(int column) const override;
    QString emptyText() const override;
    bool isSummaryShown() const override;
    QColor rowBackground(int row) const override;
    int frozenColumnCount() const override;

    // Algorithm code as the data service names it -> its column; codes not listed are ignored.
    static const std::map<std::string, int>& algorithmColumns();
};

} // namespace Ocv
