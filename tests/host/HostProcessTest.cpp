#include "HostProcess.h"

#include <QFile>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using kit::findText;
using kit::recordOf;

// The host run as a user runs it, on a small scenario written for the test.
class HostProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.valid());
        writeScenario(R"({
          "client": {"algorithmBus": false, "loginTypeAuth": false},
          "user": {"name": "admin", "type": 1, "roleType": 1, "subManagerId": -1, "rights": "all"},
          "servers": [{"name": "s1", "systemTag": 1, "serverTime": "local", "latencyMs": 5,
            "answers": {"12235": [
              {"statusType": 3, "running": 1, "faultFlag": 0, "runTime": "10:20:30", "cpuUsage": 42.4, "memoryUsed": 2048},
              {"statusType": 2, "running": 1, "faultFlag": 1, "runTime": "01:02:03"},
              {"$type": "null"},
              {"statusType": 9, "running": 0, "deviceName": "/data", "fsSize": 1048576, "fsAvailable": 1024, "used": 2048}
            ]}}]
        })");
    }

    void writeScenario(const QByteArray& json)
    {
        QFile file(path("scenario.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    }

    QString path(const char* name) const { return host.path(name); }
    int run(const QStringList& args) { return host.run(path("scenario.json"), args); }
    QList<QJsonObject> readLines(const char* name) const { return host.readLines(name); }
    // "kind server code param" of each request of those codes in r.jsonl, joined by "|".
    std::string requestsOf(std::initializer_list<int> codes) const
    {
        QStringList sent;
        for (const QJsonObject& line : readLines("r.jsonl")) {
            const int code = line["code"].toInt();
            if (std::find(codes.begin(), codes.end(), code) != codes.end())
                sent << QStringLiteral("%1 %2 %3 %4")
                            .arg(line["kind"].toString(), line["server"].toString())
                            .arg(code)
                            .arg(line["param"].toString());
        }
        return sent.join('|').toStdString();
    }
    bool painted(const QString& text) const
    {
        const auto ops = readLines("p.jsonl");
        return std::any_of(ops.begin(), ops.end(), [&](const QJsonObject& op) { return op["text"] == text; });
    }

    kit::HostProcess host;
    const QByteArray& errors = host.errors;
    const QByteArray& output = host.output;
};

// One verbose run with a system chosen and a move over the service strip: the scenario's records
// reach the strips' columns, the widgets are logged where the panel lays them out, the hand shows.
TEST_F(HostProcessTest, PaintLogRecordsTheScenariosStripsAndTheWidgetsOfPanelAndFramework)
{
    ASSERT_EQ(run({"--system", "s1", "--move", "wolcome_middle_widget:10,10", "--paint-log",
                   path("paint.jsonl"), "--verbose"}),
              0)
        << output.toStdString();
    EXPECT_TRUE(errors.contains(" INFO ")) << output.toStdString();
    const auto lines = readLines("paint.jsonl");
    const QString middleName = QStringLiteral("wolcome_middle_widget");
    const QJsonObject running = findText(lines, middleName, QStringLiteral("正常"));
    EXPECT_EQ(running["color"].toString(), QStringLiteral("#ff008000"));
    const QJsonObject fault = findText(lines, middleName, QStringLiteral("异常"));
    EXPECT_EQ(fault["x"].toDouble() - running["x"].toDouble(), 304) << "status type 2: the next column";
    EXPECT_EQ(fault["color"].toString(), QStringLiteral("#ffff0000"));
    for (const char* text : {"10:20:30", "42%", "2.0M"})
        EXPECT_FALSE(findText(lines, middleName, QString::fromUtf8(text)).isEmpty()) << text;
    const QString bottomName = QStringLiteral("wolcome_bottom_widget");
    EXPECT_EQ(findText(lines, bottomName, QStringLiteral("1.0G"))["x"].toDouble(), 730);
    EXPECT_EQ(findText(lines, bottomName, QStringLiteral("异常"))["x"].toDouble(), 1000)
        << "the stopped file system";

    const QJsonObject welcome = recordOf(lines, "Ocv::CWelcomeWidget");
    const QJsonObject middle = recordOf(lines, "Ocv::CMiddleWidget");
    const QJsonObject bottom = recordOf(lines, "Ocv::CBottomWidget");
    const QJsonObject tab = recordOf(lines, "Kx::CTabButton");
    EXPECT_EQ(tab["cursorName"], "PointingHandCursor");
    EXPECT_EQ(middle["widget"], "wolcome_middle_widget");
    EXPECT_EQ(middle["cursor"].toInt(), int(Qt::PointingHandCursor));
    EXPECT_EQ(bottom["cursorName"], "ArrowCursor");
    for (const QJsonObject& strip : {middle, bottom}) {
        EXPECT_TRUE(strip["visible"].toBool());
        EXPECT_EQ(strip["x"].toInt(), welcome["x"].toInt());
        EXPECT_EQ(strip["w"].toInt(), 1520);
    }
    // Relative to the panel, with no room kept for the server selector: the dashboard below the tab
    // row, the strips one above the other.
    EXPECT_GE(welcome["y"].toInt(), tab["y"].toInt() + tab["h"].toInt());
    const QJsonObject top = recordOf(lines, "Ocv::CTopWidget");
    EXPECT_EQ(top["y"].toInt(), welcome["y"].toInt());
    EXPECT_EQ(middle["y"].toInt(), top["y"].toInt() + top["h"].toInt());
    EXPECT_EQ(bottom["y"].toInt(), middle["y"].toInt() + middle["h"].toInt());
}

TEST_F(HostProcessTest, RequestLogListsTheQueriesOnTheChosenServer)
{
    writeScenario(R"({
      "user": {"name": "admin", "type": 1, "roleType": 1, "rights": "all"},
      "servers": [{"name": "s1", "systemTag": 1, "latencyMs": 5},
                  {"name": "s2", "systemTag": 2, "latencyMs": 5}]
    })");
    ASSERT_EQ(run({"--system", "s2", "--requests", path("requests.jsonl")}), 0) << output.toStdString();
    const auto lines = readLines("requests.jsonl");
    ASSERT_FALSE(lines.isEmpty());
    // The regions ask the selector's server as they are built; after the switch everything goes to s2.
    int statusQueries = 0;
    for (const QJsonObject& line : lines) {
        if (line["code"] == 12235) {
            EXPECT_EQ(line["server"], "s2");
            ++statusQueries;
        }
    }
    EXPECT_EQ(statusQueries, 1);
    EXPECT_EQ(lines.last()["server"], "s2");
}

// A one-click button opens its creation dialog modally; the run answers it and logs it.
TEST_F(HostProcessTest, OneClickButtonOpensItsCreationDialog)
{
    ASSERT_EQ(
        run({"--click", "wolcome_top_button_21:5,5", "--answer", "accept", "--events", path("ev.jsonl")}), 0)
        << output.toStdString();
    QStringList answers;
    for (const QJsonObject& line : readLines("ev.jsonl")) {
        const QJsonObject dialog = line["dialog"].toObject();
        if (dialog.isEmpty())
            continue;
        EXPECT_EQ(dialog["objectName"], "create_account_dialog");
        EXPECT_EQ(dialog["class"], "Ocv::CCreateAccountDialog");
        EXPECT_TRUE(dialog["modal"].toBool());
        answers << dialog["answer"].toString();
    }
    // The empty form refuses OK, so the run cancels it rather than hang.
    EXPECT_EQ(answers, (QStringList{QStringLiteral("accept"), QStringLiteral("reject")}));
}

// The users tile opens the online-user list; typing in its search field filters the table.
TEST_F(HostProcessTest, UsersTileOpensTheListAndTypingFiltersIt)
{
    writeScenario(R"({
      "client": {"algorithmBus": false, "loginTypeAuth": false},
      "user": {"name": "root", "type": 1, "roleType": 1, "rights": "all"},
      "servers": [{"name": "s1", "systemTag": 1, "latencyMs": 5, "logins": [
        {"kind": 1, "userName": "admin_li", "mac": "AA", "loginTime": "2026-12-05 09:00:00"},
        {"kind": 1, "userName": "Admin_wu", "mac": "BB", "loginTime": "2026-12-05 09:01:00"},
        {"kind": 1, "userName": "bob", "mac": "CC", "loginTime": "2026-12-05 09:02:00"}]}]
    })");
    ASSERT_EQ(run({"--click", "wolcome_top_widget:483,50", "--type", "user_list_search:admin", "--events",
                   path("ev.jsonl"), "--paint-log", path("paint.jsonl")}),
              0)
        << output.toStdString();
    bool opened = false;
    for (const QJsonObject& line : readLines("ev.jsonl")) {
        const QJsonObject dialog = line["dialog"].toObject();
        opened = opened || (dialog["objectName"] == "user_list_dialog" && dialog["title"] == "在线用户" &&
                            !dialog["modal"].toBool());
    }
    EXPECT_TRUE(opened);
    bool filtered = false;
    for (const QJsonObject& line : readLines("paint.jsonl"))
        filtered = filtered || (line["widget"] == "hpf_table_1398" && line["op"] == "header" &&
                                line["column"] == 2 && line["filtered"].toBool());
    EXPECT_TRUE(filtered);
    QStringList names = kit::cellTexts(readLines("paint.jsonl"), "hpf_table_1398", 2);
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Admin_wu"), QStringLiteral("admin_li")}));
}

