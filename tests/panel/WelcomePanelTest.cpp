#include "AnswerWait.h"
#include "ScenarioBuilder.h"

#include "dashboard/CWelcomeWidget.h"
#include "kx/CStandardTabControl.h"
#include "panel/CWelcomePanel.h"
#include "risk/CAccountProductRiskWidget.h"

#include <gtest/gtest.h>

#include <memory>

using kit::center;
using kit::statusRecord;

namespace {

// The dashboard's own status queries; the regions query their own codes besides.
std::vector<Ocv::CVornClientCenter::SentRequest> statusQueries()
{
    std::vector<Ocv::CVornClientCenter::SentRequest> result;
    for (const auto& request : center()->sentRequests()) {
        if (request.dataType == 12235)
            result.push_back(request);
    }
    return result;
}

class WelcomePanelTest : public ::testing::Test
{
protected:
    void SetUp() override { builder.server("s1").server("s2"); }
    void TearDown() override
    {
        panel.reset();
        kit::waitForAnswers();
    }

    Ocv::CWelcomePanel* make()
    {
        builder.install();
        center()->clearSentRequests();
        panel = std::make_unique<Ocv::CWelcomePanel>();
        return panel.get();
    }
    Kx::CStandardTabControl* tabs() const { return panel->findChild<Kx::CStandardTabControl*>(); }
    Ocv::CAccountProductRiskWidget* risk() const
    {
        return panel->findChild<Ocv::CAccountProductRiskWidget*>();
    }
    Ocv::CWelcomeWidget* dashboard() const { return panel->findChild<Ocv::CWelcomeWidget*>(); }

    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CWelcomePanel> panel;
};

// Qualifying users get the quick operations first; others and algorithm-bus clients only the status.
TEST_F(WelcomePanelTest, QualifyingUsersGetQuickOperationsFirstOthersOnlySystemStatus)
{
    struct Case
    {
        int userType;
        bool algorithmBus;
        bool quick;
    };
    for (const Case& c :
         {Case{10, false, true}, Case{11, false, true}, Case{80, false, true}, Case{1, false, false},
          Case{12, false, false}, Case{10, true, false}, Case{80, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.userType << (c.algorithmBus ? " on the algorithm bus" : ""));
        builder.user(c.userType).algorithmBus(c.algorithmBus);
        make();
        EXPECT_EQ(panel->widgetID(), QStringLiteral("wlc"));
        ASSERT_EQ(tabs()->count(), c.quick ? 2 : 1);
        EXPECT_EQ(tabs()->tabTitle(c.quick ? 1 : 0), QStringLiteral("系统状态"));
        if (c.quick) {
            EXPECT_EQ(tabs()->tabTitle(0), QStringLiteral("快捷操作"));
            ASSERT_NE(risk(), nullptr);
            EXPECT_EQ(risk()->size(), QSize(1760, 890));
        } else {
            EXPECT_EQ(risk(), nullptr);
            panel->switchSystem(1, QStringLiteral("s1")); // must not touch a risk container
        }
    }
}

TEST_F(WelcomePanelTest, SwitchSystemReachesBaseDashboardAndRiskInOrder)
{
    builder.user(10);
    make();
    center()->clearSentRequests();
    // The base takes the system before the dashboard queries it.
    std::vector<std::size_t> sentWhenBaseSwitched;
    QObject::connect(panel.get(), &Ocv::IvornDockableWidget::systemSwitched,
                     [&] { sentWhenBaseSwitched.push_back(center()->sentRequests().size()); });
    panel->switchSystem(2, QStringLiteral("s2"));
    EXPECT_EQ(sentWhenBaseSwitched, std::vector<std::size_t>{0});
    EXPECT_EQ(panel->systemId(), 2);
    EXPECT_EQ(panel->systemName(), QStringLiteral("s2"));
    EXPECT_EQ(risk()->systemId(), 2);
    EXPECT_EQ(risk()->systemName(), QStringLiteral("s2"));
    ASSERT_EQ(statusQueries().size(), 1u);
    EXPECT_EQ(statusQueries()[0].server, "s2");

    // Id 0 still reaches both; the dashboard falls back to its selector.
    panel->switchSystem(0, QStringLiteral("s2"));
    EXPECT_EQ(risk()->systemId(), 0);
    ASSERT_EQ(statusQueries().size(), 2u);
    EXPECT_EQ(statusQueries()[1].server, "s1");
}

TEST_F(WelcomePanelTest, ParamIsAlwaysEmptyAndContentKeepsItsSize)
{
    make();
    panel->setParam(QStringLiteral("anything"));
    EXPECT_EQ(panel->param(), QString());
    panel->resize(400, 300);
    panel->show();
    EXPECT_EQ(dashboard()->size(), QSize(1760, 890));
    panel->resize(2500, 1400);
    EXPECT_EQ(dashboard()->size(), QSize(1760, 890));
}

TEST_F(WelcomePanelTest, DestroyedWithHundredQueriesInFlight)
{
    builder = kit::ScenarioBuilder();
    // Slow enough that no answer arrives while the switches are made, even in a sanitizer build.
    builder.server("slow", 1500);
    std::vector<ttservice::IDataPtr> records;
    for (int i = 0; i < 200; ++i)
        records.push_back(statusRecord(9));
    builder.answer(12235, records);
    make();
    for (int i = 0; i < 100; ++i)
        panel->switchSystem(1, QStringLiteral("slow"));
    EXPECT_GE(center()->pendingRequests(), 100);
    panel.reset();
    EXPECT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center()->pendingRequests(), 0);
}

} // namespace
