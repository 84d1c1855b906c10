#include "kx/CBaseWidget.h"
#include "kx/CWidgetList.h"

#include <QLayout>

#include <gtest/gtest.h>

namespace {

QWidget* sized(QWidget* parent, int w, int h)
{
    auto* widget = new QWidget(parent);
    widget->setFixedSize(w, h);
    return widget;
}

class WidgetList : public ::testing::Test
{
protected:
    void layOut(Kx::CWidgetList& list, int w, int h)
    {
        list.resize(w, h);
        list.show();
        list.layout()->activate();
    }
};

TEST_F(WidgetList, HorizontalAnchorsSpacesSpacingAndMargins)
{
    Kx::CWidgetList list(Qt::Horizontal, nullptr);
    list.setMargin(10, 5, 20, 15);
    list.setSpacing(4);
    QWidget* start = sized(nullptr, 50, 20);
    QWidget* center = sized(nullptr, 30, 40);
    QWidget* end = sized(nullptr, 40, 10);
    auto* fill = new QWidget;
    fill->setFixedWidth(20);
    list.addFixedWidget(start, Kx::AnchorStart);
    list.addFixedSpace(6);
    list.addFixedWidget(center, Kx::AnchorCenter);
    list.addStretchSpace(1);
    list.addFixedWidget(end, Kx::AnchorEnd);
    list.addFixedWidget(fill, Kx::AnchorFill);
    layOut(list, 300, 100);

    // Content area: x 10..280, y 5..85; the stretch space takes 270 - 146 - 5 * 4 = 104.
    EXPECT_EQ(start->geometry(), QRect(10, 5, 50, 20));
    EXPECT_EQ(center->geometry(), QRect(74, 25, 30, 40));
    EXPECT_EQ(end->geometry(), QRect(216, 75, 40, 10));
    EXPECT_EQ(fill->geometry(), QRect(260, 5, 20, 80));
    EXPECT_EQ(start->parentWidget(), &list);
}

TEST_F(WidgetList, VerticalStretchWidgetsShareByFactorWithinTheirLimits)
{
    Kx::CWidgetList list(Qt::Vertical, nullptr);
    auto* capped = new QWidget;
    capped->setMaximumHeight(20);
    auto* one = new QWidget;
    auto* three = new QWidget;
    list.addStretchWidget(capped, 1, Kx::AnchorFill);
    list.addStretchWidget(one, 1, Kx::AnchorFill);
    list.addStretchWidget(three, 3, Kx::AnchorFill);
    layOut(list, 100, 220);

    EXPECT_EQ(capped->geometry(), QRect(0, 0, 100, 20));
    EXPECT_EQ(one->geometry(), QRect(0, 20, 100, 50));
    EXPECT_EQ(three->geometry(), QRect(0, 70, 100, 150));
}

TEST_F(WidgetList, ShowFlagLeavesHiddenWidgetsHiddenAndOutOfTheWay)
{
    Kx::CWidgetList list(Qt::Horizontal, nullptr);
    list.setSpacing(5);
    QWidget* hidden = sized(nullptr, 30, 10);
    hidden->hide();
    QWidget* shownLater = sized(nullptr, 30, 10);
    shownLater->hide();
    QWidget* last = sized(nullptr, 30, 10);
    list.addFixedWidget(hidden, Kx::AnchorStart, false);
    list.addFixedWidget(shownLater, Kx::AnchorStart, true);
    list.addFixedWidget(last, Kx::AnchorStart, false);
    layOut(list, 200, 10);

    EXPECT_TRUE(hidden->isHidden());
    EXPECT_TRUE(shownLater->isVisible());
    EXPECT_TRUE(last->isVisible());
    EXPECT_EQ(shownLater->x(), 0);
    EXPECT_EQ(last->x(), 35);

    hidden->show();
    list.layout()->activate();
    EXPECT_EQ(shownLater->x(), 35);
    EXPECT_EQ(last->x(), 70);
}

TEST_F(WidgetList, SizeHintCoversFixedContent)
{
    Kx::CWidgetList list(Qt::Horizontal, nullptr);
    list.setMargin(1, 2, 3, 4);
    list.setSpacing(10);
    list.addFixedWidget(sized(nullptr, 30, 12), Kx::AnchorStart);
    list.addFixedSpace(7);
    list.addFixedWidget(sized(nullptr, 20, 25), Kx::AnchorStart);
    EXPECT_EQ(list.sizeHint(), QSize(1 + 30 + 10 + 7 + 10 + 20 + 3, 2 + 25 + 4));
}

TEST(InnerStretchWidget, FillsTheWidgetWithinTheMargins)
{
    Kx::CBaseWidget outer(QStringLiteral("outer"), false, nullptr);
    auto* inner = new QWidget;
    outer.setInnerStretchWidget(inner, 5, 6, 7, 8);
    outer.resize(100, 80);
    outer.show();
    outer.layout()->activate();
    EXPECT_EQ(inner->geometry(), QRect(5, 6, 88, 66));
}

} // namespace
