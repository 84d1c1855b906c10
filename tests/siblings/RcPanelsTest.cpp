#include "SiblingsTestKit.h"

#include "EventSink.h"

#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplate.h"
#include "data/ttservice/CVornRcTemplateGroup.h"
#include "siblings/CAccountFutureRCSetWidget.h"
#include "siblings/CAccountStockRCSetWidget.h"
#include "siblings/CProductRelateRCTemplateGroupWidget.h"
#include "siblings/CProductRelateRCTemplateWidget.h"
#include "siblings/CProductRiskControlPageWidget.h"
#include "siblings/CProductRiskControlTemplateGroupWidget.h"
#include "siblings/CProductRiskControlTemplateWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QTableWidget>

#include <algorithm>

namespace {

using ttservice::CVornAccountRcSetting;
using ttservice::CVornProductRcSetting;
using ttservice::CVornRcRelation;
using ttservice::CVornRcTemplate;
using ttservice::CVornRcTemplateGroup;

ttservice::CAccountInfoPtr account(const std::string& id, int type)
{
    auto record = boost::make_shared<ttservice::CAccountInfo>();
    record->accountId = id;
    record->accountType = type;
    return record;
}

ttservice::IDataPtr rcTemplate(int id, const std::string& name, int targetKind)
{
    auto record = boost::make_shared<CVornRcTemplate>();
    record->templateId = id;
    record->templateName = name;
    record->targetKind = targetKind;
    record->description = name + "说明";
    return record;
}

ttservice::IDataPtr group(int id, const std::string& name, const std::string& templateIds, int targetKind)
{
    auto record = boost::make_shared<CVornRcTemplateGroup>();
    record->groupId = id;
    record->groupName = name;
    record->templateIds = templateIds;
    record->targetKind = targetKind;
    return record;
}

ttservice::IDataPtr accountRelation(int ownerKind, int ownerId, const std::string& accountId)
{
    auto record = boost::make_shared<CVornRcRelation>();
    record->ownerKind = ownerKind;
    record->ownerId = ownerId;
    record->accountId = accountId;
    return record;
}

// Keeps what event 45 carried while its data pointer is valid.
class PickSink : public kit::EventSink
{
public:
    bool handleEvent(int eventId, int a, int b, const QString& text, void* data) override
    {
        if (eventId == 45)
            picks.push_back(a == 0 && data ? pickedId(data) : "bad");
        return kit::EventSink::handleEvent(eventId, a, b, text, data);
    }
    // "T<id>", "G<id>" or "-" for a lost choice.
    std::string (*pickedId)(void*) = nullptr;
    std::vector<std::string> picks;
};

std::string templatePicked(void* data)
{
    const auto& picked = *static_cast<boost::shared_ptr<CVornRcTemplate>*>(data);
    return picked ? "T" + std::to_string(picked->templateId) : "-";
}

std::string groupPicked(void* data)
{
    const auto& picked = *static_cast<boost::shared_ptr<CVornRcTemplateGroup>*>(data);
    return picked ? "G" + std::to_string(picked->groupId) : "-";
}

// The main server (tag 1): six accounts and four products, account templates 1 and 3, product
// template 2, groups 5 (accounts) and 6 (products); template 1 applied to an account it no longer
// lists; a preset setting of C2001. The backup (tag 2): template 11 and its own setting of C2001.
// The failing server fails the templates and the settings.
class RcPanelsTest : public siblingstest::CreationDialogTest
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        auto preset = boost::make_shared<CVornAccountRcSetting>();
        preset->accountId = "C2001";
        preset->traderType = 8;
        preset->maxOrderAmount = 500000.5;
        preset->maxPositionVolume = 300;
        auto backupPreset = boost::make_shared<CVornAccountRcSetting>(*preset);
        backupPreset->maxOrderAmount = 7;
        // Kept by the platform, never offered: listed before the generated accounts.
        auto excluded = boost::make_shared<ttservice::CVornAccountInfo>();
        excluded->account = boost::make_shared<ttservice::CAccountInfo>();
        excluded->account->accountId = "X-EXCLUDED";
        excluded->account->accountType = 2;
        excluded->account->excluded = true;
        kit::ScenarioBuilder()
            .now(QDateTime(QDate(2026, 12, 5), QTime(10, 30)))
            .server("主服务器", 5)
            .answer(12203, {excluded})
            .population({6, 4, 0, 7, {}})
            .riskControl({rcTemplate(1, "稳健账号模板", 1), rcTemplate(2, "产品标准模板", 2),
                          rcTemplate(3, "日内模板", 1), group(5, "账号组", "1,3", 1), group(6, "产品组", "2", 2),
                          accountRelation(1, 1, "GONE-1"), preset})
            .server("备用服务器", 5)
            .riskControl({rcTemplate(11, "备用模板", 1), backupPreset})
            .server("故障服务器", 5)
            .error(23452, "模板服务不可用")
            .error(23450, "风控服务不可用")
            .install();
        center->setSystemName("主服务器");
        sink.resize(900, 600);
        sink.show();
    }

    // The keys of every record the server answers.
    std::vector<std::string> keys(const std::string& server, int dataType, const std::string& param)
    {
        auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
        req->dataType = dataType;
        req->param = param;
        std::vector<std::string> found;
        center->getClientByName(server)->queryData_async(
            req,
            [&found](const utils::TTError&, const std::vector<ttservice::IDataPtr>& records, int,
                     const bson::BSONObj&) {
                for (const auto& record : records)
                    found.push_back(record->getKey());
            },
            0);
        EXPECT_TRUE(kit::waitForAnswers());
        return found;
    }
    // "server code param" of every query sent since the last clear.
    std::vector<std::string> asked() const
    {
        std::vector<std::string> texts;
        for (const auto& sent : center->sentRequests())
            texts.push_back(sent.server + " " + std::to_string(sent.dataType) + " " + sent.param);
        return texts;
    }
    // Clicks and waits for what the click sent.
    static void press(QWidget* panel, const char* button) { click(panel, button); EXPECT_TRUE(kit::waitForAnswers()); }
    static QString text(QWidget* panel, const QString& name) { return field(panel, name)->text(); }
    static bool editable(QWidget* panel, const QString& name) { return field<QWidget>(panel, name)->isEnabled(); }
    static QString title(QWidget* panel, const QString& name) { return field<QLabel>(panel, name)->text(); }
    static void choose(QListView* view, std::initializer_list<int> rows)
    {
        view->selectionModel()->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
    }
    static QStringList rows(QListView* view)
    {
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            texts << view->model()->index(row, 0).data().toString();
        return texts;
    }

    PickSink sink;
};

