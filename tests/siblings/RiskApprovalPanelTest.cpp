#include "SiblingsTestKit.h"

#include "EventSink.h"

#include "data/ttservice/CVornRiskApproval.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CStandardHpfTable.h"
#include "siblings/CRiskApprovalPanel.h"

#include <algorithm>

namespace {

using ttservice::EQDRCApprovalStatus;
using Approval = ttservice::CVornRiskApproval;
constexpr EQDRCApprovalStatus kPending = ttservice::QDRC_APPROVAL_PENDING;
constexpr EQDRCApprovalStatus kPassed = ttservice::QDRC_APPROVAL_PASSED;
constexpr EQDRCApprovalStatus kRejected = ttservice::QDRC_APPROVAL_REJECTED;

ttservice::IDataPtr approval(const std::string& id, int status)
{
    auto record = boost::make_shared<Approval>();
    record->approvalId = id;
    record->accountId = "100001";
    record->itemName = "单笔委托数量上限";
    record->status = status;
    return record;
}

// The main server lists 3 pending, 5 passed and 2 rejected requests, one of them twice, and a
// record of another class; the backup lists one pending; the third fails.
class RiskApprovalPanelTest : public siblingstest::CreationDialogTest
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        std::vector<ttservice::IDataPtr> main{approval("P1", kPending),
                                              approval("P2", kPending),
                                              approval("P3", kPending),
                                              approval("R1", kRejected),
                                              approval("R2", kRejected),
                                              approval("P1", kPending),
                                              boost::make_shared<ttservice::CVornUserInfo>()};
        for (int i = 1; i <= 5; ++i)
            main.push_back(approval("A" + std::to_string(i), kPassed));
        kit::ScenarioBuilder()
            .server("主服务器", 20)
            .answer(12420, main)
            .server("备用服务器", 20)
            .answer(12420, {approval("B1", kPending)})
            .server("故障服务器", 20)
            .error(12420, "服务不可用")
            .install();
    }

    static std::vector<int> counts(const Ocv::CRiskApprovalPanel& panel)
    {
        return {panel.getRiskStatusNum(kPending), panel.getRiskStatusNum(kPassed),
                panel.getRiskStatusNum(kRejected), panel.getRiskStatusNum(ttservice::QDRC_APPROVAL_NONE)};
    }
    static Kx::CStandardHpfTable* table(QWidget* panel) { return panel->findChild<Kx::CStandardHpfTable*>(); }
    static QStringList column(QWidget* panel, int column)
    {
        QStringList texts;
        const Kx::IBaseHpfTableModel& rows = *table(panel)->dataModel();
        for (int row = 0; row < rows.rowCount(); ++row)
            texts << rows.dataAt(row)->getColumnText(column);
        return texts;
    }
    static long countEvents(const kit::EventSink& sink, void* from)
    {
        return std::count_if(sink.received.begin(), sink.received.end(), [from](const kit::Event& event) {
            return std::get<0>(event) == 3122 && std::get<4>(event) == from;
        });
    }
};

TEST_F(RiskApprovalPanelTest, CountsFilterAndSystemsOfTheLoadedRequests)
{
    kit::EventSink sink;
    sink.resize(900, 500);
    sink.show();
    auto* panel = new Ocv::CRiskApprovalPanel(true, &sink);
    panel->show();
    EXPECT_EQ(panel->objectName(), "risk_approval_panel");
    EXPECT_EQ(counts(*panel), (std::vector<int>{0, 0, 0, 0}));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(countEvents(sink, panel), 1);
    EXPECT_EQ(counts(*panel), (std::vector<int>{3, 5, 2, 10})) << "a request listed twice counts once";

    panel->filterDataByStatus(kPassed);
    EXPECT_EQ(column(panel, 5), (QStringList{"已通过", "已通过", "已通过", "已通过", "已通过"}));
    panel->filterDataByStatus(kPending);
    EXPECT_EQ(column(panel, 0), (QStringList{"P1", "P2", "P3"}));
    panel->filterDataByStatus(ttservice::QDRC_APPROVAL_NONE);
    EXPECT_EQ(column(panel, 0).size(), 10);

    panel->switchSystem(2, "备用服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center->sentRequests().back().server, "备用服务器");
    EXPECT_EQ(counts(*panel), (std::vector<int>{1, 0, 0, 1}));

    panel->switchSystem(3, "故障服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(panel, "risk_approval_panel_error"), "请求失败, 服务不可用");
    EXPECT_EQ(counts(*panel), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(column(panel, 0).size(), 0);
    EXPECT_EQ(countEvents(sink, panel), 3);

    panel->switchSystem(0, "");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(panel, "risk_approval_panel_error"), "");
    EXPECT_EQ(center->sentRequests().back().server, "主服务器");

    // Made and destroyed with its first query out.
    delete new Ocv::CRiskApprovalPanel(true, &sink);
    EXPECT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(sink.received.size(), 4u);
}

TEST_F(RiskApprovalPanelTest, DecisionsChangeThePlatformAndAStaleOneIsRefused)
{
    kit::EventSink sink;
    sink.resize(900, 500);
    sink.show();
    auto* panel = new Ocv::CRiskApprovalPanel(true, &sink);
    panel->show();
    auto* stale = new Ocv::CRiskApprovalPanel(true, &sink);
    stale->show();
    ASSERT_TRUE(kit::waitForAnswers());

    panel->filterDataByStatus(kPassed);
    table(panel)->setCurrentRow(0);
    center->clearSentOperations();
    field<Kx::CPushButton>(panel, "risk_approval_pass")->click();
    EXPECT_TRUE(center->sentOperations().empty());
    EXPECT_EQ(message(panel, "risk_approval_panel_error"), "请选择待审批的申请");

    panel->filterDataByStatus(kPending);
    table(panel)->setCurrentRow(1);
    field<Kx::CPushButton>(panel, "risk_approval_pass")->click();
    ASSERT_EQ(center->sentOperations().size(), 1u);
    const auto sent = boost::dynamic_pointer_cast<Approval>(center->sentOperations()[0].data);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->approvalId, "P2");
    EXPECT_EQ(sent->reviewer, "tester");
    EXPECT_EQ(center->sentOperations()[0].operation, ttservice::QDO_MODIFY);
    const long before = countEvents(sink, panel);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(counts(*panel), (std::vector<int>{2, 6, 2, 10}));
    EXPECT_EQ(countEvents(sink, panel), before + 1);
    EXPECT_EQ(column(panel, 0), (QStringList{"P1", "P3"})) << "the filter stays across reloads";
    EXPECT_EQ(message(panel, "risk_approval_panel_error"), "");

    // The other panel still shows P2 pending; the platform has decided it already.
    stale->filterDataByStatus(kPending);
    table(stale)->setCurrentRow(1);
    field<Kx::CPushButton>(stale, "risk_approval_reject")->click();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(stale, "risk_approval_panel_error"), "审批申请已处理: P2");
    EXPECT_EQ(counts(*stale), (std::vector<int>{3, 5, 2, 10})) << "nothing was decided: no reload";

    table(panel)->setCurrentRow(0);
    field<Kx::CPushButton>(panel, "risk_approval_reject")->click();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(counts(*panel), (std::vector<int>{1, 6, 3, 10}));
}

} // namespace
