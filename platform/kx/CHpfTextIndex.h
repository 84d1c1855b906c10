#pragma once

#include "kx/IBaseHpfTableData.h"

#include <QVector>

#include <string>
#include <vector>

namespace Kx {

// One column's filter texts, case-folded and UTF-8 encoded back to back with a zero byte
// between rows, so that "contains" over every row is one memmem pass over a flat buffer
// instead of a virtual call and a string search per row. Rows are identified by their slot.
// Replaced and removed rows leave dead text behind until compact().
class CHpfTextIndex
{
public:
    CHpfTextIndex(int column, const QVector<IBaseHpfTableDataPtr>& rows);

    // Case folding per code point (Unicode simple folding, as Qt::CaseInsensitive), as UTF-8;
    // U+0000 is left out.
    static std::string fold(const QString& text);
    static bool contains(const std::string& folded, const std::string& foldedNeedle);

    int column() const { return m_column; }
    void set(int slot, const IBaseHpfTableData& row);
    void remove(int slot);
    bool wantsCompaction() const { return m_dead > m_segmentSlot.size() / 2; }
    void compact();
    // Sets hits[slot] for every row whose text contains the folded needle.
    void search(const std::string& foldedNeedle, std::vector<quint8>& hits) const;

private:
    void append(int slot, const IBaseHpfTableData& row);

    int m_column;
    std::string m_text;
    std::vector<quint32> m_segmentStart; // ascending
    std::vector<int> m_segmentSlot;      // -1 once dead
    std::vector<int> m_segmentOf;        // by slot, -1 for none
    size_t m_dead = 0;
};

} // namespace Kx