TEST_F(RcPanelsTest, AccountPanelsReadOnceSaveAndReadBackKeepingWhatTheyDoNotShow)
{
    auto* futures = new Ocv::CAccountFutureRCSetWidget(ttservice::QD_TRADER_FUTURE, &sink);
    futures->show();
    center->clearSentRequests();
    int institution = 12;
    std::string institutionName = "华辰期货";
    // As the setting dialog does on a selection: account, institution, activation.
    futures->setAccount(account("F1001", 1), true);
    futures->setInstitutionInfo(institution, institutionName);
    futures->setActive(true, true);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(asked(), std::vector<std::string>{"主服务器 23450 F1001"}) << "one read per selection";
    EXPECT_EQ(title(futures, "account_future_rc_title"), "资金账号: F1001 | 机构: 华辰期货 (12) | 交易类型: 期货");
    // Nothing stored: the defaults.
    EXPECT_EQ(text(futures, "account_future_rc_max_daily_loss"), "0.00");
    EXPECT_TRUE(field<QCheckBox>(futures, "account_future_rc_trading_allowed")->isChecked());

    type(futures, "account_future_rc_max_order_volume", "50");
    type(futures, "account_future_rc_max_position_volume", "200");
    type(futures, "account_future_rc_max_daily_loss", " 12345.6 ");
    type(futures, "account_future_rc_max_cancel_ratio", "100");
    field<QCheckBox>(futures, "account_future_rc_trading_allowed")->setChecked(false);
    center->clearSentOperations();
    click(futures, "account_future_rc_save");
    EXPECT_EQ(center->sentOperations().size(), 1u);
    EXPECT_FALSE(editable(futures, "account_future_rc_save")) << "no second save while one is out";
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(futures, "account_future_rc_error"), "保存成功");
    const auto stored = first<CVornAccountRcSetting>("主服务器", 23450, "F1001");
    ASSERT_TRUE(stored);
    EXPECT_EQ(QString("%1 %2 %3 %4 %5 %6 %7 %8")
                  .arg(QString::fromStdString(stored->accountId)).arg(stored->traderType).arg(stored->maxOrderVolume)
                  .arg(stored->maxPositionVolume).arg(stored->maxDailyLoss, 0, 'f', 2).arg(stored->maxCancelRatio)
                  .arg(stored->tradingAllowed).arg(QString::fromStdString(stored->updatedBy + "@" + stored->updateTime)),
              "F1001 2 50 200 12345.60 100 0 tester@2026-12-05 10:30:00");
    EXPECT_EQ(text(futures, "account_future_rc_max_daily_loss"), "12345.60") << "read back";
    EXPECT_TRUE(editable(futures, "account_future_rc_save"));

    // A credit account on the backup: its preset shows; the position limit it does not show stays.
    auto* credit = new Ocv::CAccountStockRCSetWidget(ttservice::QD_TRADER_CREDIT, &sink);
    credit->show();
    credit->setSysName("备用服务器");
    credit->setAccount(account("C2001", 3), true, false);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(text(credit, "account_stock_rc_max_order_amount"), "7.00");
    credit->setSysName("");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(text(credit, "account_stock_rc_max_order_amount"), "500000.50");
    EXPECT_EQ(title(credit, "account_stock_rc_title"), "资金账号: C2001 | 机构: - | 交易类型: 信用");
    type(credit, "account_stock_rc_max_order_amount", "9999999999.99");
    press(credit, "account_stock_rc_save");
    const auto kept = first<CVornAccountRcSetting>("主服务器", 23450, "C2001");
    ASSERT_TRUE(kept);
    EXPECT_EQ(QString::number(kept->maxOrderAmount, 'f', 2) + " " + QString::number(kept->maxPositionVolume) + " " +
                  QString::number(kept->traderType),
              "9999999999.99 300 8");

    // From the cache: no read for an account read before, a read for another one.
    center->clearSentRequests();
    credit->setAccount(account("C2001", 3), true, true);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(asked().empty());
    EXPECT_EQ(text(credit, "account_stock_rc_max_order_amount"), "9999999999.99");
    credit->setAccount(account("C2002", 3), true, true);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(asked(), std::vector<std::string>{"主服务器 23450 C2002"});
    // Without the cache the platform's current value shows, whatever was read before.
    futures->setAccount(account("C2001", 3), true);
    ASSERT_TRUE(kit::waitForAnswers());
    type(futures, "account_future_rc_max_position_volume", "301");
    press(futures, "account_future_rc_save");
    credit->setAccount(account("C2001", 3), true, false);
    ASSERT_TRUE(kit::waitForAnswers());
    type(credit, "account_stock_rc_max_order_volume", "7");
    press(credit, "account_stock_rc_save");
    EXPECT_EQ(first<CVornAccountRcSetting>("主服务器", 23450, "C2001")->maxPositionVolume, 301);
}

