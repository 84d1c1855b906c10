#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"
#include "Theme.h"

#include "kx/CPushButton.h"
#include "risk/CAccountProductRiskWidget.h"
#include "risk/CAccountRiskControlWidget.h"
#include "risk/CProductRiskControlWidget.h"
#include "risk/CAllRiskControlWidget.h"
#include "risk/CFeaturedRiskControlWidget.h"
#include "risk/CGlobalRiskControlWidget.h"
#include "risk/CRiskControlApprovalWidget.h"
#include "risk/CTopAccountProductRiskWidget.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using kit::center;
using kit::PaintRecorder;
using kit::themeColor;
using kit::themeFont;
using striptest::EventSink;
using striptest::expectText;
using striptest::images;

class RiskOverviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10).loginTypeAuth(false);
        builder.server("s1", 150);
    }
    void TearDown() override
    {
        container.reset();
        sink.reset();
        kit::waitForAnswers();
    }
    Ocv::CAccountProductRiskWidget* make()
    {
        builder.install();
        center()->setSystemName("s1");
        container = std::make_unique<Ocv::CAccountProductRiskWidget>(nullptr);
        container->resize(1760, 890);
        return container.get();
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<EventSink> sink;
    std::unique_ptr<Ocv::CAccountProductRiskWidget> container;
};

TEST_F(RiskOverviewTest, FeaturedCardDrawsTwoEntriesWhoseButtonsStartNothing)
{
    builder.install();
    sink = std::make_unique<EventSink>();
    auto* card = new Ocv::CFeaturedRiskControlWidget(sink.get());
    EXPECT_EQ(card->size(), QSize(384, 273));
    const auto ops = PaintRecorder::record(card);
    const QFontMetrics title(themeFont("ocv_fnt_welcome_widget_title"));
    expectText(ops, QStringLiteral("特色风控"), 30, 40 + title.ascent(), themeColor("clr_welcome_text_title"));

    struct Entry
    {
        const char *color, *icon, *mark, *text, *textColor;
    };
    const Entry entries[] = {
        {"clr_welcome_risk_securities_reduction", "img_btn_securities_reduction",
         "img_btn_risk_control_setting", "证券回购减持风控", "clr_top_account_color"},
        {"clr_welcome_risk_exchange_compliance", "img_btn_exchange_compliance",
         "img_btn_risk_control_setting_orange", "交易所合规风控", "clr_top_product_color"},
    };
    QVector<kit::PaintOp> cards;
    for (const kit::PaintOp& op : ops) {
        if (op.kind == kit::PaintOp::Shape)
            cards << op;
    }
    ASSERT_EQ(cards.size(), 2);
    const auto imageAt = [&ops](const char* key) {
        const auto found = images(ops, QString::fromLatin1(key));
        return found.size() == 1 ? found[0].rect.topLeft() : QPointF(-1, -1);
    };
    for (int i = 0; i < 2; ++i) {
        const Entry& e = entries[i];
        const int top = title.height() + 80 + 70 * i;
        EXPECT_EQ(cards[i].rect.toAlignedRect(), QRect(50, top, 265, 40)) << i;
        EXPECT_EQ(cards[i].color, themeColor(e.color)) << i;
        EXPECT_EQ(imageAt(e.icon), QPointF(70, top + 9)) << "drawn once there: " << e.icon;
        EXPECT_EQ(imageAt(e.mark), QPointF(280, top + 13)) << "drawn once there: " << e.mark;
        Kx::CPushButton* button = card->button(i);
        EXPECT_EQ(button->geometry(), QRect(100, top, 130, 40));
        EXPECT_EQ(button->text(), QString::fromUtf8(e.text));
        EXPECT_EQ(button->textColorKeys().key(Kx::CButtonColor::Hover), QString::fromLatin1(e.textColor));
        EXPECT_EQ(button->textColorKeys().key(Kx::CButtonColor::Disabled), QString::fromLatin1(e.textColor));
    }

    card->button(0)->click();
    card->button(1)->click();
    EXPECT_TRUE(sink->received.empty()) << "the clicks end in the card";
    EXPECT_FALSE(card->handleEvent(5, 2, 0, QString(), nullptr));
}

