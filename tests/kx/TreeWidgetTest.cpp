#include "ControlTestKit.h"

#include "kx/CTreeWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::Events;
using Ids = QVector<int>;

class TreeWidget : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        sink.resize(300, 400);
        tree->setGeometry(0, 0, 300, 400);
        // As the module sets its trees up.
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setStretchLastSection(false);
        sink.show();
    }

    // Two roots with given ids and three automatic children each: a (1), b (2) under 10; c, d, e under 20.
    void addTwoRoots()
    {
        ASSERT_EQ(tree->addNode(0, QStringLiteral("root ten"), 10), 10);
        ASSERT_EQ(tree->addNode(0, QStringLiteral("root twenty"), 20), 20);
        ASSERT_EQ(tree->addNodes(10, {QStringLiteral("a"), QStringLiteral("b")}), (Ids{1, 2}));
        ASSERT_EQ(tree->addNodes(20, {QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")}), (Ids{3, 4, 5}));
    }

    kit::EventSink sink;
    Kx::CTreeWidget* tree = new Kx::CTreeWidget(6, &sink);
};

TEST_F(TreeWidget, IdsGivenOrAutomaticSkipTakenOnesAndStartAgainAfterAClear)
{
    EXPECT_EQ(tree->addNode(0, QStringLiteral("r3"), 3), 3);
    EXPECT_EQ(tree->addNode(0, QStringLiteral("auto")), 1);
    EXPECT_EQ(tree->addNode(3, QStringLiteral("taken"), 1), -1);
    EXPECT_EQ(tree->addNode(99, QStringLiteral("orphan")), -1) << "unknown parent";
    EXPECT_EQ(tree->addNode(3, QStringLiteral("zero"), 0), -1);
    EXPECT_EQ(tree->addNode(3, QStringLiteral("negative"), -2), -1);
    EXPECT_EQ(tree->addNodes(99, {QStringLiteral("x")}), Ids{}) << "unknown parent";
    EXPECT_EQ(tree->nodeCount(), 2) << "a refused node takes no id";

    EXPECT_EQ(tree->addNode(3, QStringLiteral("c5"), 5), 5);
    // A batch takes consecutive free ids: 2, 3 and 4 cannot all be had (3 is taken), nor 4..6 (5).
    EXPECT_EQ(tree->addNodes(3, {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}), (Ids{6, 7, 8}));
    EXPECT_EQ(tree->addNode(3, QStringLiteral("next")), 9);
    EXPECT_EQ(tree->addNode(0, QStringLiteral("low"), 2), 2) << "a free id below the next one may be given";

    EXPECT_EQ(tree->childIds(0), (Ids{3, 1, 2}));
    EXPECT_EQ(tree->childIds(3), (Ids{5, 6, 7, 8, 9}));
    EXPECT_EQ(tree->childIds(42), Ids{});
    EXPECT_EQ(tree->nodeText(7), QStringLiteral("y"));
    EXPECT_EQ(tree->nodeText(42), QString());
    EXPECT_EQ(tree->parentOf(7), 3);
    EXPECT_EQ(tree->parentOf(3), 0);
    EXPECT_EQ(tree->parentOf(42), -1);
    EXPECT_EQ(tree->nodeCount(), 8);
    EXPECT_EQ(tree->topLevelItem(0)->child(2)->data(0, Kx::CTreeWidget::NodeIdRole).toInt(), 7);

    // Removing a node's children takes everything below them; their ids are not given again.
    EXPECT_EQ(tree->addNode(9, QStringLiteral("deep")), 10);
    tree->removeChildren(99);
    tree->removeChildren(3);
    EXPECT_EQ(tree->childIds(3), Ids{});
    EXPECT_EQ(tree->childIds(0), (Ids{3, 1, 2}));
    EXPECT_EQ(tree->nodeCount(), 3);
    EXPECT_FALSE(tree->hasNode(7));
    EXPECT_FALSE(tree->hasNode(10));
    EXPECT_EQ(tree->addNodes(3, {QStringLiteral("new")}), Ids{11});
    EXPECT_EQ(tree->childIds(3), Ids{11});

    tree->clearNodes();
    EXPECT_EQ(tree->nodeCount(), 0);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->addNodes(0, {QStringLiteral("again"), QStringLiteral("and again")}), (Ids{1, 2}));
}

TEST_F(TreeWidget, SelectsAndDeselectsListsOfNodesUnderEveryParent)
{
    addTwoRoots();
    tree->setNodesSelected({4, 1, 77, 10, 2, -1}, true);
    EXPECT_EQ(tree->selectedNodes(), (Ids{1, 2, 4, 10})) << "unknown ids are passed over";
    EXPECT_TRUE(tree->isNodeSelected(4));
    EXPECT_FALSE(tree->isNodeSelected(3)) << "rows 0 and 2 of a parent select no row between them";
    EXPECT_FALSE(tree->isNodeSelected(77));

    tree->setNodesSelected({3, 5}, true);
    EXPECT_EQ(tree->selectedNodes(), (Ids{1, 2, 3, 4, 5, 10})) << "a selection adds to the one before";
    tree->setNodesSelected({2, 4, 20, 99}, false);
    EXPECT_EQ(tree->selectedNodes(), (Ids{1, 3, 5, 10}));
    tree->setNodeSelected(20, true);
    tree->setNodeSelected(1, false);
    EXPECT_EQ(tree->selectedNodes(), (Ids{3, 5, 10, 20}));
    tree->clearNodeSelection();
    EXPECT_EQ(tree->selectedNodes(), Ids{});
    tree->setNodesSelected({10, 2, 4}, true);
    EXPECT_EQ(tree->selectedNodes(), (Ids{2, 4, 10})) << "row 0 of the roots and row 1 under each of them";
}

TEST_F(TreeWidget, AClickOnANodeDeliversEvent175WithTheTreeAndNodeIds)
{
    addTwoRoots();
    tree->setNodeExpanded(20, true);
    QApplication::processEvents();
    EXPECT_TRUE(tree->nodeRect(1).isEmpty()) << "under a collapsed root";
    const QRect rect = tree->nodeRect(4);
    ASSERT_FALSE(rect.isEmpty());
    EXPECT_EQ(tree->nodeAt(rect.center()), 4);
    EXPECT_EQ(tree->nodeAt(QPoint(5, 390)), -1);

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->nodeRect(10).center());
    EXPECT_EQ(sink.received, (Events{{175, 6, 4, QStringLiteral("d"), nullptr},
                                     {175, 6, 10, QStringLiteral("root ten"), nullptr}}));
    EXPECT_EQ(tree->selectedNodes(), Ids{10});
}

