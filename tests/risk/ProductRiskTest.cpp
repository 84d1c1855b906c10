#include "AnswerWait.h"
#include "RiskTreeTestKit.h"
#include "EventSink.h"
#include "ScenarioBuilder.h"

#include "data/CVornClient.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "kx/CLineEdit.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CTreeWidget.h"
#include "risk/CProductRiskControlWidget.h"
#include "siblings/CProductRelateRCTemplateWidget.h"

#include <QApplication>
#include <QTest>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

namespace {

using kit::center;
using risktest::nodeOf;
using risktest::texts;
using risktest::typeSearch;

constexpr int kProductCode = 12224;
constexpr int kProductSettingCode = 23451;

ttservice::IDataPtr product(int id, const std::string& name)
{
    auto record = boost::make_shared<ttservice::CVornProductInfo>();
    record->productId = id;
    record->productName = name;
    return record;
}

class ProductRiskTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10).loginTypeAuth(false);
        builder.server("s1", 5).answer(
            kProductCode, {product(1, "稳健一号"), product(2, "Alpha成长"), ttservice::IDataPtr()});
        builder.server("s2", 5).answer(kProductCode, {product(7, "alpha对冲"),
                                                      boost::make_shared<ttservice::CVornAccountInfo>(),
                                                      product(8, "量化三号")});
    }
    void TearDown() override
    {
        column.reset();
        kit::waitForAnswers();
    }
    void make()
    {
        builder.install();
        center()->setSystemName("s1");
        column = std::make_unique<kit::EventSink>();
        widget = new Ocv::CProductRiskControlWidget(column.get());
    }
    Ocv::CProductRiskSettingDialog* openSettings(int systemId, const QString& systemName)
    {
        QString name = systemName;
        widget->switchSystem(systemId, name);
        widget->handleEvent(9, Ocv::CProductRiskControlWidget::SettingEntry, 0, QString(), nullptr);
        auto* dialog = widget->settingDialog();
        dialog->show();
        EXPECT_TRUE(kit::waitForAnswers());
        return dialog;
    }
    static int tagOf(const std::string& server) { return center()->getClientByName(server)->systemTag(); }

    kit::ScenarioBuilder builder;
    std::unique_ptr<kit::EventSink> column;
    Ocv::CProductRiskControlWidget* widget = nullptr;
};

TEST_F(ProductRiskTest, LaunchersOpenTheirDialogsOnceWithTheAccountTitlesOnTemplates)
{
    make();
    EXPECT_EQ(widget->size(), QSize(380, 570));
    QStringList texts;
    for (const auto* label : widget->findChildren<Kx::CSimpleTextWidget*>())
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{"产品风控", "产品风控设置", "产品风控模板应用", "产品风控模板组应用"}));
    EXPECT_FALSE(widget->handleEvent(82, 1, 0, QString(), nullptr));
    EXPECT_TRUE(widget->handleEvent(9, 3, 0, QString(), nullptr));
    EXPECT_EQ(widget->findChildren<QDialog*>().size(), 0);
    for (int entry : {0, 1, 2, 1})
        EXPECT_TRUE(widget->handleEvent(9, entry, 0, QString(), nullptr));
    EXPECT_EQ(widget->findChildren<QDialog*>().size(), 3);
    EXPECT_EQ(widget->settingDialog()->title(), QStringLiteral("产品风控设置"));
    EXPECT_EQ(widget->templateDialog()->title(), QStringLiteral("账号风控模板应用"));
    EXPECT_EQ(widget->templateGroupDialog()->title(), QStringLiteral("账号风控模板组应用"));
    EXPECT_EQ(widget->settingDialog()->minimumSize(), QSize(1350, 670));
}

