#include "CHpfRowFilter.h"
#include "CHpfTextIndex.h"
#include "kx/KxLog.h"

namespace Kx {

CHpfRowFilter::CHpfRowFilter(const QMap<int, IBaseHpfTableModel::Filter>& filters)
{
    for (auto it = filters.cbegin(); it != filters.cend(); ++it) {
        if (it.value().first != IBaseHpfTableModel::FilterContains) {
            logWarning(QStringLiteral("table filter of type %1 on column %2 ignored")
                           .arg(it.value().first)
                           .arg(it.key()));
            continue;
        }
        Column column;
        column.column = it.key();
        bool matchesAll = false;
        for (const QString& text : it.value().second) {
            column.needles.push_back(CHpfTextIndex::fold(text));
            matchesAll = matchesAll || column.needles.back().empty();
        }
        if (!matchesAll && !column.needles.empty())
            m_columns.push_back(std::move(column));
    }
}

bool CHpfRowFilter::accepts(const IBaseHpfTableData& row) const
{
    for (const Column& column : m_columns) {
        const std::string text = CHpfTextIndex::fold(row.getFilterQString(column.column));
        bool found = false;
        for (const std::string& needle : column.needles) {
            if (CHpfTextIndex::contains(text, needle)) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace Kx
