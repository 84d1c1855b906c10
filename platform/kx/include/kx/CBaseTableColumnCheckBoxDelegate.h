#pragma once

#include "kx/CBaseTableColumnDelegate.h"
#include "kx/KxGlobal.h"

#include <QHash>
#include <QMap>
#include <QStringList>

#include <functional>

namespace Kx {

// A check box in the cells of the rows that were given one (setItemVisible, or setItemChecked
// for a row without a box yet); other rows show nothing. A click on a box toggles it and
// delivers event 227 (EventCheckChanged): a = the table's id, b = 1 checked / 0 unchecked,
// text = the row key. No widget per row: the boxes are painted and hit-tested.
//
// Colours "clr_table_checkbox_border", "clr_table_checkbox_checked", "clr_table_checkbox_mark".
class KX_EXPORT CBaseTableColumnCheckBoxDelegate : public CBaseTableColumnDelegate
{
public:
    enum
    {
        EventCheckChanged = 227
    };
    static constexpr int kBoxSize = 14;

    struct State
    {
        bool visible = false;
        bool checked = false;
    };
    using States = QHash<QString, State>;

    explicit CBaseTableColumnCheckBoxDelegate(CEventDeliverer* deliverer);
    ~CBaseTableColumnCheckBoxDelegate() override;

    // A hidden box keeps its state for when it is shown again.
    void setItemVisible(const QString& key, bool visible, bool update);
    // notify: deliver event 227 as a click would.
    void setItemChecked(const QString& key, bool checked, bool update, bool notify);
    bool isItemVisible(const QString& key) const;
    bool isItemChecked(const QString& key) const;
    // key → checked, for every row whose box is shown.
    QMap<QString, bool> getStatusMap() const;
    // Forgets the row's box.
    void removeItem(const QString& key, bool update);
    void clear() override;

    // The boxes of many rows at once: built on any thread, then put in place of every box in one
    // step, so that a list of a million rows does not hash its keys on the GUI thread.
    static States makeStates(const QStringList& keys, bool visible, bool checked);
    void setStates(States states, bool update);
    // Every box, as a shared copy (O(1)) that may be read on another thread, e.g. by keysOf.
    States states() const;
    // The keys of the shown boxes (only the checked ones when checkedOnly) in key order, as
    // getStatusMap walks them; any thread.
    static QStringList keysOf(const States& states, bool checkedOnly);
    // keysOf over the current boxes, handed to `done` on the GUI thread: at once for a short
    // list, else once a worker has sorted them (half a million keys take longer than a frame).
    // Nothing is handed over once `context` is gone.
    void keysLater(bool checkedOnly, QObject* context, std::function<void(QStringList)> done) const;

    void paint(QPainter& painter, const HpfTableCell& cell) const override;
    bool hitTest(const HpfTableCell& cell, const QPoint& pos) const override;
    void click(const HpfTableCell& cell, const QPoint& pos) override;
    int preferredWidth(const HpfTableCell& cell, const QFontMetrics& metrics) const override;
    QVariantMap cellState(const QString& key) const override;
    void themeChanged() override;

    // Where the box of a cell is drawn.
    static QRect boxRect(const QRect& cell);

private:
    void resolveColors();

    QHash<QString, State> m_states;
    QColor m_border;
    QColor m_checked;
    QColor m_mark;
};

} // namespace Kx
