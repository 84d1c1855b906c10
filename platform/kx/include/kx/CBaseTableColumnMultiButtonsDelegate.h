#pragma once

#include "kx/CBaseTableColumnDelegate.h"
#include "kx/KxGlobal.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QVariant>
#include <QVector>

namespace Kx {

// A row of small buttons in the cells of the rows that were given buttons, left to right. A
// click on an enabled button delivers event 228 (EventButtonClicked): a = the table's id,
// b = the button's id, text = the row key, data = the ButtonData (valid during the call). No
// widget per row: the buttons are painted and hit-tested.
//
// Looks: TypeLink is coloured text ("clr_table_row_button_text", disabled
// "clr_table_row_button_disabled"); TypeFilled a filled button ("clr_btn_normal" with
// "clr_btn_text", disabled "clr_btn_disable"). Font "fnt_default_normal".
class KX_EXPORT CBaseTableColumnMultiButtonsDelegate : public CBaseTableColumnDelegate
{
public:
    enum
    {
        EventButtonClicked = 228
    };
    enum ButtonType
    {
        TypeLink = 0,
        TypeFilled = 1
    };
    static constexpr int kButtonPadding = 6; // left and right of the text
    static constexpr int kButtonGap = 6;
    static constexpr int kButtonMargin = 4; // above and below

    // Aggregate order: {type, text, id, flag, extra}.
    struct ButtonData
    {
        int type = TypeLink;
        QString text;
        int id = 0;
        bool flag = false; // true: shown disabled, clicks ignored
        QMap<QString, QVariant> extra;
    };

    explicit CBaseTableColumnMultiButtonsDelegate(CEventDeliverer* deliverer);
    ~CBaseTableColumnMultiButtonsDelegate() override;

    void setItemButtons(const QString& key, const QList<ButtonData>& buttons, bool update);
    QList<ButtonData> itemButtons(const QString& key) const;
    // Hides or shows all buttons of the row; they are kept.
    void setItemVisible(const QString& key, bool visible, bool update);
    bool isItemVisible(const QString& key) const;
    void clear() override;

    // Where the buttons of the row would be drawn in a cell (empty when it shows none).
    QVector<QRect> buttonRects(const QString& key, const QRect& cell) const;

    void paint(QPainter& painter, const HpfTableCell& cell) const override;
    bool hitTest(const HpfTableCell& cell, const QPoint& pos) const override;
    void click(const HpfTableCell& cell, const QPoint& pos) override;
    int preferredWidth(const HpfTableCell& cell, const QFontMetrics& metrics) const override;
    QVariantMap cellState(const QString& key) const override;
    void themeChanged() override;

private:
    struct Item
    {
        QList<ButtonData> buttons;
        QVector<int> widths;
        bool visible = true;
    };
    void resolveResources();
    void measure(Item& item) const;
    int buttonAt(const HpfTableCell& cell, const QPoint& pos) const;

    QHash<QString, Item> m_items;
    QFont m_font;
    QColor m_linkText;
    QColor m_linkDisabled;
    QColor m_fill;
    QColor m_fillDisabled;
    QColor m_fillText;
};

using ButtonData = CBaseTableColumnMultiButtonsDelegate::ButtonData;

} // namespace Kx