// With system id 1 only the system's own server's products; with any other id every server's.
// A switch changes the filter, not the list on screen, until "刷新".
TEST_F(ProductRiskTest, SystemOneListsItsOwnServerOnlyAndASwitchWaitsForRefresh)
{
    make();
    auto* dialog = openSettings(1, QStringLiteral("s2"));
    auto* tree = dialog->tree();
    EXPECT_EQ(texts(tree, tree->childIds(0)), (QStringList{"alpha对冲", "量化三号"}));
    EXPECT_EQ(dialog->nodeMapSize(), 2);

    QString name = QStringLiteral("s1");
    widget->switchSystem(3, name);
    EXPECT_EQ(dialog->systemId(), 3);
    EXPECT_EQ(texts(tree, tree->childIds(0)), (QStringList{"alpha对冲", "量化三号"}));
    EXPECT_TRUE(dialog->handleEvent(5, 0, 0, QString(), nullptr));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(texts(tree, tree->childIds(0)),
              (QStringList{"稳健一号", "Alpha成长", "alpha对冲", "量化三号"}));
    EXPECT_EQ(dialog->nodeMapSize(), 4);

    // Only 12224 fills the list, and only the newest load's.
    emit dialog->sigProductsReady(12203, 2);
    emit dialog->sigProductsReady(12224, 1);
    kit::processEventsFor(20);
    EXPECT_EQ(tree->nodeCount(), 4);
    EXPECT_FALSE(dialog->isLoading());
}

TEST_F(ProductRiskTest, SearchByNameAndSelectionHandTheProductToThePage)
{
    make();
    auto* dialog = openSettings(0, QString());
    auto* tree = dialog->tree();
    typeSearch(dialog, QStringLiteral("ALPHA"));
    EXPECT_EQ(texts(tree, tree->selectedNodes()), (QStringList{"Alpha成长", "alpha对冲"}));
    typeSearch(dialog, QStringLiteral("."));
    EXPECT_TRUE(tree->selectedNodes().isEmpty());
    typeSearch(dialog, QStringLiteral("三号"));
    EXPECT_EQ(texts(tree, tree->selectedNodes()), QStringList{"量化三号"});
    dialog->searchEdit()->setText(QString());
    tree->setFocus();
    dialog->handleEvent(102, 0, 0, QString(), nullptr);
    EXPECT_EQ(texts(tree, tree->selectedNodes()), QStringList{"量化三号"}) << "Enter without focus";
    typeSearch(dialog, QString());
    EXPECT_TRUE(tree->selectedNodes().isEmpty());

    center()->clearSentRequests();
    EXPECT_TRUE(dialog->handleEvent(175, 0, nodeOf(tree, "alpha对冲"), QString(), nullptr));
    EXPECT_EQ(dialog->title(), QStringLiteral("产品风控设置 - [alpha对冲]"));
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(center()->sentRequests().size(), 1u);
    EXPECT_EQ(center()->sentRequests()[0].server, "s2")
        << "the product's own server, by its tag " << tagOf("s2");
    EXPECT_EQ(center()->sentRequests()[0].dataType, kProductSettingCode);
    EXPECT_EQ(center()->sentRequests()[0].param, "7");
    dialog->handleEvent(175, 0, 4242, QString(), nullptr);
    EXPECT_EQ(dialog->title(), QStringLiteral("产品风控设置 - [alpha对冲]"));
}

TEST_F(ProductRiskTest, EmptyAndFailedListsLeaveTheTreeEmptyAndTeardownLeavesAnswersOut)
{
    builder = kit::ScenarioBuilder();
    builder.user(10).loginTypeAuth(false);
    builder.server("s1", 5).answer(kProductCode, {});
    builder.server("s2", 150).error(kProductCode, "产品服务不可用");
    make();
    auto* dialog = openSettings(0, QString());
    EXPECT_EQ(dialog->tree()->nodeCount(), 0);
    EXPECT_EQ(dialog->nodeMapSize(), 0);
    EXPECT_FALSE(dialog->isLoading());
    EXPECT_TRUE(center()->serverMessages().empty());
    dialog->handleEvent(5, 0, 0, QString(), nullptr);
    widget->handleEvent(9, 1, 0, QString(), nullptr);
    widget->handleEvent(9, 2, 0, QString(), nullptr);
    column.reset();
    EXPECT_TRUE(kit::waitForAnswers());
}

} // namespace
