#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CUiResource.h"

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

CBaseTableColumnMultiButtonsDelegate::~CBaseTableColumnMultiButtonsDelegate() = default;

void CBaseTableColumnMultiButtonsDelegate::setItemButtons(const QString& key,
                                                          const QList<ButtonData>& buttons, bool update)
{
    Item& item = m_items[key];
    item.buttons = buttons;
    measure(item);
    updateTable(update);
}

QList<CBaseTableColumnMultiButtonsDelegate::ButtonData>
CBaseTableColumnMultiButtonsDelegate::itemButtons(const QString& key) const
{
    return m_items.value(key).buttons;
}

void CBaseTableColumnMultiButtonsDelegate::setItemVisible(const QString& key, bool visible, bool update)
{
    m_items[key].visible = visible;
    updateTable(update);
}

bool CBaseTableColumnMultiButtonsDelegate::isItemVisible(const QString& key) const
{
    const auto it = m_items.constFind(key);
    return it != m_items.cend() && it->visible && !it->buttons.isEmpty();
}

void CBaseTableColumnMultiButtonsDelegate::clear()
{
    m_items.clear();
    updateTable(true);
}

QVector<QRect> CBaseTableColumnMultiButtonsDelegate::buttonRects(const QString& key, const QRect& cell) const
{
    QVector<QRect> rects;
    const auto it = m_items.constFind(key);
    if (it == m_items.cend() || !it->visible)
        return rects;
    int x = cell.left() + CStandardHpfTable::kCellPadding;
    const int height = cell.height() - 2 * kButtonMargin;
    for (int width : it->widths) {
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
    const QList<ButtonData>& buttons = m_items.constFind(cell.key)->buttons;
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
    ButtonData button = m_items.value(cell.key).buttons.at(index);
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
    for (const ButtonData& button : m_items.value(key).buttons) {
        buttons.append(QVariantMap{{QStringLiteral("id"), button.id},
                                   {QStringLiteral("text"), button.text},
                                   {QStringLiteral("enabled"), !button.flag}});
    }
    return QVariantMap{{QStringLiteral("buttons"), buttons}};
}

void CBaseTableColumnMultiButtonsDelegate::themeChanged()
{
    resolveResources();
    for (Item& item : m_items)
        measure(item);
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

void CBaseTableColumnMultiButtonsDelegate::measure(Item& item) const
{
    const QFontMetrics metrics(m_font);
    item.widths.clear();
    for (const ButtonData& button : item.buttons)
        item.widths.append(metrics.horizontalAdvance(button.text) + 2 * kButtonPadding);
}

} // namespace Kx
