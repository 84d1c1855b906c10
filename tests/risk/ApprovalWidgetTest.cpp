#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"
#include "Theme.h"

#include "data/ttservice/CVornRiskApproval.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CStandardHpfTable.h"
#include "kx/IBaseHpfTableModel.h"
#include "risk/CRiskControlApprovalDialog.h"
#include "risk/CRiskControlApprovalWidget.h"
#include "siblings/CRiskApprovalPanel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace {

using kit::center;
using kit::PaintRecorder;
using kit::themeColor;
using kit::themeFont;
using namespace striptest;

ttservice::IDataPtr approval(const std::string& id, int status)
{
    auto record = boost::make_shared<ttservice::CVornRiskApproval>();
    record->approvalId = id;
    record->status = status;
    return record;
}

class ApprovalWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10).loginTypeAuth(false);
        builder.server("s1").answer(12420, {approval("A1", 2), approval("A2", 2), approval("A3", 3),
                                            approval("A4", 4), approval("A5", 2)});
        builder.server("s2").answer(12420, {approval("B1", 4)});
        std::vector<ttservice::IDataPtr> many;
        for (int i = 0; i < 1234; ++i)
            many.push_back(approval("C" + std::to_string(i), 2));
        builder.server("s3").answer(12420, many);
        builder.install();
        widget = std::make_unique<Ocv::CRiskControlApprovalWidget>(nullptr);
        widget->show();
    }
    void TearDown() override
    {
        widget.reset();
        kit::waitForAnswers();
    }
    QStringList counts() const
    {
        QStringList texts;
        for (int i = 0; i < 3; ++i)
            texts << widget->countLabel(i)->text();
        return texts;
    }
    // Rows the dialog's panel shows.
    int shownRows() const
    {
        return widget->dialog()->panel()->findChild<Kx::CStandardHpfTable*>()->dataModel()->rowCount();
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CRiskControlApprovalWidget> widget;
};

TEST_F(ApprovalWidgetTest, CardsSitUnderTheTitleWhereTheFontsPutThem)
{
    const auto ops = PaintRecorder::record(widget.get());
    const QFontMetrics title(themeFont("ocv_fnt_welcome_widget_title"));
    const QFontMetrics label(themeFont("ocv_fnt_welcome_risk_btn_title"));
    expectText(ops, QStringLiteral("风控审批"), 30, 40 + title.ascent(),
               themeColor("clr_welcome_text_title"));
    const char* labels[] = {"待审批", "已通过", "未通过"};
    const char* colors[] = {"clr_welcome_risk_pending_text", "clr_welcome_risk_passed_text",
                            "clr_welcome_risk_rejected_text"};
    for (int i = 0; i < 3; ++i) {
        const int y = title.height() + 100 + 140 * i;
        expectText(ops, QString::fromUtf8(labels[i]), 80, y + 15 + label.ascent(), themeColor(colors[i]));
        EXPECT_EQ(widget->cardRect(i), QRect(60, y - 1, 245, 82));
        EXPECT_EQ(widget->countLabel(i)->pos(), QPoint(80, y + 15 + label.height()));
    }
}

// The counts come from the dialog's panel: unknown ("**") until it exists, then each time the
// panel reports new data.
TEST_F(ApprovalWidgetTest, CountsFollowThePanelOnceACountOpenedTheDialog)
{
    EXPECT_EQ(counts(), (QStringList{"**", "**", "**"}));
    press(widget.get(), widget->cardRect(0).center());
    widget->switchSystem(2, QStringLiteral("s2"));
    EXPECT_EQ(widget->dialog(), nullptr) << "a card opens nothing before a count has";

    EXPECT_TRUE(widget->handleEvent(9, 0, 0, QString(), nullptr));
    ASSERT_NE(widget->dialog(), nullptr);
    EXPECT_TRUE(widget->dialog()->isVisible());
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(counts(), (QStringList{"3", "1", "1"})) << "the switch made before the dialog is not passed on";
    EXPECT_EQ(shownRows(), 3) << "opened on the pending ones";
    widget->handleEvent(9, 2, 0, QString(), nullptr);
    EXPECT_EQ(shownRows(), 1);
    EXPECT_TRUE(widget->handleEvent(9, 7, 0, QString(), nullptr));
    EXPECT_TRUE(widget->dialog()->isVisible());
    EXPECT_EQ(shownRows(), 1) << "no card: the filter stays";
    widget->switchSystem(2, QStringLiteral("s2"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(counts(), (QStringList{"0", "0", "1"}));
    EXPECT_EQ(center()->sentRequests().back().server, "s2");

    // The dialog's close button closes it; a card shows it again, filtered to that card's state.
    widget->dialog()->handleEvent(5, Kx::CCommonDialog::CloseButtonId, 0, QString(), widget->dialog());
    EXPECT_FALSE(widget->dialog()->isVisible());
    press(widget.get(), widget->cardRect(0).center());
    EXPECT_TRUE(widget->dialog()->isVisible());
    EXPECT_EQ(shownRows(), 0) << "no pending request on s2";
    press(widget.get(), widget->cardRect(2).center());
    EXPECT_EQ(shownRows(), 1);

    // Counts of any length are shown whole.
    widget->switchSystem(3, QStringLiteral("s3"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(counts(), (QStringList{"1234", "0", "0"}));
    const QFontMetrics label(themeFont("ocv_fnt_welcome_risk_btn_title"));
    EXPECT_EQ(widget->countLabel(0)->shownText(), QStringLiteral("1234"));
    EXPECT_GE(widget->countLabel(0)->width(), label.horizontalAdvance(QStringLiteral("1234")));
}

} // namespace
