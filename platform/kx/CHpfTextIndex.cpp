#include "CHpfTextIndex.h"

#include <algorithm>
#include <cstring>

namespace Kx {

namespace {

void appendUtf8(std::string& out, uint cp)
{
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

void appendFolded(std::string& out, const QString& text)
{
    const ushort* u = text.utf16();
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        uint c = u[i];
        if (c == 0)
            continue; // zero bytes separate the rows of an index
        if (c < 0x80) {
            out.push_back(char(c >= 'A' && c <= 'Z' ? c + 32 : c));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1]))
            c = QChar::surrogateToUcs4(ushort(c), u[++i]);
        else if (QChar::isSurrogate(c))
            c = 0xFFFD;
        appendUtf8(out, QChar::toCaseFolded(c));
    }
}

} // namespace

CHpfTextIndex::CHpfTextIndex(int column, const QVector<IBaseHpfTableDataPtr>& rows)
    : m_column(column), m_segmentOf(size_t(rows.size()), -1)
{
    m_text.reserve(size_t(rows.size()) * 12);
    m_segmentStart.reserve(size_t(rows.size()));
    m_segmentSlot.reserve(size_t(rows.size()));
    for (int s = 0; s < rows.size(); ++s) {
        if (rows[s])
            append(s, *rows[s]);
    }
}

std::string CHpfTextIndex::fold(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    appendFolded(out, text);
    return out;
}

bool CHpfTextIndex::contains(const std::string& folded, const std::string& foldedNeedle)
{
    return folded.find(foldedNeedle) != std::string::npos;
}

void CHpfTextIndex::set(int slot, const IBaseHpfTableData& row)
{
    remove(slot);
    append(slot, row);
}

void CHpfTextIndex::remove(int slot)
{
    if (slot >= int(m_segmentOf.size()) || m_segmentOf[slot] < 0)
        return;
    m_segmentSlot[m_segmentOf[slot]] = -1;
    m_segmentOf[slot] = -1;
    ++m_dead;
}

void CHpfTextIndex::append(int slot, const IBaseHpfTableData& row)
{
    if (slot >= int(m_segmentOf.size()))
        m_segmentOf.resize(size_t(slot) + 1, -1);
    m_segmentOf[slot] = int(m_segmentSlot.size());
    m_segmentStart.push_back(quint32(m_text.size()));
    m_segmentSlot.push_back(slot);
    appendFolded(m_text, row.getFilterQString(m_column));
    m_text.push_back('\0');
}

void CHpfTextIndex::compact()
{
    std::string text;
    text.reserve(m_text.size());
    std::vector<quint32> starts;
    std::vector<int> slots;
    for (size_t k = 0; k < m_segmentSlot.size(); ++k) {
        const int slot = m_segmentSlot[k];
        if (slot < 0)
            continue;
        const size_t end = k + 1 < m_segmentStart.size() ? m_segmentStart[k + 1] : m_text.size();
        m_segmentOf[slot] = int(slots.size());
        starts.push_back(quint32(text.size()));
        slots.push_back(slot);
        text.append(m_text, m_segmentStart[k], end - m_segmentStart[k]);
    }
    m_text.swap(text);
    m_segmentStart.swap(starts);
    m_segmentSlot.swap(slots);
    m_dead = 0;
}

void CHpfTextIndex::search(const std::string& foldedNeedle, std::vector<quint8>& hits) const
{
    const size_t segments = m_segmentSlot.size();
    if (foldedNeedle.empty()) {
        for (size_t k = 0; k < segments; ++k) {
            if (m_segmentSlot[k] >= 0)
                hits[m_segmentSlot[k]] = 1;
        }
        return;
    }
    const char* base = m_text.data();
    const size_t size = m_text.size();
    size_t pos = 0;
    size_t k = 0;
    while (pos < size) {
        const void* found = memmem(base + pos, size - pos, foldedNeedle.data(), foldedNeedle.size());
        if (!found)
            break;
        const quint32 at = quint32(static_cast<const char*>(found) - base);
        k = size_t(std::upper_bound(m_segmentStart.begin() + k, m_segmentStart.end(), at) -
                   m_segmentStart.begin()) -
            1;
        if (m_segmentSlot[k] >= 0)
            hits[m_segmentSlot[k]] = 1;
        // One hit per row is enough.
        pos = k + 1 < segments ? m_segmentStart[k + 1] : size;
    }
}

} // namespace Kx
