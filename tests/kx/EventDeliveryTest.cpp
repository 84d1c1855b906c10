#include "kx/CBaseWidget.h"
#include "kx/CComboBox.h"
#include "kx/CStandardTabControl.h"
#include "kx/CTabButton.h"
#include "kx/IDockableWidget.h"

#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Received
{
    int id;
    int a;
    int b;
    QString text;
    void* data;
};

// Records what reaches it and consumes the ids it is told to.
class Recorder : public Kx::CBaseWidget
{
public:
    explicit Recorder(QWidget* parent, std::vector<int> consumed = {})
        : Kx::CBaseWidget(QStringLiteral("recorder"), false, parent), m_consumed(std::move(consumed))
    {
    }

    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override
    {
        received.push_back({eventId, a, b, text, data});
        for (int id : m_consumed) {
            if (id == eventId)
                return true;
        }
        return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
    }

    std::vector<Received> received;

private:
    std::vector<int> m_consumed;
};

class ActivationProbe : public Kx::CBaseWidget
{
public:
    explicit ActivationProbe(QWidget* parent) : Kx::CBaseWidget(QStringLiteral("probe"), false, parent) {}
    void onActive() override
    {
        ++activations;
        Kx::CBaseWidget::onActive();
    }
    int activations = 0;
};

class EventDelivery : public ::testing::Test
{
protected:
    // outer (host-like, consumes nothing) > plain QWidget > middle (consumes 42) > leaf
    Recorder outer{nullptr};
    QWidget* plain = new QWidget(&outer);
    Recorder* middle = new Recorder(plain, {42});
    Recorder* leaf = new Recorder(middle, {42, 7});
};

TEST_F(EventDelivery, StopsAtTheFirstAncestorThatConsumes)
{
    int payload = 0;
    EXPECT_TRUE(leaf->deliverEvent(42, 1, 2, QStringLiteral("t"), &payload));
    ASSERT_EQ(middle->received.size(), 1u);
    EXPECT_EQ(middle->received[0].a, 1);
    EXPECT_EQ(middle->received[0].b, 2);
    EXPECT_EQ(middle->received[0].text, QStringLiteral("t"));
    EXPECT_EQ(middle->received[0].data, &payload);
    EXPECT_TRUE(outer.received.empty());
}

TEST_F(EventDelivery, OutermostSeesWhatNobodyConsumedAndTheSenderIsNotAsked)
{
    EXPECT_FALSE(leaf->deliverEvent(7, 0, 0, QString(), nullptr));
    EXPECT_TRUE(leaf->received.empty());
    EXPECT_EQ(middle->received.size(), 1u);
    ASSERT_EQ(outer.received.size(), 1u);
    EXPECT_EQ(outer.received[0].id, 7);
}

TEST_F(EventDelivery, WidgetWithoutAncestorsReportsNotConsumed)
{
    EXPECT_FALSE(outer.deliverEvent(42, 0, 0, QString(), nullptr));
    EXPECT_TRUE(outer.received.empty());
}

class Activation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* box = new QVBoxLayout(&window);
        tabs = new Kx::CStandardTabControl(&window);
        box->addWidget(tabs);
        auto* page0 = new QWidget;
        probe0 = new ActivationProbe(new QWidget(page0));
        auto* page1 = new QWidget;
        probe1 = new ActivationProbe(page1);
        tabs->addTabWidget(QStringLiteral("zero"), page0);
        tabs->addTabWidget(QStringLiteral("one"), page1);
        window.resize(400, 300);
    }

    QWidget window;
    Kx::CStandardTabControl* tabs = nullptr;
    ActivationProbe* probe0 = nullptr;
    ActivationProbe* probe1 = nullptr;
};

TEST_F(Activation, OnlyTheShownPageIsActive)
{
    window.show();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(probe0->isActive());
    EXPECT_FALSE(probe1->isActive());
}

TEST_F(Activation, SwitchingTabsActivatesTheNewPageOnly)
{
    window.show();
    int signalled = -1;
    QObject::connect(tabs, &Kx::CStandardTabControl::currentChanged, [&](int i) { signalled = i; });
    tabs->setCurrentIndex(1);
    EXPECT_EQ(probe1->activations, 1);
    EXPECT_EQ(probe0->activations, 0);
    EXPECT_TRUE(probe1->isActive());
    EXPECT_FALSE(probe0->isActive());
    EXPECT_EQ(signalled, 1);
    EXPECT_TRUE(tabs->tabButton(1)->isChecked());
    EXPECT_FALSE(tabs->tabButton(0)->isChecked());

    tabs->setCurrentIndex(1);
    EXPECT_EQ(probe1->activations, 1);
}

TEST_F(Activation, ClickingATabButtonSwitches)
{
    window.show();
    QTest::mouseClick(tabs->tabButton(1), Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(probe1->activations, 1);
    QTest::mouseClick(tabs->tabButton(1), Qt::LeftButton);
    EXPECT_TRUE(tabs->tabButton(1)->isChecked());
}

TEST_F(Activation, NothingIsActiveInAnUnshownWindow)
{
    EXPECT_FALSE(probe0->isActive());
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(probe1->isActive());
    EXPECT_EQ(probe1->activations, 0);
}

TEST(DockActivation, SetWidgetActiveActivatesTheShownTree)
{
    Kx::IDockableWidget dock(false, QStringLiteral("wlc"), nullptr, false);
    auto* shown = new ActivationProbe(&dock);
    auto* hidden = new ActivationProbe(&dock);
    hidden->hide();
    dock.show();
    dock.setWidgetActive(true);
    EXPECT_EQ(dock.widgetID(), QStringLiteral("wlc"));
    EXPECT_EQ(dock.objectName(), QStringLiteral("wlc"));
    EXPECT_EQ(shown->activations, 1);
    EXPECT_EQ(hidden->activations, 0);
    dock.setWidgetActive(false);
    EXPECT_EQ(shown->activations, 1);
}

class ComboEvents : public ::testing::Test
{
protected:
    Recorder host{nullptr};
    Kx::CComboBox* combo = new Kx::CComboBox(9, &host);
};

TEST_F(ComboEvents, FillingAndEmptyingSendsNothing)
{
    combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(combo->currentIndex(), 0);
    combo->removeItem(0);
    combo->clear();
    EXPECT_TRUE(host.received.empty());
}

TEST_F(ComboEvents, ProgrammaticAndUserChangesAreDelivered)
{
    combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    combo->setCurrentIndex(2);
    combo->setCurrentText(QStringLiteral("a"));
    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(host.received.size(), 3u);
    const Received& first = host.received[0];
    EXPECT_EQ(first.id, 70);
    EXPECT_EQ(first.a, 9);
    EXPECT_EQ(first.b, 2);
    EXPECT_EQ(first.text, QStringLiteral("c"));
    EXPECT_EQ(first.data, static_cast<void*>(combo));
    EXPECT_EQ(host.received[1].b, 0);
    EXPECT_EQ(host.received[2].b, 1);
    EXPECT_EQ(host.received[2].text, QStringLiteral("b"));
}

} // namespace