TEST_F(RiskOverviewTest, ContainerLaysOutItsColumnsFromTheAllRiskBlockOn)
{
    make();
    const QList<QWidget*> order{container->topWidget(), container->allRiskWidget(), container->accountWidget(),
                                container->productWidget(), container->approvalWidget(), container->featuredWidget()};
    QList<QWidget*> children;
    for (QObject* child : container->children()) {
        if (order.contains(qobject_cast<QWidget*>(child)))
            children << static_cast<QWidget*>(child);
    }
    EXPECT_EQ(children, order) << "created in this order";
    EXPECT_TRUE(container->allRiskWidget()->isHidden());

    const QColor divider(0xDB, 0xDB, 0xDB);
    const QColor frame(14, 122, 239);
    auto ops = PaintRecorder::record(container.get());
    EXPECT_EQ(container->topWidget()->geometry(), QRect(0, 0, 1371, 273));
    EXPECT_EQ(container->featuredWidget()->geometry(), QRect(1371, 0, 384, 273));
    EXPECT_EQ(container->accountWidget()->geometry(), QRect(0, 274, 380, 570));
    EXPECT_EQ(container->productWidget()->geometry(), QRect(380, 274, 380, 570));
    EXPECT_EQ(container->approvalWidget()->geometry(), QRect(760, 274, 380, 570));
    EXPECT_EQ(PaintRecorder::hairlines(ops, frame),
              (QVector<QLine>{QLine(1371, 0, 1371, 273), QLine(1371, 273, 1755, 273), QLine(1755, 0, 1755, 273)}));
    EXPECT_EQ(PaintRecorder::hairlines(ops, divider),
              (QVector<QLine>{QLine(0, 273, 1371, 273), QLine(0, 274, 0, 890), QLine(380, 274, 380, 890),
                              QLine(760, 274, 760, 890)}));

    container->allRiskWidget()->show();
    ops = PaintRecorder::record(container.get());
    EXPECT_EQ(container->allRiskWidget()->geometry(), QRect(0, 274, 610, 570));
    // The dividers are drawn at the columns' left edges: 610, 990 and 1370.
    EXPECT_EQ(PaintRecorder::hairlines(ops, divider),
              (QVector<QLine>{QLine(0, 273, 1371, 273), QLine(610, 274, 610, 890), QLine(990, 274, 990, 890),
                              QLine(1370, 274, 1370, 890)}));

    // A login-type client sees the strip alone.
    builder.loginTypeAuth(true);
    make();
    for (QWidget* hidden : {static_cast<QWidget*>(container->approvalWidget()),
                            static_cast<QWidget*>(container->featuredWidget()), static_cast<QWidget*>(container->accountWidget()),
                            static_cast<QWidget*>(container->productWidget()), static_cast<QWidget*>(container->allRiskWidget())})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_FALSE(container->topWidget()->isHidden());
}

// The strip asks first, then the global table for its seven trade types; the container goes
// while the queries and the saves are still out.
TEST_F(RiskOverviewTest, SwitchReachesStripAndGlobalTableAndTeardownLeavesAnswersOut)
{
    make();
    center()->clearSentRequests();
    container->switchSystem(1, QStringLiteral("s1"));
    const auto requests = center()->sentRequests();
    ASSERT_EQ(requests.size(), 8u);
    EXPECT_EQ(requests[0].dataType, 12254);
    EXPECT_EQ(requests[0].server, "s1");
    EXPECT_EQ(requests[1].dataType, 23434);
    EXPECT_EQ(requests[7].param, "1024");
    EXPECT_EQ(container->allRiskWidget()->globalWidget()->systemName(), QStringLiteral("s1"));
    container->allRiskWidget()->globalWidget()->enableAll(1);
    container.reset();
    EXPECT_TRUE(kit::waitForAnswers());
}

} // namespace