// A value outside its range is named with the range on the message line and nothing is sent; the
// edges themselves are sent.
TEST_F(RcPanelsTest, ValuesOutOfRangeAreNamedAndNothingIsSent)
{
    auto* futures = new Ocv::CAccountFutureRCSetWidget(ttservice::QD_TRADER_FUTURE_OPTION, &sink);
    futures->show();
    futures->setAccount(account("O3001", 5), true);
    auto* page = new Ocv::CProductRiskControlPageWidget(&sink);
    page->show();
    page->setProductID("1", 1001);
    ASSERT_TRUE(kit::waitForAnswers());
    const QString volume = "单笔最大委托数量须为 0 到 10000000 之间的整数";
    const QString loss = "单日最大亏损须为 0 到 100000000000 之间的数值, 最多两位小数";
    const struct
    {
        QWidget* panel;
        const char* field;
        const char* typed;
        QString expected;
    } cases[] = {
        {futures, "account_future_rc_max_order_volume", "10000001", volume},
        {futures, "account_future_rc_max_order_volume", "-1", volume},
        {futures, "account_future_rc_max_order_volume", "1.5", volume},
        {futures, "account_future_rc_max_order_volume", "", volume},
        {futures, "account_future_rc_max_position_volume", "abc", "最大持仓数量须为 0 到 100000000 之间的整数"},
        {futures, "account_future_rc_max_daily_loss", "1.234", loss},
        {futures, "account_future_rc_max_daily_loss", "100000000000.01", loss},
        {futures, "account_future_rc_max_cancel_ratio", "101", "最大撤单比例须为 0 到 100 之间的整数"},
        {page, "product_rc_page_max_net_asset_loss_ratio", "100.01", "净值最大亏损比例须为 0 到 100 之间的数值, 最多两位小数"},
        {page, "product_rc_page_max_single_stock_ratio", "-0.5", "单一股票最大持仓比例须为 0 到 100 之间的数值, 最多两位小数"},
    };
    center->clearSentOperations();
    for (const auto& c : cases) {
        const QString name = c.panel->objectName();
        type(c.panel, c.field, c.typed);
        click(c.panel, (name + "_save").toLatin1().constData());
        EXPECT_EQ(message(c.panel, name + "_error"), c.expected) << c.field << " " << c.typed;
        EXPECT_EQ(text(c.panel, c.field), c.typed) << "kept to be corrected";
        type(c.panel, c.field, "0");
    }
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(center->sentOperations().empty());

    type(futures, "account_future_rc_max_order_volume", "10000000");
    type(futures, "account_future_rc_max_daily_loss", "100000000000");
    type(futures, "account_future_rc_max_cancel_ratio", "0");
    click(futures, "account_future_rc_save");
    type(page, "product_rc_page_max_net_asset_loss_ratio", "100");
    type(page, "product_rc_page_max_single_stock_ratio", "0.01");
    press(page, "product_rc_page_save");
    ASSERT_EQ(center->sentOperations().size(), 2u);
    EXPECT_EQ(first<CVornAccountRcSetting>("主服务器", 23450, "O3001")->maxOrderVolume, 10000000);
    const auto product = first<CVornProductRcSetting>("主服务器", 23451, "1001");
    ASSERT_TRUE(product);
    EXPECT_EQ(QString::number(product->maxNetAssetLossRatio) + " " + QString::number(product->maxSingleStockRatio),
              "100 0.01");
}

