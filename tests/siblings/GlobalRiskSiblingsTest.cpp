#include "SiblingsTestKit.h"

#include "EventSink.h"

#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CVornProductInfo.h"
#include "siblings/CProductManagePanel.h"
#include "siblings/CReversePageWidget.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

namespace {

using ttservice::CGlobalFutureRCConfig;
using ttservice::CGlobalStockRCConfig;

boost::shared_ptr<CGlobalStockRCConfig> stock(int tradeType, bool reverseOff, bool matchedOff)
{
    auto record = boost::make_shared<CGlobalStockRCConfig>();
    record->tradeType = tradeType;
    record->reverseCheckOff = reverseOff;
    record->matchedCheckOff = matchedOff;
    record->reverseWindowSeconds = 30;
    record->matchedWindowSeconds = 120;
    record->updateTime = "2026-11-01 09:00:00";
    return record;
}

ttservice::IDataPtr product(int id, const std::string& name, bool on)
{
    auto record = boost::make_shared<ttservice::CVornProductInfo>();
    record->productId = id;
    record->productName = name;
    record->riskControlEnabled = on;
    return record;
}

// The main server: securities (1) with the reverse check off, futures (2) with only a stock record
// (a wrong one), products switched on and off, one of them without a name, which the platform
// refuses to change. The backup's products are all on, the third's all off; the last fails.
class GlobalRiskSiblingsTest : public siblingstest::CreationDialogTest
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        kit::ScenarioBuilder()
            .now(QDateTime(QDate(2026, 12, 5), QTime(10, 30)))
            .server("主服务器", 20)
            .answer(23435, "1", {stock(1, true, false)})
            .answer(23434, "2", {stock(2, true, true)})
            .answer(12224, {product(1, "甲", true), product(2, "乙", false), product(3, "", false)})
            .server("备用服务器", 20)
            .answer(23435, "1", {stock(1, false, false)})
            .answer(12224, {product(1, "丙", true), product(2, "丁", true)})
            .server("停用服务器", 20)
            .answer(12224, {product(1, "戊", false)})
            .server("故障服务器", 20)
            .error(23435, "全局风控服务不可用")
            .error(12224, "产品服务不可用")
            .install();
    }

    // "reverse/matched" as the page's check boxes show them ("+" on), and whether it can save.
    static std::string shown(QWidget* page)
    {
        return std::string(field<QCheckBox>(page, "reverse_page_reverse_check")->isChecked() ? "+" : "-") +
               (field<QCheckBox>(page, "reverse_page_matched_check")->isChecked() ? "+" : "-") +
               (field<Kx::CPushButton>(page, "reverse_page_save")->isEnabled() ? " save" : "");
    }
    static QStringList switches(QWidget* panel)
    {
        auto* table = field<QTableWidget>(panel, "product_manage_table");
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, 0)->text() + table->item(row, 2)->text();
        return texts;
    }
};