TEST_F(TreeWidget, TakesItsLookFromTheThemeAndRestylesOnAChange)
{
    addTwoRoots();
    tree->setNodeFont(10, QStringLiteral("ocv_fnt_groupwindow_navtree_txt"));
    tree->setNodeSize(10, QSize(100, 26));
    tree->setNodeExpanded(10, true);
    tree->setNodeExpanded(20, true);
    tree->setNodeSelected(2, true);
    QApplication::processEvents();
    EXPECT_EQ(tree->topLevelItem(0)->font(0), kit::themeFont("ocv_fnt_groupwindow_navtree_txt"));
    EXPECT_EQ(tree->nodeRect(10).height(), 26);
    EXPECT_EQ(tree->nodeRect(3).height(), 18);

    Kx::CTreeWidget other(7, nullptr);
    other.addNode(0, QStringLiteral("x"), 10);
    other.setNodeFont(10, QStringLiteral("ocv_fnt_groupwindow_navtree_txt"));
    other.clearNodes();
    other.addNode(0, QStringLiteral("y"), 10);

    // Distinct colours and pictures for each key, so that a key read in a neighbour's place shows.
    const kit::ScratchDir dir;
    for (const char* name : {"open", "close", "open_hover", "close_hover"})
        dir.write(QLatin1String(name) + QStringLiteral(".svg"),
                  R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"/>)");
    ASSERT_TRUE(dir.loadTheme(R"({
        "images": {"img_tree_view_branch_open": "open.svg", "img_tree_view_branch_close": "close.svg",
        "img_tree_view_branch_open_hover": "open_hover.svg", "img_tree_view_branch_close_hover": "close_hover.svg"},
        "colors": {
        "clr_nav_tree_bg": "#010101", "clr_nav_tree_selection_bg": "#020202",
        "clr_nav_tree_hover_bg": "#030303", "clr_text_highlight_default": "#040404",
        "clr_scrollbar_background": "#050505", "clr_scrollbar_slider": "#060606",
        "clr_scrollbar_slider_hover": "#070707", "clr_scrollbar_slider_pressed": "#080808"},
        "fonts": {"ocv_fnt_groupwindow_navtree_txt": {"family": "DejaVu Sans", "pixelSize": 21}}})"));
    const QString sheet = tree->styleSheet();
    auto rule = [&](const QString& selector) {
        const int at = sheet.indexOf(selector + QStringLiteral(" {"));
        return at < 0 ? QString() : sheet.mid(at, sheet.indexOf(QLatin1Char('}'), at) - at);
    };
    EXPECT_TRUE(rule("QTreeView").contains("background-color: #010101;")) << sheet.toStdString();
    EXPECT_TRUE(rule("QTreeView::item:selected").contains("background-color: #020202;"));
    EXPECT_TRUE(rule("QTreeView::item:selected").contains(" color: #040404;"));
    EXPECT_TRUE(rule("QTreeView::item:hover").contains("background-color: #030303;"));
    EXPECT_TRUE(rule("QScrollBar:vertical").contains("background-color: #050505;"));
    EXPECT_TRUE(rule("QScrollBar::handle").contains("background-color: #060606;"));
    EXPECT_TRUE(rule("QScrollBar::handle:hover").contains("background-color: #070707;"));
    EXPECT_TRUE(rule("QScrollBar::handle:pressed").contains("background-color: #080808;"));
    EXPECT_TRUE(rule("QTreeView::branch:has-children:open").contains("/open.svg)"));
    EXPECT_TRUE(rule("QTreeView::branch:has-children:closed").contains("/close.svg)"));
    EXPECT_TRUE(rule("QTreeView::branch:has-children:open:hover").contains("/open_hover.svg)"));
    EXPECT_TRUE(rule("QTreeView::branch:has-children:closed:hover").contains("/close_hover.svg)"));
    EXPECT_EQ(tree->topLevelItem(0)->font(0).pixelSize(), 21) << "fonts follow the theme too";
    EXPECT_NE(other.topLevelItem(0)->font(0).pixelSize(), 21) << "a cleared node's font is forgotten";

    const QImage shot = tree->viewport()->grab().toImage();
    auto insideMargin = [&](int id) { return tree->nodeRect(id).topRight() + QPoint(-1, 1); };
    EXPECT_EQ(shot.pixelColor(insideMargin(2)), QColor(2, 2, 2)) << "selected node";
    EXPECT_EQ(shot.pixelColor(insideMargin(3)), QColor(1, 1, 1)) << "plain node";
    EXPECT_EQ(shot.pixelColor(tree->viewport()->width() - 2, 395), QColor(1, 1, 1)) << "below the nodes";

    // Enough nodes, and a wide enough one, that either handle would be shorter than its minimum.
    tree->addNodes(20, QVector<QString>(2000, QStringLiteral("n")).toList());
    tree->addNode(10, QString(3000, QLatin1Char('w')));
    tree->resize(150, 200);
    QApplication::processEvents();
    auto handle = [](QScrollBar* bar) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        if (bar->orientation() == Qt::Horizontal)
            option.state |= QStyle::State_Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    };
    ASSERT_TRUE(tree->verticalScrollBar()->isVisible());
    ASSERT_TRUE(tree->horizontalScrollBar()->isVisible());
    EXPECT_EQ(tree->verticalScrollBar()->width(), 7);
    EXPECT_EQ(tree->horizontalScrollBar()->height(), 7);
    EXPECT_EQ(handle(tree->verticalScrollBar()).size(), QSize(7, 20));
    EXPECT_EQ(handle(tree->horizontalScrollBar()).size(), QSize(20, 7));
    kit::uiResource()->loadTheme(QStringLiteral(WELCOME_SHIPPED_THEME));
}

} // namespace