// "全部登出" asks first; accepted, it ends every login but the administrator's own on the platform,
// and the list asked again shows only that one.
TEST_F(HostProcessTest, LogoutOfAllAsksThenEndsEveryOtherLoginOnThePlatform)
{
    writeScenario(R"({
      "client": {"algorithmBus": false, "loginTypeAuth": false},
      "user": {"name": "root", "type": 1, "roleType": 1, "rights": "all", "macs": "AA"},
      "roleTypes": {"1": 1, "13": 3},
      "servers": [{"name": "s1", "systemTag": 1, "latencyMs": 5, "logins": [
        {"kind": 1, "userName": "root", "userType": 1, "mac": "AA", "loginTime": "2026-12-05 08:59:00"},
        {"kind": 1, "userName": "li", "userType": 13, "mac": "BB", "loginTime": "2026-12-05 09:00:00"},
        {"kind": 1, "userName": "bob", "userType": 13, "mac": "CC", "loginTime": "2026-12-05 09:02:00"}]}]
    })");
    const QStringList open{"--tab", "status", "--click", "wolcome_top_widget:483,50"};
    const QStringList logs{"--events",       path("ev.jsonl"), "--requests",
                           path("rq.jsonl"), "--paint-log",    path("p.jsonl")};
    auto logoutsSent = [&] {
        QStringList names;
        for (const QJsonObject& line : readLines("rq.jsonl")) {
            if (line["code"] == 626 && line["operation"] == 3)
                names << line["record"].toObject()["userName"].toString();
        }
        names.sort();
        return names;
    };
    // The message boxes of the run, each as "text|answer".
    auto answers = [&] {
        QStringList all;
        for (const QJsonObject& line : readLines("ev.jsonl")) {
            const QJsonObject box = line["dialog"].toObject();
            if (box["class"] == "Kx::CMessageBox")
                all << box["text"].toString() + '|' + box["answer"].toString();
        }
        return all;
    };

    ASSERT_EQ(run(open + QStringList{"--click", "user_list_logout_2:5,5"} + logs), 0) << output.toStdString();
    const QString asked = QStringLiteral("是否登出全部用户？|");
    EXPECT_EQ(answers(), QStringList{asked + "reject"});
    EXPECT_TRUE(logoutsSent().isEmpty());
    // The question has no default button: a reflex Enter confirms nothing; Escape cancels.
    for (const char* key : {"enter", "escape"}) {
        ASSERT_EQ(run(open + QStringList{"--click", "user_list_logout_2:5,5", "--answer", key} + logs), 0)
            << output.toStdString();
        EXPECT_TRUE(logoutsSent().isEmpty()) << key;
        const QStringList expected = key == QLatin1String("enter")
                                         ? QStringList{asked + "enter", asked + "reject"}
                                         : QStringList{asked + "escape"};
        EXPECT_EQ(answers(), expected);
    }

    ASSERT_EQ(run(open + QStringList{"--click", "user_list_logout_2:5,5", "--answer", "accept"} + logs), 0)
        << output.toStdString();
    EXPECT_EQ(logoutsSent(), (QStringList{QStringLiteral("bob"), QStringLiteral("li")}));
    EXPECT_EQ(kit::cellTexts(readLines("p.jsonl"), "hpf_table_1398", 2), QStringList{QStringLiteral("root")});
}

