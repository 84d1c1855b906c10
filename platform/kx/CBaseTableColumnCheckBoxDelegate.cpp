#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CStandardHpfTable.h"
#include "kx/CUiResource.h"
#include "HpfDisposal.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThreadPool>

#include <memory>

#include <algorithm>

namespace Kx {

namespace {
const QString kBorderColor = QStringLiteral("clr_table_checkbox_border");
const QString kCheckedColor = QStringLiteral("clr_table_checkbox_checked");
const QString kMarkColor = QStringLiteral("clr_table_checkbox_mark");
constexpr int kHitMargin = 3; // a near miss still toggles
constexpr qreal kMarkWidth = 2;
constexpr int kSortKeysAwayFrom = 10000;
} // namespace

CBaseTableColumnCheckBoxDelegate::CBaseTableColumnCheckBoxDelegate(CEventDeliverer* deliverer)
    : CBaseTableColumnDelegate(deliverer)
{
    resolveColors();
}

CBaseTableColumnCheckBoxDelegate::~CBaseTableColumnCheckBoxDelegate()
{
    const int count = m_states.size();
    disposeAway(std::move(m_states), count);
}

void CBaseTableColumnCheckBoxDelegate::setItemVisible(const QString& key, bool visible, bool update)
{
    m_states[key].visible = visible;
    updateTable(update);
}

void CBaseTableColumnCheckBoxDelegate::setItemChecked(const QString& key, bool checked, bool update,
                                                      bool notify)
{
    auto it = m_states.find(key);
    if (it == m_states.end())
        it = m_states.insert(key, State{true, false});
    it->checked = checked;
    updateTable(update);
    if (notify)
        deliverEvent(EventCheckChanged, checked ? 1 : 0, key, nullptr);
}

bool CBaseTableColumnCheckBoxDelegate::isItemVisible(const QString& key) const
{
    return m_states.value(key).visible;
}

bool CBaseTableColumnCheckBoxDelegate::isItemChecked(const QString& key) const
{
    return m_states.value(key).checked;
}

QMap<QString, bool> CBaseTableColumnCheckBoxDelegate::getStatusMap() const
{
    QMap<QString, bool> map;
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        if (it->visible)
            map.insert(it.key(), it->checked);
    }
    return map;
}

void CBaseTableColumnCheckBoxDelegate::removeItem(const QString& key, bool update)
{
    m_states.remove(key);
    updateTable(update);
}

void CBaseTableColumnCheckBoxDelegate::clear()
{
    setStates(States(), true);
}

CBaseTableColumnCheckBoxDelegate::States CBaseTableColumnCheckBoxDelegate::makeStates(const QStringList& keys,
                                                                                     bool visible, bool checked)
{
    States states;
    states.reserve(keys.size());
    for (const QString& key : keys)
        states.insert(key, State{visible, checked});
    return states;
}

CBaseTableColumnCheckBoxDelegate::States CBaseTableColumnCheckBoxDelegate::states() const
{
    return m_states;
}

QStringList CBaseTableColumnCheckBoxDelegate::keysOf(const States& states, bool checkedOnly)
{
    QStringList keys;
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        if (it->visible && (it->checked || !checkedOnly))
            keys.append(it.key());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void CBaseTableColumnCheckBoxDelegate::keysLater(bool checkedOnly, QObject* context,
                                                 std::function<void(QStringList)> done) const
{
    States states = m_states;
    if (states.size() < kSortKeysAwayFrom) {
        done(keysOf(states, checkedOnly));
        return;
    }
    // The worker only copies the shared pointer; the QPointer is read on the GUI thread.
    auto target = std::make_shared<QPointer<QObject>>(context);
    QThreadPool::globalInstance()->start([states, checkedOnly, target, done]() mutable {
        QStringList keys = keysOf(states, checkedOnly);
        // Let go of the copy here: a removal on the GUI thread would otherwise copy every box.
        states = States();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [target, keys = std::move(keys), done]() {
                if (*target)
                    done(keys);
            },
            Qt::QueuedConnection);
    });
}

void CBaseTableColumnCheckBoxDelegate::setStates(States states, bool update)
{
    const int count = m_states.size();
    m_states.swap(states);
    disposeAway(std::move(states), count);
    updateTable(update);
}

QRect CBaseTableColumnCheckBoxDelegate::boxRect(const QRect& cell)
{
    return QRect(cell.center().x() - kBoxSize / 2, cell.center().y() - kBoxSize / 2, kBoxSize, kBoxSize);
}

void CBaseTableColumnCheckBoxDelegate::paint(QPainter& painter, const HpfTableCell& cell) const
{
    const auto it = m_states.constFind(cell.key);
    if (it == m_states.cend() || !it->visible)
        return;
    const QRect box = boxRect(cell.rect);
    if (it->checked) {
        painter.fillRect(box, m_checked);
        QPainterPath mark;
        mark.moveTo(box.left() + 3, box.center().y());
        mark.lineTo(box.left() + 6, box.bottom() - 3);
        mark.lineTo(box.right() - 2, box.top() + 3);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_mark, kMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(mark);
        painter.restore();
    } else {
        painter.setPen(m_border);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

bool CBaseTableColumnCheckBoxDelegate::hitTest(const HpfTableCell& cell, const QPoint& pos) const
{
    return isItemVisible(cell.key) &&
           boxRect(cell.rect).adjusted(-kHitMargin, -kHitMargin, kHitMargin, kHitMargin).contains(pos);
}

void CBaseTableColumnCheckBoxDelegate::click(const HpfTableCell& cell, const QPoint& pos)
{
    if (hitTest(cell, pos))
        setItemChecked(cell.key, !isItemChecked(cell.key), true, true);
}

int CBaseTableColumnCheckBoxDelegate::preferredWidth(const HpfTableCell&, const QFontMetrics&) const
{
    return kBoxSize + 2 * CStandardHpfTable::kCellPadding;
}

QVariantMap CBaseTableColumnCheckBoxDelegate::cellState(const QString& key) const
{
    const auto it = m_states.constFind(key);
    if (it == m_states.cend() || !it->visible)
        return QVariantMap();
    return QVariantMap{{QStringLiteral("checked"), it->checked}};
}

void CBaseTableColumnCheckBoxDelegate::themeChanged()
{
    resolveColors();
}

void CBaseTableColumnCheckBoxDelegate::resolveColors()
{
    auto* resource = utils::CSingletonT<CUiResource>::instance();
    m_border = *resource->getColor(kBorderColor);
    m_checked = *resource->getColor(kCheckedColor);
    m_mark = *resource->getColor(kMarkColor);
}

} // namespace Kx
