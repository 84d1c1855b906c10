#include "SiblingsTestKit.h"

#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornUserInfo.h"

#include <QLabel>

namespace {

using DialogDetailsTest = siblingstest::CreationDialogTest;
using boost::dynamic_pointer_cast;
using siblingstest::Stats;

TEST_F(DialogDetailsTest, OpeningSendsTheChosenTypeOpenForTradingAndMarksBadFieldsInRed)
{
    Ocv::CAccountOpeningDialog dialog(nullptr);
    dialog.show();
    type(&dialog, "account_name_edit", QString(33, QChar(0x8D26)));
    click(&dialog, "common_dialog_ok");
    EXPECT_EQ(message(&dialog, "account_id_error"), "账户编号不能为空");
    EXPECT_EQ(message(&dialog, "account_name_error"), "账户名称不能超过 32 个字符（现有 33 个）");
    EXPECT_EQ(message(&dialog, "broker_name_error"), "经纪公司不能为空");
    type(&dialog, "account_id_edit", "A9");
    EXPECT_TRUE(message(&dialog, "account_id_error").isEmpty()) << "correcting a field clears its message";

    type(&dialog, "account_name_edit", QString(32, QChar(0x8D26)));
    type(&dialog, "broker_name_edit", "华泰期货");
    choose(&dialog, "account_type_combo", 5);
    const Stats before = statistics();
    const auto sent = submit(&dialog);
    ASSERT_EQ(sent.size(), 1u);
    const auto account = dynamic_pointer_cast<ttservice::CVornAccountInfo>(sent[0].data);
    ASSERT_TRUE(account && sent[0].dataType == 12203 && sent[0].operation == 1);
    ASSERT_TRUE(account->account);
    EXPECT_EQ(std::make_pair(account->account->accountId, account->account->accountType),
              std::make_pair(std::string("A9"), 5));
    EXPECT_EQ(account->brokerName, "华泰期货");
    EXPECT_EQ(statistics().accountsB, before.accountsB + 1) << "open for trading";
    EXPECT_EQ(shownMessages(), std::vector<QString>{"操作成功"});
}

TEST_F(DialogDetailsTest, TheSwitchedSystemGetsTheRecordAndAnUnknownOneNothing)
{
    Ocv::CCreateUserDialog dialog(nullptr);
    dialog.switchSystem("备用服务器");
    EXPECT_EQ(field<QLabel>(&dialog, "target_system_label")->text(), "交易系统: 备用服务器");
    dialog.show();
    // 32 characters outside the basic plane are 64 UTF-16 units, still within the limit.
    const QString name = QString::fromUcs4(U"\U00020000").repeated(32);
    type(&dialog, "user_name_edit", name);
    choose(&dialog, "user_type_combo", 11);
    choose(&dialog, "client_kind_combo", 5);
    const auto sent = submit(&dialog);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].server, "备用服务器");
    const auto user = dynamic_pointer_cast<ttservice::CVornUserInfo>(sent[0].data);
    ASSERT_TRUE(user && sent[0].dataType == 12209);
    EXPECT_EQ(QString::fromStdString(user->name), name);
    EXPECT_EQ(std::make_tuple(user->userType, user->clientKind, user->online), std::make_tuple(11, 5, 0));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    Ocv::CCreateAccountDialog accounts(nullptr);
    accounts.switchSystem("已下线系统");
    accounts.show();
    type(&accounts, "account_id_edit", "B1");
    type(&accounts, "account_name_edit", "B1");
    EXPECT_TRUE(submit(&accounts).empty());
    EXPECT_EQ(message(&accounts, "create_account_dialog_error"), "交易系统未连接: 已下线系统");
}

TEST_F(DialogDetailsTest, ProductCountMustBeOneToFiftyAndPartialFailuresAreRetriedAlone)
{
    Ocv::CProductBatchCreateDialog dialog(nullptr);
    const auto fill = [&dialog](const char* firstId, const char* namePrefix, const char* count) {
        type(&dialog, "product_first_id_edit", firstId);
        type(&dialog, "product_name_prefix_edit", namePrefix);
        type(&dialog, "product_count_edit", count);
    };
    const auto product = [](const auto& sent) {
        const auto created = dynamic_pointer_cast<ttservice::CVornProductInfo>(sent.data);
        return created ? created->getKey() + "|" + created->productName : std::string();
    };
    dialog.show();
    for (const char* count : {"", "0", "51", "2x"}) {
        fill("9001", "甲", count);
        EXPECT_TRUE(submit(&dialog).empty());
        EXPECT_FALSE(message(&dialog, "product_count_error").isEmpty()) << count;
    }
    // The first id is a number from 1 on, and the last id of the batch must still be one.
    const struct
    {
        const char* firstId;
        const char* count;
        const char* expected;
    } ids[] = {{"", "1", "起始产品编号不能为空"},
               {"P1", "1", "起始产品编号须为 1 到 2147483647 之间的整数"},
               {"0", "1", "起始产品编号须为 1 到 2147483647 之间的整数"},
               {"2147483647", "2", "起始产品编号须为 1 到 2147483646 之间的整数"},
               {"2147483646", "2", ""},
               {"2147483647", "1", ""},
               {"-3", "1", "起始产品编号须为 1 到 2147483647 之间的整数"}};
    for (const auto& c : ids) {
        dialog.show();
        fill(c.firstId, "丙", c.count);
        const bool sent = !submit(&dialog).empty();
        EXPECT_EQ(message(&dialog, "product_first_id_error"), c.expected) << c.firstId << " " << c.count;
        EXPECT_EQ(sent, *c.expected == '\0') << c.firstId << " " << c.count;
    }
    dialog.show();
    fill("9001", "甲", "1");
    submit(&dialog);
    const Stats before = statistics();

    dialog.show();
    fill("9101", "甲", "3");
    const auto sent = submit(&dialog);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(product(sent[2]), "9103|甲0003");
    EXPECT_EQ(message(&dialog, "product_batch_create_dialog_error"),
              "已创建 2 个产品，1 个失败: 9101。产品名称已存在: 甲0001");

    type(&dialog, "product_name_prefix_edit", "乙");
    const auto retried = submit(&dialog);
    ASSERT_EQ(retried.size(), 1u);
    EXPECT_EQ(product(retried[0]), "9101|乙0001");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shownMessages().back(), "操作成功，已创建 3 个产品");
    EXPECT_EQ(statistics().productsA, before.productsA + 3);
}

} // namespace
