#include "kx/CTreeWidget.h"
#include "kx/CUiResource.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace Kx {

namespace {

constexpr int kRowHeight = 18; // the item with its margin on either side
constexpr int kItemMargin = 1;
constexpr int kScrollBarThickness = 7;
constexpr int kScrollHandleMinimum = 20;

const QString kBackground = QStringLiteral("clr_nav_tree_bg");
const QString kSelectionBackground = QStringLiteral("clr_nav_tree_selection_bg");
const QString kHoverBackground = QStringLiteral("clr_nav_tree_hover_bg");
const QString kSelectedText = QStringLiteral("clr_text_highlight_default");
const QString kBranchOpen = QStringLiteral("img_tree_view_branch_open");
const QString kBranchClose = QStringLiteral("img_tree_view_branch_close");
const QString kBranchOpenHover = QStringLiteral("img_tree_view_branch_open_hover");
const QString kBranchCloseHover = QStringLiteral("img_tree_view_branch_close_hover");
const QString kScrollBackground = QStringLiteral("clr_scrollbar_background");
const QString kScrollSlider = QStringLiteral("clr_scrollbar_slider");
const QString kScrollSliderHover = QStringLiteral("clr_scrollbar_slider_hover");
const QString kScrollSliderPressed = QStringLiteral("clr_scrollbar_slider_pressed");

// A node keeps its id, and its row under its parent: nodes are only ever appended, so the row
// stays true and a model index is found without searching the parent's children.
class NodeItem : public QTreeWidgetItem
{
public:
    NodeItem(int id, int row, const QString& text) : QTreeWidgetItem(UserType), m_id(id), m_row(row)
    {
        setText(0, text);
    }

    QVariant data(int column, int role) const override
    {
        if (role == CTreeWidget::NodeIdRole)
            return m_id;
        return QTreeWidgetItem::data(column, role);
    }

    int id() const { return m_id; }
    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }

private:
    int m_id;
    int m_row;
};

NodeItem* node(QTreeWidgetItem* item)
{
    return item && item->type() == QTreeWidgetItem::UserType ? static_cast<NodeItem*>(item) : nullptr;
}

QString background(CUiResource* resource, const QString& key)
{
    return QStringLiteral("background-") + resource->getColorSheetByKey(key);
}

} // namespace

