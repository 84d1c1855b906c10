#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CUiResource.h"
#include "HpfDisposal.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVariantList>

namespace Kx {

namespace {
const QString kFont = QStringLiteral("fnt_default_normal");
const QString kLinkText = QStringLiteral("clr_table_row_button_text");
const QString kLinkDisabled = QStringLiteral("clr_table_row_button_disabled");
const QString kFill = QStringLiteral("clr_btn_normal");
const QString kFillDisabled = QStringLiteral("clr_btn_disable");
const QString kFillText = QStringLiteral("clr_btn_text");
} // namespace

CBaseTableColumnMultiButtonsDelegate::CBaseTableColumnMultiButtonsDelegate(CEventDeliverer* deliverer)
    : CBaseTableColumnDelegate(deliverer)
{
    resolveResources();
}

CBaseTableColumnMultiButtonsDelegate::~CBaseTableColumnMultiButtonsDelegate()
{
    const int count = m_items.size();
    disposeAway(std::move(m_items), count);
}

bool CBaseTableColumnMultiButtonsDelegate::ButtonData::operator==(const ButtonData& other) const
{
    return type == other.type && id == other.id && flag == other.flag && text == other.text &&
           extra == other.extra;
}

void CBaseTableColumnMultiButtonsDelegate::setItemButtons(const QString& key,
                                                          const QList<ButtonData>& buttons, bool update)
{
    if (!m_lastMeasured || m_lastMeasured->buttons != buttons)
        m_lastMeasured = measured(buttons);
    m_items[key].buttons = m_lastMeasured;
    updateTable(update);
}

QList<CBaseTableColumnMultiButtonsDelegate::ButtonData>
CBaseTableColumnMultiButtonsDelegate::itemButtons(const QString& key) const
{
    const auto it = m_items.constFind(key);
    return it != m_items.cend() && it->buttons ? it->buttons->buttons : QList<ButtonData>();
}

void CBaseTableColumnMultiButtonsDelegate::setItemVisible(const QString& key, bool visible, bool update)
{
    m_items[key].visible = visible;
    updateTable(update);
}

bool CBaseTableColumnMultiButtonsDelegate::isItemVisible(const QString& key) const
{
    const auto it = m_items.constFind(key);
    return it != m_items.cend() && it->visible && it->buttons && !it->buttons->buttons.isEmpty();
}

void CBaseTableColumnMultiButtonsDelegate::removeItem(const QString& key, bool update)
{
    m_items.remove(key);
    updateTable(update);
}

void CBaseTableColumnMultiButtonsDelegate::clear()
{
    setItems(Items(), true);
}

CBaseTableColumnMultiButtonsDelegate::ButtonsPtr
CBaseTableColumnMultiButtonsDelegate::measured(const QList<ButtonData>& buttons) const
{
    auto made = std::make_shared<Buttons>();
    made->buttons = buttons;
    const QFontMetrics metrics(m_font);
    for (const ButtonData& button : buttons)
        made->widths.append(metrics.horizontalAdvance(button.text) + 2 * kButtonPadding);
    return made;
}

CBaseTableColumnMultiButtonsDelegate::Items
CBaseTableColumnMultiButtonsDelegate::makeItems(const QStringList& keys, const ButtonsPtr& buttons, bool visible)
{
    Items items;
    items.reserve(keys.size());
    for (const QString& key : keys)
        items.insert(key, Item{buttons, visible});
    return items;
}

void CBaseTableColumnMultiButtonsDelegate::setItems(Items items, bool update)
{
    const int count = m_items.size();
    m_items.swap(items);
    disposeAway(std::move(items), count);
    updateTable(update);
}

QVector<QRect> CBaseTableColumnMultiButtonsDelegate::buttonRects(const QString& key, const QRect& cell) const
{
    QVector<QRect> rects;
    const auto it = m_items.constFind(key);
    if (it == m_items.cend() || !it->visible || !it->buttons)
        return rects;
    int x = cell.left() + CStandardHpfTable::kCellPadding;
    const int height = cell.height() - 2 * kButtonMargin;
    for (int width : it->buttons->widths) {
        rects.append(QRect(x, cell.top() + kButtonMargin, width, height));
        x += width + kButtonGap;
    }
    return rects;
}

void CBaseTableColumnMultiButtonsDelegate::paint(QPainter& painter, const HpfTableCell& cell) const
{
    const QVector<QRect> rects = buttonRects(cell.key, cell.rect);
    if (rects.isEmpty())
        return;
    const QList<ButtonData>& buttons = m_items.constFind(cell.key)->buttons->buttons;
    painter.setFont(m_font);
    for (int i = 0; i < rects.size(); ++i) {
        const ButtonData& button = buttons.at(i);
        if (button.type == TypeFilled) {
            painter.fillRect(rects[i], !button.flag ? m_fill : m_fillDisabled);
            painter.setPen(m_fillText);
        } else {
            painter.setPen(!button.flag ? m_linkText : m_linkDisabled);
        }
        painter.drawText(rects[i], Qt::AlignCenter | Qt::TextSingleLine, button.text);
    }
}

int CBaseTableColumnMultiButtonsDelegate::buttonAt(const HpfTableCell& cell, const QPoint& pos) const
{
    const QVector<QRect> rects = buttonRects(cell.key, cell.rect);
    for (int i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(pos) && rects[i].right() <= cell.rect.right())
            return i;
    }
    return -1;
}