TEST_F(GlobalRiskSiblingsTest, ThePageReadsWhenActiveSavesUnderTheKeyAndShowsRefusals)
{
    kit::EventSink sink;
    sink.resize(500, 380);
    sink.show();
    auto* page = new Ocv::CReversePageWidget(true, 1, &sink);
    QSignalSpy finished(page, &Ocv::CReversePageWidget::sigOnDataFinished);
    // Switched off, showing it asks nothing; switching it on with notice reads.
    page->setActive(false, false);
    page->setBasicInfo("备用服务器");
    center->clearSentRequests();
    page->show();
    EXPECT_FALSE(page->isActive());
    EXPECT_TRUE(center->sentRequests().empty());
    EXPECT_EQ(shown(page), "++") << "nothing read: no saving";
    page->setActive(true, true);
    ASSERT_EQ(center->sentRequests().size(), 1u);
    const auto asked = center->sentRequests()[0];
    EXPECT_EQ(asked.server + " " + std::to_string(asked.dataType) + " " + asked.param, "备用服务器 23435 1");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(shown(page), "++ save");

    page->setBasicInfo("主服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(shown(page), "-+ save");
    EXPECT_EQ(field<QSpinBox>(page, "reverse_page_matched_window")->value(), 120);

    field<QCheckBox>(page, "reverse_page_reverse_check")->setChecked(true);
    field<QCheckBox>(page, "reverse_page_matched_check")->setChecked(false);
    center->clearSentOperations();
    click(page, "reverse_page_save");
    ASSERT_EQ(center->sentOperations().size(), 1u);
    const auto sent = center->sentOperations()[0];
    EXPECT_EQ(sent.server + " " + std::to_string(sent.dataType) + " " + std::to_string(sent.operation) + " " +
                  sent.key,
              "主服务器 23435 0 rat|1");
    EXPECT_EQ(shown(page), "+-") << "no second save while one is out";
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    const auto stored = first<CGlobalStockRCConfig>("主服务器", 23435, "1");
    ASSERT_TRUE(stored);
    EXPECT_TRUE(!stored->reverseCheckOff && stored->matchedCheckOff && stored->matchedWindowSeconds == 120);
    EXPECT_EQ(stored->updatedBy + " " + stored->updateTime, "tester 2026-12-05 10:30:00");
    EXPECT_EQ(shown(page), "+- save");
    EXPECT_EQ(message(page, "reverse_page_error"), "");

    // The futures page ignores the stock record it is answered and shows both checks on.
    auto* futures = new Ocv::CReversePageWidget(true, 2, &sink);
    futures->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center->sentRequests().back().dataType, 23434);
    EXPECT_EQ(shown(futures), "++ save");
    delete futures;

    // A trade type the platform has no config for reads nothing and has its save refused.
    auto* unknown = new Ocv::CReversePageWidget(true, 3, &sink);
    QSignalSpy refused(unknown, &Ocv::CReversePageWidget::sigOnDataFinished);
    unknown->show();
    ASSERT_TRUE(kit::waitForAnswers());
    click(unknown, "reverse_page_save");
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(refused.count(), 1);
    EXPECT_FALSE(refused.at(0).at(0).toBool());
    EXPECT_EQ(message(unknown, "reverse_page_error"), "保存失败, 全局风控配置的键无效: rat|3");
    delete unknown;

    page->setBasicInfo("故障服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(page, "reverse_page_error"), "请求失败, 全局风控服务不可用");
    EXPECT_EQ(shown(page), "+-") << "a failed read leaves nothing to save";
    center->clearSentRequests();
    page->setBasicInfo("没有的系统");
    EXPECT_EQ(message(page, "reverse_page_error"), "交易系统未连接: 没有的系统");
    EXPECT_TRUE(center->sentRequests().empty());

    auto* readOnly = new Ocv::CReversePageWidget(false, 1, &sink);
    readOnly->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(shown(readOnly), "+-") << "shows the platform's config, cannot save";
}

TEST_F(GlobalRiskSiblingsTest, ThePanelTellsTheProductsStateAndSwitchesThemAll)
{
    kit::EventSink sink;
    sink.resize(500, 400);
    sink.show();
    auto* panel = new Ocv::CProductManagePanel(&sink);
    panel->show();
    QSignalSpy done(panel, &Ocv::CProductManagePanel::sigEnableFinished);
    EXPECT_EQ(panel->isAllRiskControlEnable(), 0) << "nothing loaded";
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(switches(panel), (QStringList{"1启用", "2禁用", "3禁用"}));
    EXPECT_EQ(panel->isAllRiskControlEnable(), 0);
    const struct
    {
        const char* server;
        int state;
    } systems[] = {{"备用服务器", 1}, {"停用服务器", 2}, {"故障服务器", 0}};
    for (const auto& system : systems) {
        panel->switchSystem(0, system.server);
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(panel->isAllRiskControlEnable(), system.state) << system.server;
    }
    EXPECT_EQ(message(panel, "product_manage_panel_error"), "请求失败, 产品服务不可用");
    EXPECT_EQ(panel->productCount(), 0);

    // On: P2 and P3 differ; the platform refuses the nameless P3.
    panel->switchSystem(0, "");
    ASSERT_TRUE(kit::waitForAnswers());
    center->clearSentOperations();
    panel->EnableAllRiskControl(1);
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(center->sentOperations().size(), 2u);
    for (const auto& sent : center->sentOperations()) {
        EXPECT_EQ(sent.dataType, 12224);
        EXPECT_EQ(sent.operation, ttservice::QDO_MODIFY);
        EXPECT_TRUE(boost::dynamic_pointer_cast<ttservice::CVornProductInfo>(sent.data)->riskControlEnabled);
    }
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.at(0).at(0).toInt(), 1);
    EXPECT_EQ(switches(panel), (QStringList{"1启用", "2启用", "3禁用"})) << "read again";
    EXPECT_EQ(message(panel, "product_manage_panel_error"), "1 个产品修改失败: 产品名称不能为空");
    EXPECT_EQ(panel->isAllRiskControlEnable(), 0);

    // Off, from the button: 1 and 2 change, 3 is off already.
    center->clearSentOperations();
    click(panel, "product_manage_disable_all");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center->sentOperations().size(), 2u);
    EXPECT_EQ(done.at(1).at(0).toInt(), 0);
    EXPECT_EQ(panel->isAllRiskControlEnable(), 2);
    EXPECT_EQ(message(panel, "product_manage_panel_error"), "");

    // Nothing differs: no request; a system that cannot be read cannot be switched.
    center->clearSentOperations();
    panel->EnableAllRiskControl(0);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(center->sentOperations().empty());
    EXPECT_EQ(done.at(2).at(0).toInt(), 0);
    panel->switchSystem(0, "故障服务器");
    panel->EnableAllRiskControl(1);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(done.at(3).at(0).toInt(), -1);
    EXPECT_TRUE(center->sentOperations().empty());
}

TEST_F(GlobalRiskSiblingsTest, AnswersOfAGonePageOrPanelReachNobody)
{
    kit::EventSink sink;
    sink.show();
    int reports = 0;
    auto* page = new Ocv::CReversePageWidget(true, 1, &sink);
    page->show();
    ASSERT_TRUE(kit::waitForAnswers());
    QObject::connect(page, &Ocv::CReversePageWidget::sigOnDataFinished, &sink, [&reports] { ++reports; });
    click(page, "reverse_page_save");
    page->setBasicInfo("备用服务器");
    auto* panel = new Ocv::CProductManagePanel(&sink);
    QObject::connect(panel, &Ocv::CProductManagePanel::sigProductsLoaded, &sink, [&reports] { ++reports; });
    ASSERT_TRUE(kit::waitForAnswers());
    QObject::connect(panel, &Ocv::CProductManagePanel::sigEnableFinished, &sink, [&reports] { ++reports; });
    reports = 0;
    panel->EnableAllRiskControl(0);
    // The panel goes with its read out; the page with its save and read out.
    delete panel;
    delete page;
    ASSERT_TRUE(kit::waitForAnswers());
    QCoreApplication::processEvents();
    EXPECT_EQ(reports, 0);
    const auto stored = first<CGlobalStockRCConfig>("主服务器", 23435, "1");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->updateTime, "2026-12-05 10:30:00") << "a save sent before is done all the same";
}

} // namespace
