#pragma once

#include "kx/IBaseHpfTableData.h"
#include "kx/KxGlobal.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVariantMap>

class QFontMetrics;
class QPainter;

namespace Kx {

class CEventDeliverer;
class CStandardHpfTable;

// A cell as the table hands it to a delegate; rect is in the table's coordinates.
struct HpfTableCell
{
    CStandardHpfTable* table = nullptr;
    IBaseHpfTableDataPtr data;
    QString key;
    int row = -1; // visible row
    int column = -1;
    QRect rect;
    bool selected = false;
    QString text; // the column's text, elided to the cell
    QColor textColor;
    QFont font;
};

// Paints the cells of one column and handles clicks in them. The base paints the text as the
// table does for columns without a delegate.
//
// A delegate keeps whatever it shows per row key; the table it is set on (which owns it) reads
// that when it paints, so a delegate must not paint anything it has not stored. Events go
// upwards through the deliverer given to the constructor (the walk starts at its parent), or
// through the table when it is null.
class KX_EXPORT CBaseTableColumnDelegate
{
public:
    explicit CBaseTableColumnDelegate(CEventDeliverer* deliverer = nullptr);
    virtual ~CBaseTableColumnDelegate();
    CBaseTableColumnDelegate(const CBaseTableColumnDelegate&) = delete;
    CBaseTableColumnDelegate& operator=(const CBaseTableColumnDelegate&) = delete;

    virtual void paint(QPainter& painter, const HpfTableCell& cell) const;
    // Whether pos falls on something of the cell that takes clicks; a press there leaves the
    // selection alone, and a release there calls click.
    virtual bool hitTest(const HpfTableCell& cell, const QPoint& pos) const;
    virtual void click(const HpfTableCell& cell, const QPoint& pos);
    // The width the cell needs (the table's adjustColumnWidth).
    virtual int preferredWidth(const HpfTableCell& cell, const QFontMetrics& metrics) const;
    // What the paint log records of the cell beside its text, e.g. {"checked": true}.
    virtual QVariantMap cellState(const QString& key) const;
    // Forgets every row's state.
    virtual void clear();
    virtual void themeChanged();

    CStandardHpfTable* table() const;

    // Paints cell.text the way the table paints plain cells.
    static void paintText(QPainter& painter, const HpfTableCell& cell);

protected:
    void deliverEvent(int eventId, int b, const QString& text, void* data);
    // Repaints the table when update is true.
    void updateTable(bool update);

private:
    friend class CStandardHpfTable;
    void setTable(CStandardHpfTable* table);

    CEventDeliverer* m_deliverer;
    QPointer<CStandardHpfTable> m_table;
};

} // namespace Kx
