#pragma once

#include "kx/CEventWidgetT.h"
#include "kx/CUiResourceChangeHandler.h"
#include "kx/KxGlobal.h"

#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QVector>

class QItemSelection;

namespace Kx {

// A tree of text nodes, each known by an int id. Roots have the parent id 0; a node added without
// an id gets the next free one (ids given by the caller, such as the account types of an account
// tree, stay theirs). A click on a node delivers event 175 (EventNodeClicked) upwards with the
// tree's id, the node's id, the node's text and no data.
//
// Built for large trees: nodes are added a whole list at a time, a node is found by id in
// constant time, and a selection change over many nodes is one selection-model call. The tree
// takes its look from the theme: background "clr_nav_tree_bg", selection "clr_nav_tree_selection_bg",
// hover "clr_nav_tree_hover_bg", selected text "clr_text_highlight_default", the branch images
// "img_tree_view_branch_open", "img_tree_view_branch_close" and their "_hover" variants, items 18
// pixels high with a 1-pixel margin, and 7-pixel scroll bars without arrows (minimum handle 20,
// "clr_scrollbar_background", "clr_scrollbar_slider", "clr_scrollbar_slider_hover",
// "clr_scrollbar_slider_pressed"). It restyles itself on themeChanged.
class KX_EXPORT CTreeWidget : public CEventWidgetT<QTreeWidget>, public CUiResourceChangeHandler
{
    Q_OBJECT
public:
    enum
    {
        EventNodeClicked = 175
    };
    // The item data role that holds a node's id.
    static constexpr int NodeIdRole = Qt::UserRole;

    CTreeWidget(int id, QWidget* parent);
    ~CTreeWidget() override;

    int id() const;

    // Adds one node under parentId (0: a root) and returns its id, or -1 when the parent does not
    // exist or the id is taken (or is 0 or below -1). id -1: the next free id.
    int addNode(int parentId, const QString& text, int id = -1);
    // Adds the texts as children of parentId in order and returns their ids (consecutive, free
    // ones); empty when the parent does not exist.
    QVector<int> addNodes(int parentId, const QStringList& texts);
    // Removes every node; ids start again from 1.
    void clearNodes();
    // Removes the children of parentId (0: every root) with everything below them; their ids are
    // not given out again before clearNodes.
    void removeChildren(int parentId);

    bool hasNode(int id) const;
    int nodeCount() const;
    QString nodeText(int id) const;
    int parentOf(int id) const;      // 0 for a root, -1 for an unknown node
    QVector<int> childIds(int parentId) const; // parentId 0: the roots
    // The node's font by theme key, and its size hint.
    void setNodeFont(int id, const QString& fontKey);
    void setNodeSize(int id, const QSize& size);
    void setNodeExpanded(int id, bool expanded);

    // Selects (or deselects) every listed node that exists, in one change of the selection.
    void setNodesSelected(const QVector<int>& ids, bool selected);
    void setNodeSelected(int id, bool selected);
    bool isNodeSelected(int id) const;
    QVector<int> selectedNodes() const; // ascending ids
    void clearNodeSelection();
    void scrollToNode(int id);
    int nodeAt(const QPoint& viewportPos) const; // -1 where there is no node
    QRect nodeRect(int id) const;                 // in viewport coordinates; empty when not shown

    void themeChanged() override;

private:
    void applyStyle();
    void onItemClicked(QTreeWidgetItem* item, int column);
    QTreeWidgetItem* item(int id) const;
    QModelIndex nodeIndex(QTreeWidgetItem* item) const;
    QItemSelection selectionOf(const QSet<QTreeWidgetItem*>& items) const;
    // The first of count consecutive free ids, which are then taken.
    int takeFreeIds(int count);

    int m_id;
    int m_nextId = 1;
    QHash<int, QTreeWidgetItem*> m_items;
    QHash<int, QString> m_fontKeys; // nodes with a theme font, refreshed on themeChanged
};

} // namespace Kx