CTreeWidget::CTreeWidget(int id, QWidget* parent) : CEventWidgetT<QTreeWidget>(parent), m_id(id)
{
    setColumnCount(1);
    setHeaderHidden(true);
    // Rows differ in height (the module's roots are taller than their children), so uniform
    // heights are off; with per-item scrolling the view measures only the rows it shows, and
    // measured at 100,000 nodes the two settings cost the same.
    setUniformRowHeights(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(this, &QTreeWidget::itemClicked, this, &CTreeWidget::onItemClicked);
    applyStyle();
}

CTreeWidget::~CTreeWidget() = default;

int CTreeWidget::id() const
{
    return m_id;
}

QTreeWidgetItem* CTreeWidget::item(int id) const
{
    return m_items.value(id, nullptr);
}

int CTreeWidget::takeFreeIds(int count)
{
    int first = m_nextId;
    for (int candidate = first; candidate < first + count; ++candidate) {
        if (m_items.contains(candidate))
            first = candidate + 1;
    }
    m_nextId = first + count;
    return first;
}

int CTreeWidget::addNode(int parentId, const QString& text, int id)
{
    if (id == 0 || id < -1 || m_items.contains(id))
        return -1;
    QTreeWidgetItem* parentItem = parentId == 0 ? invisibleRootItem() : item(parentId);
    if (!parentItem)
        return -1;
    if (id == -1)
        id = takeFreeIds(1);
    auto* child = new NodeItem(id, parentItem->childCount(), text);
    m_items.insert(id, child);
    parentItem->addChild(child);
    return id;
}

QVector<int> CTreeWidget::addNodes(int parentId, const QStringList& texts)
{
    QTreeWidgetItem* parentItem = parentId == 0 ? invisibleRootItem() : item(parentId);
    if (!parentItem || texts.isEmpty())
        return {};
    const int first = takeFreeIds(texts.size());
    const int firstRow = parentItem->childCount();
    QVector<int> ids;
    ids.reserve(texts.size());
    QList<QTreeWidgetItem*> children;
    children.reserve(texts.size());
    m_items.reserve(m_items.size() + texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        auto* child = new NodeItem(first + i, firstRow + i, texts.at(i));
        m_items.insert(first + i, child);
        children.append(child);
        ids.append(first + i);
    }
    // One insertion: the model and the view hear of the whole batch once.
    parentItem->addChildren(children);
    return ids;
}

void CTreeWidget::clearNodes()
{
    clear();
    m_items.clear();
    m_fontKeys.clear();
    m_nextId = 1;
}

void CTreeWidget::removeChildren(int parentId)
{
    QTreeWidgetItem* parentItem = parentId == 0 ? invisibleRootItem() : item(parentId);
    if (!parentItem)
        return;
    const QList<QTreeWidgetItem*> children = parentItem->takeChildren();
    QList<QTreeWidgetItem*> below = children;
    while (!below.isEmpty()) {
        QTreeWidgetItem* node = below.takeLast();
        const int id = node->data(0, NodeIdRole).toInt();
        m_items.remove(id);
        m_fontKeys.remove(id);
        for (int i = 0; i < node->childCount(); ++i)
            below.append(node->child(i));
    }
    qDeleteAll(children);
}

bool CTreeWidget::hasNode(int id) const
{
    return m_items.contains(id);
}

int CTreeWidget::nodeCount() const
{
    return m_items.size();
}

QString CTreeWidget::nodeText(int id) const
{
    const QTreeWidgetItem* found = item(id);
    return found ? found->text(0) : QString();
}

int CTreeWidget::parentOf(int id) const
{
    const QTreeWidgetItem* found = item(id);
    if (!found)
        return -1;
    const NodeItem* parentNode = node(found->parent());
    return parentNode ? parentNode->id() : 0;
}

QVector<int> CTreeWidget::childIds(int parentId) const
{
    const QTreeWidgetItem* parentItem = parentId == 0 ? invisibleRootItem() : item(parentId);
    QVector<int> ids;
    if (!parentItem)
        return ids;
    const int count = parentItem->childCount();
    ids.reserve(count);
    for (int row = 0; row < count; ++row) {
        if (const NodeItem* child = node(parentItem->child(row)))
            ids.append(child->id());
    }
    return ids;
}

void CTreeWidget::setNodeFont(int id, const QString& fontKey)
{
    QTreeWidgetItem* found = item(id);
    if (!found)
        return;
    m_fontKeys.insert(id, fontKey);
    found->setFont(0, *utils::CSingletonT<CUiResource>::instance()->getFont(fontKey));
}

void CTreeWidget::setNodeSize(int id, const QSize& size)
{
    if (QTreeWidgetItem* found = item(id))
        found->setSizeHint(0, size);
}

void CTreeWidget::setNodeExpanded(int id, bool expanded)
{
    if (QTreeWidgetItem* found = item(id))
        setExpanded(nodeIndex(found), expanded);
}

QModelIndex CTreeWidget::nodeIndex(QTreeWidgetItem* target) const
{
    NodeItem* found = node(target);
    if (!found)
        return QModelIndex();
    QTreeWidgetItem* parentItem = found->parent();
    const QModelIndex parentIndex = parentItem ? nodeIndex(parentItem) : QModelIndex();
    if (!parentItem)
        parentItem = invisibleRootItem();
    if (parentItem->child(found->row()) != found)
        found->setRow(parentItem->indexOfChild(found));
    return model()->index(found->row(), 0, parentIndex);
}

QItemSelection CTreeWidget::selectionOf(const QSet<QTreeWidgetItem*>& items) const
{
    // Runs of consecutive rows under one parent become one range each.
    std::vector<std::pair<QTreeWidgetItem*, int>> rows;
    rows.reserve(size_t(items.size()));
    for (QTreeWidgetItem* found : items)
        rows.emplace_back(found->parent(), nodeIndex(found).row());
    std::sort(rows.begin(), rows.end());
    QItemSelection selection;
    size_t start = 0;
    for (size_t i = 1; i <= rows.size(); ++i) {
        if (i < rows.size() && rows[i].first == rows[start].first && rows[i].second == rows[i - 1].second + 1)
            continue;
        const QModelIndex parentIndex = rows[start].first ? nodeIndex(rows[start].first) : QModelIndex();
        selection.select(model()->index(rows[start].second, 0, parentIndex),
                         model()->index(rows[i - 1].second, 0, parentIndex));
        start = i;
    }
    return selection;
}

void CTreeWidget::setNodesSelected(const QVector<int>& ids, bool selected)
{
    QSet<QTreeWidgetItem*> chosen;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    chosen.reserve(indexes.size() + (selected ? ids.size() : 0));
    for (const QModelIndex& index : indexes)
        chosen.insert(itemFromIndex(index));
    bool changed = false;
    for (int id : ids) {
        QTreeWidgetItem* found = item(id);
        if (!found)
            continue;
        if (!selected)
            changed |= chosen.remove(found);
        else if (!chosen.contains(found)) {
            chosen.insert(found);
            changed = true;
        }
    }
    if (!changed)
        return;
    // The selection model compares the ranges before a change with those after it pair by pair:
    // a thousand scattered nodes replacing a thousand others take a tenth of a second that way.
    // Clearing, then selecting the whole new state, costs one pass each. The view would look up
    // the rows of every range to repaint just them; one repaint of what is shown is cheaper.
    const QItemSelection selection = selectionOf(chosen);
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    selectionModel()->clearSelection();
    selectionModel()->select(selection, QItemSelectionModel::Select);
    setUpdatesEnabled(updates);
}

void CTreeWidget::setNodeSelected(int id, bool selected)
{
    setNodesSelected({id}, selected);
}

bool CTreeWidget::isNodeSelected(int id) const
{
    QTreeWidgetItem* found = item(id);
    return found && selectionModel()->isSelected(nodeIndex(found));
}

QVector<int> CTreeWidget::selectedNodes() const
{
    QVector<int> ids;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    ids.reserve(indexes.size());
    for (const QModelIndex& index : indexes) {
        if (const NodeItem* found = node(itemFromIndex(index)))
            ids.append(found->id());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void CTreeWidget::clearNodeSelection()
{
    selectionModel()->clearSelection();
}

void CTreeWidget::scrollToNode(int id)
{
    if (QTreeWidgetItem* found = item(id))
        scrollTo(nodeIndex(found));
}

int CTreeWidget::nodeAt(const QPoint& viewportPos) const
{
    const NodeItem* found = node(itemAt(viewportPos));
    return found ? found->id() : -1;
}

QRect CTreeWidget::nodeRect(int id) const
{
    QTreeWidgetItem* found = item(id);
    return found ? visualRect(nodeIndex(found)) : QRect();
}

void CTreeWidget::themeChanged()
{
    applyStyle();
    CUiResource* resource = utils::CSingletonT<CUiResource>::instance();
    for (auto it = m_fontKeys.cbegin(); it != m_fontKeys.cend(); ++it) {
        if (QTreeWidgetItem* found = item(it.key()))
            found->setFont(0, *resource->getFont(it.value()));
    }
}

void CTreeWidget::applyStyle()
{
    CUiResource* resource = utils::CSingletonT<CUiResource>::instance();
    const QString bg = background(resource, kBackground);
    QString sheet;
    sheet += QStringLiteral("QTreeView { border: none; outline: 0; %1 }\n").arg(bg);
    sheet += QStringLiteral("QTreeView::item { height: %1px; margin: %2px; }\n")
                 .arg(kRowHeight - 2 * kItemMargin)
                 .arg(kItemMargin);
    sheet += QStringLiteral("QTreeView::item:hover { %1 }\n").arg(background(resource, kHoverBackground));
    sheet +=
        QStringLiteral("QTreeView::item:selected { %1 %2 }\n")
            .arg(background(resource, kSelectionBackground), resource->getColorSheetByKey(kSelectedText));
    sheet += QStringLiteral("QTreeView::branch { %1 }\n").arg(bg);
    sheet += QStringLiteral("QTreeView::branch:has-children:closed { %1 }\n")
                 .arg(resource->getImageSheet(kBranchClose));
    sheet += QStringLiteral("QTreeView::branch:has-children:open { %1 }\n")
                 .arg(resource->getImageSheet(kBranchOpen));
    sheet += QStringLiteral("QTreeView::branch:has-children:closed:hover { %1 }\n")
                 .arg(resource->getImageSheet(kBranchCloseHover));
    sheet += QStringLiteral("QTreeView::branch:has-children:open:hover { %1 }\n")
                 .arg(resource->getImageSheet(kBranchOpenHover));
    sheet += QStringLiteral("QScrollBar:vertical { width: %1px; margin: 0; border: none; %2 }\n")
                 .arg(kScrollBarThickness)
                 .arg(background(resource, kScrollBackground));
    sheet += QStringLiteral("QScrollBar:horizontal { height: %1px; margin: 0; border: none; %2 }\n")
                 .arg(kScrollBarThickness)
                 .arg(background(resource, kScrollBackground));
    sheet += QStringLiteral("QScrollBar::handle:vertical { min-height: %1px; }\n").arg(kScrollHandleMinimum);
    sheet += QStringLiteral("QScrollBar::handle:horizontal { min-width: %1px; }\n").arg(kScrollHandleMinimum);
    sheet += QStringLiteral("QScrollBar::handle { border: none; border-radius: %1px; %2 }\n")
                 .arg(kScrollBarThickness / 2)
                 .arg(background(resource, kScrollSlider));
    sheet +=
        QStringLiteral("QScrollBar::handle:hover { %1 }\n").arg(background(resource, kScrollSliderHover));
    sheet +=
        QStringLiteral("QScrollBar::handle:pressed { %1 }\n").arg(background(resource, kScrollSliderPressed));
    sheet += QStringLiteral("QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; "
                            "background: none; }\n");
    sheet += QStringLiteral("QScrollBar::add-page, QScrollBar::sub-page { background: none; }\n");
    setStyleSheet(sheet);
}

void CTreeWidget::onItemClicked(QTreeWidgetItem* clicked, int)
{
    if (const NodeItem* found = node(clicked))
        deliverEvent(EventNodeClicked, m_id, found->id(), found->text(0), nullptr);
}

} // namespace Kx
