#pragma once

// What the parts of CStandardHpfTable share: its columns, the rows on screen, the guard of its
// workers and the header's geometry. Not part of the framework's interface.

#include "kx/CStandardHpfTable.h"

#include <QColor>
#include <QFontMetricsF>
#include <QMutex>
#include <QString>

#include <cmath>
#include <memory>
#include <vector>

namespace Kx {

namespace HpfTableLook {
// The sort indicator and the filter funnel at the right of a header cell.
const QString kAscending = QStringLiteral("\u25B2");
const QString kDescending = QStringLiteral("\u25BC");
constexpr int kIndicatorWidth = 14;
constexpr int kFunnelSize = 10;

// Elision compares the text's exact width with the room given: a width rounded to the nearest
// pixel may fall short by a fraction and elide a text that was measured to fit.
inline int textWidth(const QFontMetricsF& metrics, const QString& text)
{
    return int(std::ceil(metrics.horizontalAdvance(text)));
}
} // namespace HpfTableLook

struct CStandardHpfTable::Column
{
    int width = 0; // 0 until sized
    bool hidden = false;
    bool forGood = false;
    bool filterable = false;
    std::unique_ptr<CBaseTableColumnDelegate> delegate;
};

struct CStandardHpfTable::PageRow
{
    IBaseHpfTableDataPtr data;
    IBaseHpfTableModel::RowId id = 0;
    QString key;
    int row = -1;
    QColor background;
    bool selected = false;
    std::vector<QString> texts; // by display index, elided
    std::vector<QColor> colors;
};

// Lets a worker post its result only while the table exists.
struct CStandardHpfTable::Guard
{
    QMutex mutex;
    bool open = true;
};

} // namespace Kx