TEST_F(RcPanelsTest, RefusalsUnknownSystemsFailedReadsAndReadOnlyAccounts)
{
    auto* futures = new Ocv::CAccountFutureRCSetWidget(ttservice::QD_TRADER_FUTURE, &sink);
    futures->show();
    futures->setAccount(account("F1002", 1), true);
    ASSERT_TRUE(kit::waitForAnswers());
    // The platform's own rule: no order above the position limit. The typed values stay.
    type(futures, "account_future_rc_max_order_volume", "500");
    type(futures, "account_future_rc_max_position_volume", "100");
    press(futures, "account_future_rc_save");
    EXPECT_EQ(message(futures, "account_future_rc_error"), "保存失败, 单笔最大委托数量不能大于最大持仓数量 (500 > 100)");
    EXPECT_EQ(text(futures, "account_future_rc_max_order_volume"), "500");
    EXPECT_TRUE(editable(futures, "account_future_rc_save"));

    // Not modifiable: shown, not editable.
    futures->setAccount(account("C2001", 3), false);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(futures, "account_future_rc_error"), "") << "a new account clears the message";
    EXPECT_EQ(text(futures, "account_future_rc_max_position_volume"), "300");
    for (const char* name : {"account_future_rc_max_order_volume", "account_future_rc_trading_allowed",
                             "account_future_rc_save"})
        EXPECT_FALSE(editable(futures, name)) << name;

    futures->setAccount(account("F1002", 1), true);
    center->clearSentRequests();
    futures->setSysName("没有的系统");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(futures, "account_future_rc_error"), "交易系统未连接: 没有的系统");
    EXPECT_TRUE(asked().empty());
    EXPECT_FALSE(editable(futures, "account_future_rc_save"));

    futures->setSysName("故障服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(futures, "account_future_rc_error"), "请求失败, 风控服务不可用");
    EXPECT_FALSE(editable(futures, "account_future_rc_save"));
    futures->setSysName("");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(futures, "account_future_rc_error"), "") << "a good read ends the failure's message";
    EXPECT_TRUE(editable(futures, "account_future_rc_save"));

    // Hidden or switched off, nothing is read; without an account neither.
    center->clearSentRequests();
    futures->setActive(false, false);
    futures->setSysName("");
    futures->setAccount(account("F1003", 1), true);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(asked().empty());
    futures->setActive(true, false);
    futures->setAccount(nullptr, true);
    futures->onActive();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(asked().empty());
    EXPECT_EQ(title(futures, "account_future_rc_title"), "未选择账号");
    EXPECT_FALSE(editable(futures, "account_future_rc_save"));

    // The product page finds its server by the tag.
    auto* page = new Ocv::CProductRiskControlPageWidget(&sink);
    page->show();
    page->setProductID("2", 1001);
    page->setProductID("9", 1001);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(page, "product_rc_page_error"), "交易系统未连接: 9");
    EXPECT_TRUE(asked().empty());
    page->setProductID("2", 1001);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(asked(), std::vector<std::string>{"备用服务器 23451 1001"});
    EXPECT_EQ(title(page, "product_rc_page_title"), "产品编号: 1001 | 交易系统: 备用服务器");
    field<QCheckBox>(page, "product_rc_page_enabled")->setChecked(false);
    press(page, "product_rc_page_save");
    EXPECT_FALSE(first<CVornProductRcSetting>("备用服务器", 23451, "1001")->enabled);
}

