#pragma once

#include "kx/CBaseTableColumnDelegate.h"
#include "kx/KxGlobal.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

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

        bool operator==(const ButtonData& other) const;
    };
    // A row's buttons with their measured widths, shared by the rows that show the same buttons.
    struct Buttons
    {
        QList<ButtonData> buttons;
        QVector<int> widths;
    };
    using ButtonsPtr = std::shared_ptr<const Buttons>;
    struct Item
    {
        ButtonsPtr buttons;
        bool visible = true;
    };
    using Items = QHash<QString, Item>;

    explicit CBaseTableColumnMultiButtonsDelegate(CEventDeliverer* deliverer);
    ~CBaseTableColumnMultiButtonsDelegate() override;

    void setItemButtons(const QString& key, const QList<ButtonData>& buttons, bool update);
    QList<ButtonData> itemButtons(const QString& key) const;
    // Hides or shows all buttons of the row; they are kept.
    void setItemVisible(const QString& key, bool visible, bool update);
    bool isItemVisible(const QString& key) const;
    // Forgets the row's buttons.
    void removeItem(const QString& key, bool update);
    void clear() override;

    // The buttons of many rows at once: measured once here (GUI thread), the rows' items built on
    // any thread, then put in place of every row's buttons in one step, so that a list of a
    // million rows neither measures nor hashes per row on the GUI thread.
    ButtonsPtr measured(const QList<ButtonData>& buttons) const;
    static Items makeItems(const QStringList& keys, const ButtonsPtr& buttons, bool visible);
    void setItems(Items items, bool update);

    // Where the buttons of the row would be drawn in a cell (empty when it shows none).
    QVector<QRect> buttonRects(const QString& key, const QRect& cell) const;

    void paint(QPainter& painter, const HpfTableCell& cell) const override;
    bool hitTest(const HpfTableCell& cell, const QPoint& pos) const override;
    void click(const HpfTableCell& cell, const QPoint& pos) override;
    int preferredWidth(const HpfTableCell& cell, const QFontMetrics& metrics) const override;
    QVariantMap cellState(const QString& key) const override;
    void themeChanged() override;

private:
    void resolveResources();
    int buttonAt(const HpfTableCell& cell, const QPoint& pos) const;

    Items m_items;
    ButtonsPtr m_lastMeasured; // rows given the same buttons one after the other share them
    QFont m_font;
    QColor m_linkText;
    QColor m_linkDisabled;
    QColor m_fill;
    QColor m_fillDisabled;
    QColor m_fillText;
};

using ButtonData = CBaseTableColumnMultiButtonsDelegate::ButtonData;

} // namespace Kx