// The stall report closes the events log; the run's steps name the phases it can blame.
TEST_F(HostProcessTest, ClickOnServiceStripAsksForStatusViewAndTheStallReportEndsTheEventsLog)
{
    ASSERT_EQ(run({"--click", "wolcome_middle_widget:10,10", "--stall-report", "--events", path("ev.jsonl")}),
              0)
        << output.toStdString();
    EXPECT_FALSE(output.contains(" INFO ")) << "not verbose: " << output.toStdString();
    const auto lines = readLines("ev.jsonl");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], (QJsonObject{{"id", 3000}, {"a", -1}, {"b", 901}, {"text", ""}}))
        << "the click on the service strip asks the host for the status view";
    const QJsonObject stall = lines[1]["stall"].toObject();
    EXPECT_EQ(stall.keys(), (QStringList{"during", "longestMs"}));
    EXPECT_GE(stall["longestMs"].toInt(-1), 0);
    EXPECT_TRUE((QStringList{"start", "settle", "--click wolcome_middle_widget:10,10"}.contains(
        stall["during"].toString())))
        << stall["during"].toString().toStdString();
    EXPECT_NE(run({"--stall-report", "--paint-log", path("p.jsonl")}), 0);
    EXPECT_TRUE(output.contains("--stall-report writes to the events log"));
}

