#pragma once

#include "kx/IBaseHpfTableModel.h"

#include <string>
#include <vector>

namespace Kx {

// The column filters of a model, prepared for testing many rows: the texts case-folded once.
// One row is tested on its own here; every row at once goes through a CHpfTextIndex, with the
// same folding, so both give the same answer.
class CHpfRowFilter
{
public:
    struct Column
    {
        int column = 0;
        std::vector<std::string> needles; // folded; any of them
    };

    CHpfRowFilter() = default;
    explicit CHpfRowFilter(const QMap<int, IBaseHpfTableModel::Filter>& filters);

    bool isEmpty() const { return m_columns.empty(); }
    const std::vector<Column>& columns() const { return m_columns; }
    bool accepts(const IBaseHpfTableData& row) const;

private:
    std::vector<Column> m_columns;
};

} // namespace Kx
