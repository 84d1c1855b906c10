#pragma once

#include "kx/IBaseHpfTableModel.h"

#include <QStringList>

namespace Ocv {

// The columns of a list dialog: texts under the given headers, sorted as text, in the order the
// user picks.
class CBrowseModel : public Kx::IBaseHpfTableModel
{
public:
    explicit CBrowseModel(const QStringList& headers);
    ~CBrowseModel() override;

    int columnCount() const override;
    QString headerText(int column) const override;
    int columnValueType(int column) const override;
    QString emptyText() const override;
    bool isSummaryShown() const override;
    QColor rowBackground(int row) const override;
    int frozenColumnCount() const override;

private:
    QStringList m_headers;
};

} // namespace Ocv
