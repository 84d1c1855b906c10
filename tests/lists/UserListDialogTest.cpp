#include "ListTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"

#include "dashboard/CWelcomeWidget.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CStandardHpfTable.h"
#include "sim/Scenario.h"
#include "userlist/CUserListDialog.h"
#include "userlist/CUserListModel.h"

#include <boost/make_shared.hpp>

#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <tuple>

using listtest::answerNextQuestion;
using listtest::column;

namespace {

using kit::center;

class UserListDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10, 1).roleTypeOf(13, 3).roleTypeOf(12, 1);
        builder.server("s1");
    }
    void TearDown() override
    {
        dialog.reset();
        kit::waitForAnswers();
    }
    Ocv::CUserListDialog* make()
    {
        builder.install();
        center()->clearSentOperations();
        center()->clearServerMessages();
        dialog = std::make_unique<Ocv::CUserListDialog>(nullptr);
        return dialog.get();
    }
    void load(int kind)
    {
        dialog->showAndQuery(QStringLiteral("s1"), kind);
        ASSERT_TRUE(kit::waitForAnswers());
    }
    static ttservice::CVornTypedUserItemPtr item(const std::string& name, const std::string& time)
    {
        return kit::loginItem(name, time, 1);
    }
    QStringList users() const { return column(*dialog->model(), 2); }

    kit::ScenarioBuilder builder;
    std::unique_ptr<Ocv::CUserListDialog> dialog;
};

TEST_F(UserListDialogTest, KindsShapeTheColumnsTheWidthAndTheTitleRowsTranslateEnumsAndNameThePrimeBroker)
{
    auto prime = item("carol", "10:00");
    prime->organizationName.clear();
    prime->organizationId = INT_MAX;
    auto odd = item("dave", "10:01");
    odd->organizationName.clear();
    odd->organizationId = -1;
    odd->terminalTypeId = 977;
    odd->userType = 4242;
    odd->userTypeText = "自定义角色";
    auto plain = item("erin", "10:02");
    plain->organizationName.clear();
    plain->organizationId = 5;
    builder.logins(1, {prime, odd, plain});
    auto* d = make();
    load(1);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("在线用户"));
    EXPECT_EQ(d->width(), 1260);
    EXPECT_FALSE(d->table()->isColumnHidden(0));
    EXPECT_FALSE(d->table()->isColumnHidden(13));
    EXPECT_TRUE(d->table()->isColumnHidden(1)) << "one server: no system column";
    const int carol = users().indexOf(QStringLiteral("carol"));
    const int dave = users().indexOf(QStringLiteral("dave"));
    const int erin = users().indexOf(QStringLiteral("erin"));
    ASSERT_TRUE(carol >= 0 && dave >= 0 && erin >= 0);
    EXPECT_EQ(column(*d->model(), 5)[carol], QStringLiteral("主经纪商"));
    EXPECT_EQ(column(*d->model(), 5)[dave], QStringLiteral("主经纪商"));
    EXPECT_EQ(column(*d->model(), 5)[erin], QString());
    EXPECT_EQ(column(*d->model(), 3)[dave], QStringLiteral("自定义角色"));
    EXPECT_TRUE(column(*d->model(), 4)[dave].contains(QStringLiteral("977")));
    EXPECT_EQ(column(*d->model(), 3)[carol], QStringLiteral("交易员"));

    for (int kind : {2, 3, 5}) {
        load(kind);
        EXPECT_EQ(d->width(), 500);
        for (int c : {0, 4, 5, 11, 12, 13})
            EXPECT_TRUE(d->table()->isColumnHidden(c)) << kind << " column " << c;
        EXPECT_TRUE(d->checkBoxes()->getStatusMap().isEmpty()) << "only online users may be logged out";
    }
    load(4);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("信号单和便捷交易用户"));
    for (int c : {5, 11, 12})
        EXPECT_FALSE(d->table()->isColumnHidden(c)) << c;
    load(9);
    EXPECT_EQ(d->windowTitle(), QString());

    // Generated signal-order logins come with file and interface counts.
    sim::GenerateOptions generate;
    generate.logins = 400;
    builder.generate(generate);
    make();
    load(4);
    ASSERT_GT(dialog->model()->rowCount(), 0);
    for (int c : {11, 12}) {
        const QStringList counts = column(*dialog->model(), c);
        const int zeros = counts.count(QStringLiteral("0"));
        EXPECT_LT(zeros, counts.size()) << "column " << c;
    }
}

