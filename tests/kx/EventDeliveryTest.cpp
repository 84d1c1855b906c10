#include "EventSink.h"

#include "kx/CComboBox.h"
#include "kx/CStandardTabControl.h"
#include "kx/CTabButton.h"
#include "kx/IDockableWidget.h"

#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using kit::Event;
using kit::Events;

// Records the events that reach it, consumes the ids it is given and counts activations.
class Probe : public Kx::CBaseWidget
{
public:
    explicit Probe(QWidget* parent, std::vector<int> consumed = {})
        : Kx::CBaseWidget(QStringLiteral("probe"), false, parent), m_consumed(std::move(consumed))
    {
    }
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override
    {
        received.emplace_back(eventId, a, b, text, data);
        return std::count(m_consumed.begin(), m_consumed.end(), eventId) > 0 ||
               Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    }
    void onActive() override
    {
        ++activations;
        Kx::CBaseWidget::onActive();
    }

    Events received;
    int activations = 0;

private:
    std::vector<int> m_consumed;
};

TEST(EventDelivery, WalksAncestorsUntilTheFirstConsumer)
{
    // outer (consumes nothing) > plain QWidget > middle (consumes 42) > leaf (would consume both)
    Probe outer(nullptr);
    auto* middle = new Probe(new QWidget(&outer), {42});
    auto* leaf = new Probe(middle, {42, 7});

    int payload = 0;
    EXPECT_TRUE(leaf->deliverEvent(42, 1, 2, QStringLiteral("t"), &payload));
    EXPECT_TRUE(outer.received.empty());
    EXPECT_FALSE(leaf->deliverEvent(7, 0, 0, QString(), nullptr));
    EXPECT_FALSE(outer.deliverEvent(42, 0, 0, QString(), nullptr));
    EXPECT_TRUE(leaf->received.empty());
    const Event seven{7, 0, 0, QString(), nullptr};
    EXPECT_EQ(middle->received, (Events{{42, 1, 2, QStringLiteral("t"), &payload}, seven}));
    EXPECT_EQ(outer.received, Events{seven});
}

class Activation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        (new QVBoxLayout(&window))->addWidget(tabs);
        auto* page0 = new QWidget;
        probe0 = new Probe(new QWidget(page0));
        auto* page1 = new QWidget;
        probe1 = new Probe(page1);
        tabs->addTabWidget(QStringLiteral("zero"), page0);
        tabs->addTabWidget(QStringLiteral("one"), page1);
        window.resize(400, 300);
    }

    QWidget window;
    Kx::CStandardTabControl* tabs = new Kx::CStandardTabControl(&window);
    Probe* probe0 = nullptr;
    Probe* probe1 = nullptr;
};

TEST_F(Activation, OnlyTheShownPageOfAShownWindowIsActivatedAlsoWhenATabButtonIsClicked)
{
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(probe1->isActive());
    EXPECT_EQ(probe1->activations, 0);
    tabs->setCurrentIndex(0);
    window.show();
    EXPECT_TRUE(probe0->isActive());
    EXPECT_FALSE(probe1->isActive());

    int signalled = -1;
    QObject::connect(tabs, &Kx::CStandardTabControl::currentChanged, [&](int i) { signalled = i; });
    tabs->setCurrentIndex(1);
    EXPECT_EQ(signalled, 1);
    EXPECT_EQ(probe1->activations, 1);
    EXPECT_EQ(probe0->activations, 0);
    EXPECT_TRUE(probe1->isActive());
    EXPECT_FALSE(probe0->isActive());
    EXPECT_TRUE(tabs->tabButton(1)->isChecked());
    EXPECT_FALSE(tabs->tabButton(0)->isChecked());
    tabs->setCurrentIndex(1);
    EXPECT_EQ(probe1->activations, 1);

    // Clicking a tab button switches through event delivery; a second click must not uncheck it.
    tabs->setCurrentIndex(0);
    QTest::mouseClick(tabs->tabButton(1), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(probe1->activations, 2);
    QTest::mouseClick(tabs->tabButton(1), Qt::LeftButton);
    EXPECT_TRUE(tabs->tabButton(1)->isChecked());

    // The widget's own switch: off, the shown page's widget is inactive and skipped; switched on
    // with notice it is activated, without notice it is not.
    probe1->setActive(false, true);
    EXPECT_FALSE(probe1->isActive());
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(probe1->activations, 2);
    probe1->setActive(true, false);
    EXPECT_TRUE(probe1->isActive());
    EXPECT_EQ(probe1->activations, 2);
    probe1->setActive(true, true);
    EXPECT_EQ(probe1->activations, 3);
}

// Only the dock that the host activated counts, and only while its window is not minimized; both
// the dock's reactivation and the window's restoration catch up on what was skipped.
TEST(DockActivation, DeactivatedDockOrMinimizedWindowIsInactiveAndCatchesUp)
{
    QWidget window;
    auto* dock = new Kx::IDockableWidget(false, QStringLiteral("dock"), &window, false);
    auto* probe = new Probe(dock);
    (new QVBoxLayout(&window))->addWidget(dock);
    window.resize(300, 200);
    window.show();
    EXPECT_FALSE(probe->isActive()) << "a dock is inactive until the host activates it";

    dock->setWidgetActive(true);
    EXPECT_TRUE(probe->isActive());
    EXPECT_EQ(probe->activations, 1);
    dock->setWidgetActive(false);
    EXPECT_FALSE(probe->isActive());
    EXPECT_EQ(probe->activations, 1);
    dock->setWidgetActive(true);
    EXPECT_EQ(probe->activations, 2);

    window.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(probe->isActive());
    window.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(probe->isActive());
    EXPECT_EQ(probe->activations, 3);

    // A deactivated dock stays quiet when its window comes back.
    dock->setWidgetActive(false);
    window.setWindowState(Qt::WindowMinimized);
    window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(probe->activations, 3);
}

TEST(ComboEvents, ModelChangesAreSilentIndexChangesAreDelivered)
{
    Probe host(nullptr);
    auto* combo = new Kx::CComboBox(9, &host);
    combo->addItems({QStringLiteral("x"), QStringLiteral("y")});
    combo->removeItem(0);
    combo->clear();
    combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(host.received.empty());

    combo->setCurrentIndex(2);
    combo->setCurrentText(QStringLiteral("a"));
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(host.received, (Events{{70, 9, 2, QStringLiteral("c"), combo},
                                     {70, 9, 0, QStringLiteral("a"), combo},
                                     {70, 9, 1, QStringLiteral("b"), combo}}));
}

} // namespace
