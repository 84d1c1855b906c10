#include "HpfRowSort.h"

#include <QVariant>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace Kx {

namespace {

bool isNumeric(int valueType)
{
    return valueType == QVariant::Int || valueType == QVariant::Double || valueType == QVariant::LongLong;
}

inline ushort fold(ushort c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? ushort(c + 32) : c;
    if (QChar::isSurrogate(c))
        return c;
    return ushort(QChar::toCaseFolded(uint(c)));
}

// Folded comparison from position from on (the prefix before it compared equal), then exact.
int compareFrom(const QString& a, const QString& b, int from)
{
    const ushort* ua = a.utf16();
    const ushort* ub = b.utf16();
    const int n = std::min(a.size(), b.size());
    for (int i = from; i < n; ++i) {
        if (ua[i] == ub[i])
            continue;
        const ushort fa = fold(ua[i]);
        const ushort fb = fold(ub[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return QString::compare(a, b, Qt::CaseSensitive);
}

// Order-preserving unsigned image of a cell's numeric value; "no value" is the type's maximum
// and so sorts last.
quint64 numericKey(const IBaseHpfTableData& row, const HpfSorting& sorting)
{
    constexpr quint64 kSign = quint64(1) << 63;
    switch (sorting.valueType) {
    case QVariant::Int:
        return quint64(qint64(row.getColumnInt(sorting.column))) ^ kSign;
    case QVariant::LongLong:
        return quint64(row.getColumnInt64(sorting.column)) ^ kSign;
    default: {
        double d = row.getColumnDouble(sorting.column);
        if (std::isnan(d))
            d = DBL_MAX;
        if (d == 0)
            d = 0; // -0 equals 0
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        return bits & kSign ? ~bits : bits | kSign;
    }
    }
}

struct Keyed
{
    quint64 key;
    int slot;
};

// LSD radix sort on the key, bytes that every key shares skipped; stable.
void radixSort(std::vector<Keyed>& items)
{
    const size_t n = items.size();
    std::vector<size_t> counts(8 * 256, 0);
    for (const Keyed& item : items) {
        for (int byte = 0; byte < 8; ++byte)
            ++counts[byte * 256 + ((item.key >> (8 * byte)) & 0xff)];
    }
    std::vector<Keyed> buffer(n);
    for (int byte = 0; byte < 8; ++byte) {
        size_t* count = &counts[byte * 256];
        if (std::any_of(count, count + 256, [n](size_t c) { return c == n; }))
            continue;
        size_t offset = 0;
        for (int b = 0; b < 256; ++b) {
            const size_t c = count[b];
            count[b] = offset;
            offset += c;
        }
        for (const Keyed& item : items)
            buffer[count[(item.key >> (8 * byte)) & 0xff]++] = item;
        items.swap(buffer);
    }
}

void sortByKey(std::vector<int>& ids, const std::vector<quint64>& keys)
{
    std::vector<Keyed> items(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        items[i] = Keyed{keys[i], ids[i]};
    radixSort(items);
    for (size_t i = 0; i < ids.size(); ++i)
        ids[i] = items[i].slot;
}

struct TextItem
{
    quint64 k0;
    quint64 k1;
    quint64 k2;
    quint32 pos; // position before sorting, also the index of the text
    int slot;
};

// The texts of the rows being sorted, folded and back to back: comparisons past the prefix keys
// read one dense buffer instead of a million strings scattered over the heap. A text that folding
// changes also keeps its exact code units, for the tie between texts that differ only in case.
class FoldedTexts
{
public:
    explicit FoldedTexts(size_t n)
    {
        m_start.reserve(n + 1);
        m_exactStart.reserve(n);
    }
    void append(const QString& text)
    {
        const quint32 start = quint32(m_units.size());
        m_start.push_back(start);
        const ushort* u = text.utf16();
        bool cased = false;
        for (int i = 0; i < text.size(); ++i) {
            m_units.push_back(fold(u[i]));
            cased = cased || m_units.back() != u[i];
        }
        m_exactStart.push_back(cased ? quint32(m_exact.size()) : kNone);
        if (cased)
            m_exact.insert(m_exact.end(), u, u + text.size());
    }
    void finish() { m_start.push_back(quint32(m_units.size())); }
    // Four folded code units from position from, big-endian, so that integer order is text order.
    quint64 key(size_t i, int from) const
    {
        const ushort* u = m_units.data() + m_start[i];
        const int n = length(i);
        quint64 key = 0;
        for (int k = from; k < from + 4; ++k)
            key = (key << 16) | (k < n ? u[k] : 0);
        return key;
    }
    // Folded order from position from on, then the exact code units.
    int compare(size_t a, size_t b, int from) const
    {
        const int c = compareUnits(m_units.data() + m_start[a], length(a), m_units.data() + m_start[b],
                                   length(b), from);
        if (c != 0 || (m_exactStart[a] == kNone && m_exactStart[b] == kNone))
            return c;
        return compareUnits(exact(a), length(a), exact(b), length(b), 0);
    }

private:
    static constexpr quint32 kNone = 0xffffffffu;

    int length(size_t i) const { return int(m_start[i + 1] - m_start[i]); }
    const ushort* exact(size_t i) const
    {
        return m_exactStart[i] == kNone ? m_units.data() + m_start[i] : m_exact.data() + m_exactStart[i];
    }
    static int compareUnits(const ushort* a, int na, const ushort* b, int nb, int from)
    {
        const int n = std::min(na, nb);
        for (int i = from; i < n; ++i) {
            if (a[i] != b[i])
                return a[i] < b[i] ? -1 : 1;
        }
        return na == nb ? 0 : na < nb ? -1 : 1;
    }

    std::vector<ushort> m_units;
    std::vector<quint32> m_start;
    std::vector<ushort> m_exact;
    std::vector<quint32> m_exactStart;
};

void sortByText(std::vector<int>& ids, const QVector<IBaseHpfTableDataPtr>& rows, const HpfSorting& sorting)
{
    const size_t n = ids.size();
    FoldedTexts texts(n);
    std::vector<TextItem> items(n);
    for (size_t i = 0; i < n; ++i)
        texts.append(rows[ids[i]]->getColumnText(sorting.column));
    texts.finish();
    for (size_t i = 0; i < n; ++i)
        items[i] = TextItem{texts.key(i, 0), texts.key(i, 4), texts.key(i, 8), quint32(i), ids[i]};
    const bool descending = sorting.order == Qt::DescendingOrder;
    std::sort(items.begin(), items.end(), [&](const TextItem& x, const TextItem& y) {
        const TextItem& a = descending ? y : x;
        const TextItem& b = descending ? x : y;
        if (a.k0 != b.k0)
            return a.k0 < b.k0;
        if (a.k1 != b.k1)
            return a.k1 < b.k1;
        if (a.k2 != b.k2)
            return a.k2 < b.k2;
        const int c = texts.compare(a.pos, b.pos, 12);
        return c != 0 ? c < 0 : x.pos < y.pos;
    });
    for (size_t i = 0; i < n; ++i)
        ids[i] = items[i].slot;
}

} // namespace

int compareHpfText(const QString& a, const QString& b)
{
    return compareFrom(a, b, 0);
}

int compareHpfRows(const IBaseHpfTableData& a, const IBaseHpfTableData& b, const HpfSorting& sorting)
{
    int c;
    if (isNumeric(sorting.valueType)) {
        const quint64 ka = numericKey(a, sorting);
        const quint64 kb = numericKey(b, sorting);
        c = ka < kb ? -1 : ka > kb ? 1 : 0;
    } else {
        c = compareHpfText(a.getColumnText(sorting.column), b.getColumnText(sorting.column));
    }
    return sorting.order == Qt::DescendingOrder ? -c : c;
}

void sortHpfSlots(std::vector<int>& ids, const QVector<IBaseHpfTableDataPtr>& rows,
                  const std::vector<quint32>& arrival, const HpfSorting& sorting)
{
    std::vector<quint64> keys(ids.size());
    if (!sorting.isSorted()) {
        for (size_t i = 0; i < ids.size(); ++i)
            keys[i] = arrival[ids[i]];
    } else if (isNumeric(sorting.valueType)) {
        const bool descending = sorting.order == Qt::DescendingOrder;
        for (size_t i = 0; i < ids.size(); ++i) {
            const quint64 key = numericKey(*rows[ids[i]], sorting);
            keys[i] = descending ? ~key : key;
        }
    } else {
        sortByText(ids, rows, sorting);
        return;
    }
    sortByKey(ids, keys);
}

} // namespace Kx