TEST_F(UserListDialogTest, OwnLoginAndAdministratorsGetNoBoxAndForcedLogoutEndsTheLogin)
{
    auto admin = item("root", "08:00");
    admin->userType = 12;               // role type 1
    auto own = item("tester", "07:30"); // the logged-in user, on its own machine (no MAC listed)
    own->mac.clear();
    auto elsewhere = item("tester", "07:20"); // the administrator's name on another machine
    auto neighbour = item("nina", "07:10");   // another user on the administrator's machine
    neighbour->mac.clear();
    auto unmapped = item("ghost", "07:00"); // a user type with no role type: role type 0
    unmapped->userType = 77;
    // A disk serial that is no valid UTF-8: the logout must name it byte for byte.
    auto alice = item("alice", "09:00");
    alice->diskSerial = "WD-\xff\xfe" "01";
    builder.logins(1, {alice, item("bob", "09:05"), admin, own, elsewhere, neighbour, unmapped});
    auto* d = make();
    load(1);
    const QMap<QString, bool> boxes = d->checkBoxes()->getStatusMap();
    QStringList boxed;
    for (auto it = boxes.begin(); it != boxes.end(); ++it)
        boxed << d->model()->getDataByKey(it.key())->getColumnText(2) + QLatin1Char('/') +
                     d->model()->getDataByKey(it.key())->getColumnText(9);
    boxed.sort();
    EXPECT_EQ(boxed, (QStringList{"alice/09:00", "bob/09:05", "nina/07:10", "tester/07:20"}))
        << "the administrator's own login (name and MAC) and role types 0/1 are never loggable";

    const QString aliceKey = d->model()->dataAt(users().indexOf(QStringLiteral("alice")))->qsKey();
    QString asked;
    answerNextQuestion(true, &asked);
    d->handleEvent(228, 1398, 0, aliceKey, nullptr);
    EXPECT_EQ(asked, QStringLiteral("提示|是否确认登出该用户?"));
    ASSERT_TRUE(kit::waitForAnswers());
    ASSERT_EQ(center()->sentOperations().size(), 1u);
    EXPECT_EQ(center()->sentOperations()[0].dataType, 626);
    EXPECT_EQ(center()->sentOperations()[0].operation, 3);
    const auto sent = boost::dynamic_pointer_cast<ttservice::CLoginInfo>(center()->sentOperations()[0].data);
    ASSERT_TRUE(sent);
    EXPECT_EQ(std::make_tuple(sent->userName, sent->address, sent->terminalTypeId, sent->mac, sent->diskSerial,
                              sent->loginTime),
              std::make_tuple(alice->userName, alice->address, alice->terminalTypeId, alice->mac,
                              alice->diskSerial, alice->loginTime));
    EXPECT_FALSE(users().contains(QStringLiteral("alice")));
    load(1);
    EXPECT_FALSE(users().contains(QStringLiteral("alice"))) << "the platform ended that login";
    EXPECT_TRUE(users().contains(QStringLiteral("bob")));

    // Cancel does nothing; a logout the platform refuses keeps the row and says why.
    const QString bobKey = d->model()->dataAt(users().indexOf(QStringLiteral("bob")))->qsKey();
    answerNextQuestion(false);
    d->handleEvent(228, 1398, 0, bobKey, nullptr);
    EXPECT_EQ(center()->sentOperations().size(), 1u);
    kit::ScenarioBuilder().user(10, 1).roleTypeOf(13, 3).server("s1").error(626, "服务拒绝").install();
    answerNextQuestion(true);
    d->handleEvent(228, 1398, 0, bobKey, nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_TRUE(users().contains(QStringLiteral("bob")));
    ASSERT_FALSE(center()->serverMessages().empty());
    EXPECT_EQ(center()->serverMessages().back().title, QStringLiteral("提示"));
    EXPECT_EQ(center()->serverMessages().back().text, QStringLiteral("服务拒绝"));
}

TEST_F(UserListDialogTest, SelectedAndAllLogoutsAskFirstAndSendOnlyLoggableRows)
{
    builder.logins(1, {item("alice", "09:00"), item("bob", "09:05"), item("carl", "09:06")});
    auto* d = make();
    load(1);
    const QString bobKey = d->model()->dataAt(users().indexOf(QStringLiteral("bob")))->qsKey();
    d->checkBoxes()->setItemChecked(bobKey, true, true, false);
    QString asked;
    answerNextQuestion(true, &asked);
    d->handleEvent(5, 1, 0, QString(), nullptr);
    EXPECT_EQ(asked, QStringLiteral("提示|是否登出选中用户？"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center()->sentOperations().size(), 1u);
    EXPECT_FALSE(users().contains(QStringLiteral("bob")));
    EXPECT_EQ(d->checkBoxes()->getStatusMap().size(), 2) << "a logged-out row's box goes with it";
    load(1); // the platform's list closes the gap bob left; later logouts still find their logins

    answerNextQuestion(true, &asked);
    d->handleEvent(5, 2, 0, QString(), nullptr);
    EXPECT_EQ(asked, QStringLiteral("提示|是否登出全部用户？"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(center()->sentOperations().size(), 3u);
    EXPECT_TRUE(users().isEmpty());

    // Nothing loggable left: OK sends nothing.
    load(1);
    answerNextQuestion(true);
    d->handleEvent(5, 2, 0, QString(), nullptr);
    EXPECT_EQ(center()->sentOperations().size(), 3u);

    // A long run counts its answers over the dialog until the last row has left.
    std::vector<ttservice::CVornTypedUserItemPtr> many;
    for (int i = 0; i < 150; ++i)
        many.push_back(item("u" + std::to_string(i), "10:00"));
    builder.logins(1, many);
    make();
    load(1);
    const int boxed = dialog->checkBoxes()->getStatusMap().size();
    ASSERT_GE(boxed, 150);
    answerNextQuestion(true);
    dialog->handleEvent(5, 2, 0, QString(), nullptr);
    QStringList masks;
    for (auto* mask : dialog->findChildren<Kx::CLoadingMaskWidget*>()) {
        if (mask->isVisible())
            masks << mask->text();
    }
    EXPECT_EQ(masks, QStringList{QStringLiteral("正在登出 0 / %1").arg(boxed)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return users().isEmpty(); }, 10000));
    EXPECT_EQ(int(center()->sentOperations().size()), boxed);
    for (auto* mask : dialog->findChildren<Kx::CLoadingMaskWidget*>())
        EXPECT_FALSE(mask->isVisible());

    // Past ten thousand boxes the keys are sorted on a worker; only the ticked ones go.
    sim::GenerateOptions generate;
    generate.logins = 40000;
    builder.generate(generate);
    make();
    load(1);
    const QMap<QString, bool> all = dialog->checkBoxes()->getStatusMap();
    ASSERT_GE(all.size(), 10000);
    const QStringList ticked{all.firstKey(), (all.begin() + 5000).key(), all.lastKey()};
    for (const QString& key : ticked)
        dialog->checkBoxes()->setItemChecked(key, true, false, false);
    const int before = dialog->model()->totalCount();
    answerNextQuestion(true);
    dialog->handleEvent(5, 1, 0, QString(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->model()->totalCount() == before - 3; }, 10000));
    for (const QString& key : ticked)
        EXPECT_FALSE(dialog->model()->getDataByKey(key)) << key.toStdString();
    EXPECT_EQ(center()->sentOperations().size(), 3u);
}

TEST_F(UserListDialogTest, FailuresOddAnswersAndSupersededQueries)
{
    builder.error(12311, "1", "列表服务不可用");
    builder.answer(12311, "2", {boost::make_shared<ttservice::CVornUserInfo>()});
    builder.answer(12311, "3", {});
    builder.logins(5, {item("mia", "11:00")});
    auto* d = make();
    load(1);
    EXPECT_EQ(d->model()->totalCount(), 0);
    ASSERT_EQ(center()->serverMessages().size(), 1u);
    EXPECT_EQ(center()->serverMessages()[0].text, QStringLiteral("请求失败, 列表服务不可用"));
    EXPECT_EQ(center()->serverMessages()[0].title, QStringLiteral("在线用户"));
    load(2);
    load(3);
    EXPECT_EQ(d->model()->totalCount(), 0);
    EXPECT_EQ(center()->serverMessages().size(), 1u) << "odd or empty answers are no errors";

    // Two quick queries: only the second one's rows are shown.
    d->showAndQuery(QStringLiteral("s1"), 5);
    d->showAndQuery(QStringLiteral("s1"), 2);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(d->model()->totalCount(), 0);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("API用户"));

    // An unknown server sends nothing.
    center()->clearSentRequests();
    d->showAndQuery(QStringLiteral("nowhere"), 1);
    EXPECT_TRUE(center()->sentRequests().empty());
}

TEST_F(UserListDialogTest, FilterIsPlainCaseInsensitiveTextAndSurvivesRemovals)
{
    builder.logins(1, {item("Alice.Li", "09:00"), item("alice", "09:01"), item("bob", "09:02")});
    auto* d = make();
    load(1);
    d->handleEvent(101, 0, 0, QStringLiteral("ALICE"), nullptr);
    EXPECT_EQ(users().size(), 2);
    d->handleEvent(101, 0, 0, QStringLiteral("e.l"), nullptr);
    EXPECT_EQ(users(), QStringList{QStringLiteral("Alice.Li")}) << "the dot is no wildcard";
    d->handleEvent(101, 0, 0, QString(10000, QLatin1Char('x')), nullptr);
    EXPECT_TRUE(users().isEmpty());
    d->handleEvent(101, 0, 0, QStringLiteral("alice"), nullptr);
    const QString key = d->model()->dataAt(users().indexOf(QStringLiteral("alice")))->qsKey();
    answerNextQuestion(true);
    d->handleEvent(228, 1398, 0, key, nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(users(), QStringList{QStringLiteral("Alice.Li")});
    d->handleEvent(101, 0, 0, QString(), nullptr);
    EXPECT_EQ(users().size(), 2) << "Alice.Li and bob";

    // The search goes behind a header filter still running on a worker, not under it.
    d->table()->setBackgroundThreshold(0);
    d->table()->filterColumn(2, Kx::IBaseHpfTableModel::Filter(1, {QStringLiteral("bob")}));
    d->handleEvent(101, 0, 0, QStringLiteral("alice"), nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(users(), QStringList{QStringLiteral("Alice.Li")});
}

// Rights, one at a time: 11291 arms the boxes, 21380 adds the log button; with every right the log
// button hands the log request on.
TEST_F(UserListDialogTest, RightsGateBoxesButtonsAndTheLogRequest)
{
    builder.logins(1, {item("alice", "09:00")});
    struct Case
    {
        int right, width;
        bool boxes;
        int buttons;
    };
    for (const Case& c : {Case{12179, 1160, false, 1}, Case{21380, 1160, false, 2}, Case{11291, 1260, true, 1}}) {
        builder.rights({c.right});
        make();
        load(1);
        EXPECT_EQ(dialog->width(), c.width) << c.right;
        EXPECT_EQ(dialog->table()->isColumnHidden(0), !c.boxes) << c.right;
        EXPECT_FALSE(dialog->table()->isColumnHidden(13)) << c.right;
        const auto buttons = dialog->rowButtons()->itemButtons(dialog->model()->dataAt(0)->qsKey());
        ASSERT_EQ(buttons.size(), c.buttons) << c.right;
        EXPECT_EQ(buttons[0].text, QStringLiteral("强制登出")) << c.right;
    }

    builder.rights({11291, 21380, 12179});
    make();
    load(1);
    const QString aliceKey = dialog->model()->dataAt(0)->qsKey();
    ASSERT_EQ(dialog->rowButtons()->itemButtons(aliceKey).size(), 2);
    EXPECT_EQ(dialog->rowButtons()->itemButtons(aliceKey)[1].id, 3);
    QString logRequest;
    QObject::connect(dialog.get(), &Ocv::CUserListDialog::sigQueryUserLog,
                     [&](const QString& text) { logRequest = text; });
    dialog->handleEvent(228, 1398, 3, aliceKey, nullptr);
    const auto alice = dialog->model()->getDataByKey(aliceKey);
    EXPECT_EQ(logRequest, QStringLiteral("alice,") + alice->getColumnText(7));
}

TEST_F(UserListDialogTest, DashboardOpensTheListOnceAndDropsAnswersAfterTeardown)
{
    builder.logins(1, {item("alice", "09:00")});
    builder.install();
    auto dashboard = std::make_unique<Ocv::CWelcomeWidget>(nullptr);
    dashboard->setSystem(1, QStringLiteral("s1"));
    dashboard->handleEvent(3063, 0, 1, QString(), nullptr);
    dashboard->handleEvent(3063, 0, 2, QString(), nullptr);
    EXPECT_EQ(dashboard->findChildren<Ocv::CUserListDialog*>().size(), 1);
    dashboard.reset(); // queries in flight
    EXPECT_TRUE(kit::waitForAnswers());
}

} // namespace