TEST_F(RcPanelsTest, TemplateAndGroupListsDeliverTheChosenOneAndReadAfterASwitch)
{
    sink.pickedId = templatePicked;
    auto* list = new Ocv::CProductRiskControlTemplateWidget(true, false, &sink);
    center->clearSentRequests();
    list->switchSystem(0, "主服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(asked().empty()) << "not shown yet";
    list->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(asked(), std::vector<std::string>{"主服务器 23452 account"});
    auto* table = field<QTableWidget>(list, "rc_template_list_table");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 0)->text() + table->item(1, 1)->text() + table->item(1, 2)->text(),
              "日内模板账号日内模板说明");
    table->setCurrentCell(1, 0);
    table->setCurrentCell(0, 2);
    EXPECT_EQ(sink.picks, (std::vector<std::string>{"T3", "T1"}));

    // Shown: a switch reads at once and the choice is lost.
    list->switchSystem(0, "备用服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(list->templateCount(), 1);
    EXPECT_EQ(sink.picks.back(), "-");
    list->switchSystem(0, "故障服务器");
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(list->templateCount(), 0);
    EXPECT_EQ(message(list, "rc_template_list_error"), "请求失败, 模板服务不可用");
    list->switchSystem(0, "没有的系统");
    EXPECT_EQ(message(list, "rc_template_list_error"), "交易系统未连接: 没有的系统");

    auto* products = new Ocv::CProductRiskControlTemplateWidget(false, true, &sink);
    products->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(products->templateCount(), 1);

    sink.pickedId = groupPicked;
    sink.picks.clear();
    auto* groups = new Ocv::CProductRiskControlTemplateGroupWidget(false, true, &sink);
    groups->show();
    groups->request();
    ASSERT_TRUE(kit::waitForAnswers());
    auto* groupTable = field<QTableWidget>(groups, "rc_template_group_list_table");
    ASSERT_EQ(groupTable->rowCount(), 1);
    groupTable->setCurrentCell(0, 0);
    EXPECT_EQ(sink.picks, std::vector<std::string>{"G6"});
    auto* accountGroups = new Ocv::CProductRiskControlTemplateGroupWidget(true, false, &sink);
    accountGroups->request();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(field<QTableWidget>(accountGroups, "rc_template_group_list_table")->item(0, 2)->text(), "1, 3");
}