TEST_F(HostProcessTest, ScreenshotIsWrittenAndBadInputIsReported)
{
    ASSERT_EQ(run({"--screenshot", path("shot.png"), "--settle-ms", "100"}), 0) << output.toStdString();
    EXPECT_GT(QFile(path("shot.png")).size(), 1000);

    EXPECT_NE(run({"--click", "no_such_widget:1,1", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("no widget named no_such_widget"));
    EXPECT_NE(run({"--click", "wolcome_middle_widget#2:1,1", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("wolcome_middle_widget#2: only 1 shown widgets")) << output.toStdString();
    EXPECT_NE(run({"--click", "@10,4000", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("@10,4000 lies outside the panel")) << output.toStdString();
    EXPECT_NE(run({"--click", "@no_dialog:1,1", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("no dialog named no_dialog")) << output.toStdString();
    // On the quick tab the dashboard's widgets are hidden, the exchange board's tabs among them.
    const QString admin = QStringLiteral(WELCOME_SCENARIO_DIR "/admin.json");
    EXPECT_NE(host.run(admin, {"--click", "kx_tab_button#3:1,1", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("kx_tab_button#3: only 2 shown widgets")) << output.toStdString();
    EXPECT_NE(host.run(admin, {"--click", "wolcome_middle_widget:1,1", "--events", path("e.jsonl")}), 0);
    EXPECT_TRUE(output.contains("wolcome_middle_widget is not shown")) << output.toStdString();
    EXPECT_EQ(run({"--at", "2026-12-05 25:00:00", "--events", path("e.jsonl")}), 2);
    EXPECT_TRUE(output.contains("--at takes a time"));

    writeScenario("{\"servers\": [");
    EXPECT_EQ(run({"--events", path("e.jsonl")}), 2);
    EXPECT_TRUE(output.contains("scenario"));
}

// With the all-risk block shown, its switch asks, then saves the seven global configs and the
// products' switches, and the table reads the new states.
TEST_F(HostProcessTest, AllRiskSwitchAsksThenTurnsEveryCheckOn)
{
    writeScenario(R"({
      "client": {"algorithmBus": false, "loginTypeAuth": false},
      "user": {"name": "admin", "type": 10, "roleType": 1, "subManagerId": -1, "rights": "all"},
      "servers": [{"name": "s1", "systemTag": 1, "serverTime": "local", "latencyMs": 5,
        "population": {"accounts": 10, "products": 6, "users": 5, "seed": 7, "managers": [101]},
        "globalRisk": [
          {"$type": "CGlobalFutureRCConfig", "tradeType": 2, "reverseCheckOff": true, "matchedCheckOff": true},
          {"$type": "CGlobalStockRCConfig", "tradeType": 1, "reverseCheckOff": true, "matchedCheckOff": true},
          {"$type": "CGlobalStockRCConfig", "tradeType": 128, "reverseCheckOff": true, "matchedCheckOff": false},
          {"$type": "CGlobalFutureRCConfig", "tradeType": 32, "reverseCheckOff": true, "matchedCheckOff": true}
        ]}]
    })");
    // Without the switch the block stays hidden and cannot be clicked.
    EXPECT_EQ(run({"--tab", "quick", "--click", "all_risk_control_off:20,20", "--events", path("e.jsonl")}),
              1);
    EXPECT_TRUE(errors.contains("all_risk_control_off is not shown")) << errors.toStdString();

    ASSERT_EQ(run({"--tab", "quick", "--show-all-risk", "--click", "all_risk_control_off:20,20", "--answer",
                   "accept", "--requests", path("r.jsonl"), "--paint-log", path("p.jsonl"), "--events",
                   path("e.jsonl")}),
              0)
        << output.toStdString();
    const auto events = readLines("e.jsonl");
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0]["dialog"].toObject()["text"].toString(), QStringLiteral("确认启用所有风控设置!"));

    QStringList globalKeys;
    int productChanges = 0;
    for (const QJsonObject& line : readLines("r.jsonl")) {
        if (line["kind"] != "operate")
            continue;
        if (line["code"].toInt() == 12224) {
            ++productChanges;
            EXPECT_TRUE(line["record"].toObject()["riskControlEnabled"].toBool());
            continue;
        }
        globalKeys << line["key"].toString();
        EXPECT_EQ(line["operation"].toInt(), 0);
        EXPECT_FALSE(line["record"].toObject()["reverseCheckOff"].toBool());
        EXPECT_FALSE(line["record"].toObject()["matchedCheckOff"].toBool());
    }
    EXPECT_EQ(globalKeys,
              (QStringList{"rat|2", "rat|1", "rat|256", "rat|128", "rat|16384", "rat|32", "rat|1024"}));
    EXPECT_GT(productChanges, 0);

    const auto paint = readLines("p.jsonl");
    int enabled = 0;
    for (const QJsonObject& op : paint) {
        if (op["widget"] == "global_risk_control" && op["op"] == "text") {
            EXPECT_NE(op["text"].toString(), QStringLiteral("禁用"));
            enabled += op["text"].toString() == QStringLiteral("启用");
        }
    }
    EXPECT_EQ(enabled, 12) << "six rows, both checks on, the wrong record of 32 replaced";
    for (const QJsonObject& line : paint) {
        if (line["op"] == "widget" && line["widget"] == "all_risk_control_on") {
            EXPECT_TRUE(line["visible"].toBool());
        }
        if (line["op"] == "widget" && line["widget"] == "account_risk_control") {
            EXPECT_EQ(line["x"].toInt(), 610);
        }
    }
}

// The account column from outside: the user holds two of the seven account rights, so the tree
// has two roots and asks for two types; a search finds the account, a click shows its panel, a
// changed limit is saved, and after "刷新" the account is read again with it.
TEST_F(HostProcessTest, AccountRiskSettingsSearchSelectSaveAndReadBack)
{
    writeScenario(R"({
      "client": {"algorithmBus": false, "loginTypeAuth": false},
      "user": {"name": "admin", "type": 10, "roleType": 1, "subManagerId": -1, "rights": [10041, 10037, 10081]},
      "servers": [{"name": "s1", "systemTag": 1, "serverTime": "local", "latencyMs": 5,
        "answers": {"12203": [
          {"accountId": "S001", "accountName": "甲", "accountType": 2, "institutionNo": 8101, "institutionName": "澄岭资产", "modifiable": true},
          {"accountId": "S002", "accountName": "乙", "accountType": 2, "modifiable": true},
          {"accountId": "F001", "accountName": "丙", "accountType": 1, "modifiable": true},
          {"accountId": "C001", "accountName": "丁", "accountType": 3, "modifiable": true}]}}]
    })");
    ASSERT_EQ(run({"--tab",       "quick",
                   "--at",        "2026-12-07 10:00:00",
                   "--click",     "account_risk_setting_entry:10,10",
                   "--type",      "account_risk_setting_search:s001",
                   "--click",     "@account_risk_setting_dialog:80,123",
                   "--type",      "account_stock_rc_max_order_volume:1234",
                   "--click",     "account_stock_rc_save:10,10",
                   "--click",     "account_risk_setting_refresh:10,10",
                   "--type",      "account_risk_setting_search:S001",
                   "--click",     "@account_risk_setting_dialog:80,123",
                   "--requests",  path("r.jsonl"),
                   "--paint-log", path("p.jsonl")}),
              0)
        << errors.toStdString();
    for (const QJsonObject& line : readLines("r.jsonl")) {
        if (line["kind"] == "operate") {
            EXPECT_EQ(line["key"].toString(), QStringLiteral("S001"));
            EXPECT_EQ(line["record"].toObject()["maxOrderVolume"].toInt(), 1234);
        }
    }
    EXPECT_EQ(requestsOf({12203, 23450}),
              "query s1 12203 2|query s1 12203 1|query s1 23450 S001|operate s1 23450 |query s1 23450 S001|"
              "query s1 12203 2|query s1 12203 1|query s1 23450 S001");
    EXPECT_TRUE(painted(QStringLiteral("账号风控设置 - [S001]")));
}

// The product column from outside: with system id 1 only the system's own server's products are
// listed; a search and a click hand the product to its page, which reads its server's limits. A
// product template chosen in its dialog shows where it is applied.
TEST_F(HostProcessTest, ProductRiskSettingsListTheSystemsProductsAndTemplatesShowTheirRelations)
{
    writeScenario(R"({
      "client": {"algorithmBus": false, "loginTypeAuth": false},
      "user": {"name": "admin", "type": 10, "roleType": 1, "subManagerId": -1, "rights": "all"},
      "servers": [
        {"name": "s1", "systemTag": 1, "serverTime": "local", "latencyMs": 5,
         "answers": {"12224": [{"productId": 11, "productName": "甲产品"}, {"productId": 12, "productName": "乙产品"}]},
         "riskControl": [
           {"$type": "CVornRcTemplate", "templateId": 5, "templateName": "产品模板", "targetKind": 2},
           {"$type": "CVornRcRelation", "ownerKind": 1, "ownerId": 5, "targetKind": 2, "productId": 12, "productSystemTag": 1}]},
        {"name": "s2", "systemTag": 2, "serverTime": "local", "latencyMs": 5,
         "answers": {"12224": [{"productId": 21, "productName": "丙产品"}]}}]
    })");
    ASSERT_EQ(run({"--tab",       "quick",
                   "--system",    "s1",
                   "--system-id", "1",
                   "--at",        "2026-12-07 10:00:00",
                   "--click",     "product_risk_setting_entry:10,10",
                   "--type",      "product_risk_setting_search:乙",
                   "--click",     "@product_risk_setting_dialog:80,110",
                   "--click",     "product_risk_template_entry:10,10",
                   "--click",     "@product_risk_template_dialog:60,88",
                   "--requests",  path("r.jsonl"),
                   "--paint-log", path("p.jsonl")}),
              0)
        << errors.toStdString();
    EXPECT_EQ(requestsOf({12224, 23451, 23452, 23454}),
              "query s1 12224 all|query s2 12224 all|query s1 23451 12|query s1 23452 product|query s1 23454 5|"
              "query s1 12224 all")
        << "the last: the products the template may still be applied to";
    EXPECT_TRUE(painted(QStringLiteral("产品风控设置 - [乙产品]")));
    EXPECT_TRUE(painted(QStringLiteral("账号风控模板应用"))) << "the product template dialog's title";
}

} // namespace