bool CBaseTableColumnMultiButtonsDelegate::hitTest(const HpfTableCell& cell, const QPoint& pos) const
{
    return buttonAt(cell, pos) >= 0;
}

void CBaseTableColumnMultiButtonsDelegate::click(const HpfTableCell& cell, const QPoint& pos)
{
    const int index = buttonAt(cell, pos);
    if (index < 0)
        return;
    // A copy: the receiver may change the row's buttons.
    ButtonData button = m_items.value(cell.key).buttons->buttons.at(index);
    if (!button.flag)
        deliverEvent(EventButtonClicked, button.id, cell.key, &button);
}

int CBaseTableColumnMultiButtonsDelegate::preferredWidth(const HpfTableCell& cell, const QFontMetrics&) const
{
    const QVector<QRect> rects = buttonRects(cell.key, QRect(0, 0, 0, 0));
    return rects.isEmpty() ? 0 : rects.last().right() + 1 + CStandardHpfTable::kCellPadding;
}

QVariantMap CBaseTableColumnMultiButtonsDelegate::cellState(const QString& key) const
{
    if (!isItemVisible(key))
        return QVariantMap();
    QVariantList buttons;
    for (const ButtonData& button : m_items.value(key).buttons->buttons) {
        buttons.append(QVariantMap{{QStringLiteral("id"), button.id},
                                   {QStringLiteral("text"), button.text},
                                   {QStringLiteral("enabled"), !button.flag}});
    }
    return QVariantMap{{QStringLiteral("buttons"), buttons}};
}

void CBaseTableColumnMultiButtonsDelegate::themeChanged()
{
    resolveResources();
    // Rows that shared their buttons share them measured anew.
    QHash<const Buttons*, ButtonsPtr> remeasured;
    for (Item& item : m_items) {
        if (!item.buttons)
            continue;
        ButtonsPtr& again = remeasured[item.buttons.get()];
        if (!again)
            again = measured(item.buttons->buttons);
        item.buttons = again;
    }
    m_lastMeasured.reset();
}

void CBaseTableColumnMultiButtonsDelegate::resolveResources()
{
    auto* resource = utils::CSingletonT<CUiResource>::instance();
    m_font = *resource->getFont(kFont);
    m_linkText = *resource->getColor(kLinkText);
    m_linkDisabled = *resource->getColor(kLinkDisabled);
    m_fill = *resource->getColor(kFill);
    m_fillDisabled = *resource->getColor(kFillDisabled);
    m_fillText = *resource->getColor(kFillText);
}

} // namespace Kx