TEST_F(RcPanelsTest, RelationsAreAppliedAndRemovedThroughTheFilteredLists)
{
    auto* relate = new Ocv::CProductRelateRCTemplateWidget(Ocv::eRelateRcApply, nullptr, &sink);
    relate->show();
    center->clearSentRequests();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(asked().empty());
    EXPECT_EQ(title(relate, "rc_template_relate_title"), "未选择模板");

    const auto accountTemplate = first<CVornRcTemplate>("主服务器", 23452, "account");
    ASSERT_TRUE(accountTemplate);
    center->clearSentRequests();
    relate->setTemplateData(accountTemplate);
    ASSERT_TRUE(kit::waitForAnswers());
    std::vector<std::string> sent = asked();
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, (std::vector<std::string>{"主服务器 12203 all", "主服务器 23454 1"}));
    auto* applied = field<QListView>(relate, "rc_template_relate_applied");
    auto* available = field<QListView>(relate, "rc_template_relate_available");
    EXPECT_EQ(rows(applied), QStringList{"GONE-1"}) << "an account the server no longer lists";
    type(relate, "rc_template_relate_applied_filter", "GONE-2");
    EXPECT_EQ(rows(applied), QStringList{});
    type(relate, "rc_template_relate_applied_filter", "");
    const std::vector<std::string> accounts = keys("主服务器", 12203, "all");
    ASSERT_EQ(accounts.size(), 7u);
    EXPECT_EQ(accounts[0], "X-EXCLUDED");
    EXPECT_EQ(relate->availableCount(), 6) << "the excluded account is not offered";

    // The filter narrows the view; the choice is made in what it shows.
    const QString wanted = QString::fromStdString(accounts[4]);
    type(relate, "rc_template_relate_available_filter", wanted.toLower());
    ASSERT_EQ(rows(available).size(), 1);
    EXPECT_TRUE(rows(available)[0].startsWith(wanted));
    choose(available, {0});
    center->clearSentOperations();
    click(relate, "rc_template_relate_apply");
    EXPECT_FALSE(editable(relate, "rc_template_relate_apply")) << "while the changes are out";
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(center->sentOperations().size(), 1u);
    auto added = boost::dynamic_pointer_cast<CVornRcRelation>(center->sentOperations()[0].data);
    ASSERT_TRUE(added);
    EXPECT_EQ(std::to_string(center->sentOperations()[0].operation) + " " + added->getKey(),
              "1 T1|A|" + accounts[4]);
    EXPECT_EQ(relate->appliedCount(), 2);
    EXPECT_EQ(relate->availableCount(), 5);

    // Two at once, unfiltered; then the gone account is removed.
    type(relate, "rc_template_relate_available_filter", "");
    choose(available, {0, 2});
    press(relate, "rc_template_relate_apply");
    EXPECT_EQ(relate->appliedCount(), 4);
    choose(applied, {0});
    press(relate, "rc_template_relate_remove");
    EXPECT_EQ(relate->appliedCount(), 3);
    EXPECT_EQ(relate->availableCount(), 3);
    EXPECT_EQ(keys("主服务器", 23454, "1").size(), 3u);

    // Nothing chosen: nothing sent. Applied meanwhile elsewhere: the platform refuses, the lists follow.
    center->clearSentOperations();
    choose(available, {});
    click(relate, "rc_template_relate_apply");
    EXPECT_EQ(message(relate, "rc_template_relate_error"), "请先在可应用中选择账号");
    EXPECT_TRUE(center->sentOperations().empty());
    const QString stale = rows(available)[0];
    auto elsewhere = boost::dynamic_pointer_cast<CVornRcRelation>(accountRelation(1, 1, stale.section(' ', 0, 0).toStdString()));
    elsewhere->setSystemTag(1);
    center->operateData_async(boost::make_shared<ttservice::COperateDataReq>(ttservice::COperateDataReq{
                                  23454, ttservice::QDO_ADD, elsewhere, std::string()}),
                              {}, 0);
    ASSERT_TRUE(kit::waitForAnswers());
    choose(available, {0});
    press(relate, "rc_template_relate_apply");
    EXPECT_EQ(message(relate, "rc_template_relate_error"),
              "1 项操作失败: 已应用: 账号 " + stale.section(' ', 0, 0));
    EXPECT_EQ(relate->appliedCount(), 4);

    // A product template lists products; emptying the panel drops the answers still out.
    const auto productTemplate = first<CVornRcTemplate>("主服务器", 23452, "product");
    relate->setTemplateData(productTemplate);
    relate->setTemplateData(nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(relate->appliedCount() + relate->availableCount(), 0);
    relate->setTemplateData(productTemplate);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(relate->availableCount(), 4);
    choose(available, {3});
    center->clearSentOperations();
    press(relate, "rc_template_relate_apply");
    auto product = boost::dynamic_pointer_cast<CVornRcRelation>(center->sentOperations().at(0).data);
    ASSERT_TRUE(product);
    EXPECT_EQ(product->getKey(), "T2|P|1:" + std::to_string(product->productId));
    EXPECT_GT(product->productId, 0);
    EXPECT_EQ(keys("主服务器", 23454, "2").size(), 1u);

    // Group relations, read-only.
    auto* groups = new Ocv::CProductRelateRCTemplateGroupWidget(Ocv::eRelateRcView, nullptr, &sink);
    groups->show();
    EXPECT_FALSE(field<QWidget>(groups, "rc_template_group_relate_apply")->isVisible());
    const auto accountGroup = first<CVornRcTemplateGroup>("主服务器", 23453, "account");
    center->clearSentRequests();
    groups->setTemplateGroupData(accountGroup);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center->sentRequests().front().dataType, 23455);
    EXPECT_EQ(groups->availableCount(), 6);
}

} // namespace
