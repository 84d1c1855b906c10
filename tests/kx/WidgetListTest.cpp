#include "kx/CWidgetList.h"

#include <QLayout>

#include <gtest/gtest.h>

namespace {

// A widget of fixed size; a negative height fixes only the width.
QWidget* sized(int w, int h)
{
    auto* widget = new QWidget;
    if (h < 0)
        widget->setFixedWidth(w);
    else
        widget->setFixedSize(w, h);
    return widget;
}

void layOut(QWidget& list, int w, int h)
{
    list.resize(w, h);
    list.show();
    list.layout()->activate();
}

TEST(WidgetList, HorizontalAnchorsSpacesSpacingAndMargins)
{
    Kx::CWidgetList list(Qt::Horizontal, nullptr);
    list.setMargin(10, 5, 20, 15);
    list.setSpacing(4);
    QWidget* start = sized(50, 20);
    QWidget* center = sized(30, 40);
    QWidget* end = sized(40, 10);
    QWidget* fill = sized(20, -1);
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

TEST(WidgetList, VerticalStretchWidgetsShareByFactorWithinTheirLimits)
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

TEST(WidgetList, ShowFlagLeavesHiddenWidgetsHiddenAndOutOfTheWay)
{
    Kx::CWidgetList list(Qt::Horizontal, nullptr);
    list.setSpacing(5);
    QWidget* hidden = sized(30, 10);
    QWidget* shownLater = sized(30, 10);
    QWidget* last = sized(30, 10);
    hidden->hide();
    shownLater->hide();
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

} // namespace
