#pragma once

#include "kx/IBaseHpfTableData.h"

#include <QVector>

#include <vector>

namespace Kx {

// How a model orders its rows. Without a column the rows keep the order they arrived in.
struct HpfSorting
{
    int column = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    int valueType = 10; // QVariant::Type of the column
    bool isSorted() const { return column >= 0; }
    bool operator==(const HpfSorting& o) const
    {
        return column == o.column && order == o.order && valueType == o.valueType;
    }
};

// Texts compare by their case-folded UTF-16 code units, ties by the exact code units: the same
// order on every machine, whatever its locale.
int compareHpfText(const QString& a, const QString& b);

// <0, 0, >0 as a sorts before, with or after b (descending order already applied).
int compareHpfRows(const IBaseHpfTableData& a, const IBaseHpfTableData& b, const HpfSorting& sorting);

// Puts the slots in the sorting's order; slots that compare equal keep their order (for arrival order,
// arrival[slot] is the key). Reads rows[slot] only, so it can run on a worker over a snapshot.
void sortHpfSlots(std::vector<int>& ids, const QVector<IBaseHpfTableDataPtr>& rows,
                  const std::vector<quint32>& arrival, const HpfSorting& sorting);

} // namespace Kx
