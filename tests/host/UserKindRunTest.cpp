#include "HostProcess.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kTop = QStringLiteral("wolcome_top_widget");
const QString kBoard = QStringLiteral("wolcome_right_widget");
const QString kServer = QStringLiteral("主服务器");
const QString kGrey = QStringLiteral("#ff666666");
const QString kRed = QStringLiteral("#ffff0000");

// Each shipped scenario run through the host binary as a user would, on a fixed clock, with what
// it painted, asked of the host and sent to the platform read back from its logs.
class UserKindRunTest : public ::testing::Test
{
protected:
    void runKind(const char* scenario, const QStringList& actions = {}, const char* tab = "status")
    {
        ASSERT_TRUE(host.valid());
        const QString file = QStringLiteral(WELCOME_SCENARIO_DIR "/%1.json").arg(QLatin1String(scenario));
        ASSERT_EQ(host.run(file, QStringList{"--tab", tab, "--at", "2026-12-07 10:00:00", "--paint-log",
                                             host.path("p.jsonl"), "--events", host.path("e.jsonl"),
                                             "--requests", host.path("r.jsonl")} +
                                     actions),
                  0)
            << host.output.toStdString();
        ops = host.readLines("p.jsonl");
        events = host.readLines("e.jsonl");
        requests = host.readLines("r.jsonl");
    }
    QJsonObject record(const char* className) const { return kit::recordOf(ops, className); }
    QJsonObject text(const QString& widget, const QString& t) const { return kit::findText(ops, widget, t); }
    // The x of each top-strip tile icon, in painting order.
    QList<int> tileIconXs() const
    {
        QList<int> xs;
        for (const QJsonObject& op : ops) {
            if (op["widget"] == kTop && op["op"] == "image" &&
                op["image"].toString().startsWith("ocv_img_wolcome_top"))
                xs << op["x"].toInt();
        }
        return xs;
    }
    QSet<int> codesSent() const
    {
        QSet<int> codes;
        for (const QJsonObject& line : requests) {
            EXPECT_EQ(line["server"].toString(), kServer);
            codes << line["code"].toInt();
        }
        return codes;
    }
    QStringList dialogTitles() const
    {
        QStringList titles;
        for (const QJsonObject& line : events) {
            if (line.contains("dialog"))
                titles << line["dialog"].toObject()["title"].toString();
        }
        return titles;
    }
    // The board's clock at the run's time; where it stands is the board's own tests' business.
    void expectClock() const
    {
        EXPECT_EQ(text(kBoard, QStringLiteral("2026-12-07 10:00:00"))["color"].toString(), kGrey);
    }

    kit::HostProcess host;
    QList<QJsonObject> ops;
    QList<QJsonObject> events;
    QList<QJsonObject> requests;
};

TEST_F(UserKindRunTest, AdministratorSeesElevenTilesBothStripsAndTheExchangeBoard)
{
    // Over three seconds of a live scenario: a run at a given time keeps its clocks there.
    runKind("admin", {"--click", "wolcome_top_widget:207,50", "--move", "wolcome_top_widget:483,50",
                      "--settle-ms", "1100"});
    QList<int> expected;
    for (int slot = 0; slot < 11; ++slot)
        expected << 39 + 138 * slot;
    EXPECT_EQ(tileIconXs(), expected);
    EXPECT_EQ(record("Ocv::CTopWidget")["cursorName"], "PointingHandCursor");
    const QJsonObject board = record("Ocv::CRightWidget");
    EXPECT_EQ(board["x"].toInt(), 1520);
    EXPECT_EQ(board["w"].toInt(), 240);
    expectClock();
    EXPECT_EQ(text(kBoard, QStringLiteral("上证所"))["y"].toInt(), 80 + 30 + 5 + 60 - 12) << "the first row";
    EXPECT_EQ(record("Ocv::CMiddleWidget")["w"].toInt(), 1520);
    EXPECT_EQ(record("Ocv::CBottomWidget")["w"].toInt(), 1520);
    EXPECT_TRUE(record("Ocv::CLeftWidget").isEmpty());

    // The products tile asks the host for the statistics view.
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0]["id"].toInt(), 3000);
    EXPECT_EQ(events[0]["b"].toInt(), 204);
    EXPECT_EQ(codesSent(), (QSet<int>{12235, 12254, 12255, 12296, 23434, 23435}))
        << "12296 by the quick tab's monitoring, the global configs by its hidden all-risk block";
}

TEST_F(UserKindRunTest, SubManagerSeesTheManagerBoardBesideTheExchangeBoard)
{
    runKind("submanager", {"--click", "wolcome_left_widget:10,250"});
    const QJsonObject board = record("Ocv::CLeftWidget");
    EXPECT_EQ(board["w"].toInt(), 1520);
    EXPECT_EQ(board["h"].toInt(), 860);
    EXPECT_EQ(record("Ocv::CRightWidget")["x"].toInt(), 1520);
    for (const char* absent : {"Ocv::CTopWidget", "Ocv::CMiddleWidget", "Ocv::CBottomWidget"})
        EXPECT_TRUE(record(absent).isEmpty()) << absent;
    expectClock();
    EXPECT_EQ(dialogTitles(), QStringList{QStringLiteral("在线用户")});
    EXPECT_EQ(codesSent(), (QSet<int>{12255, 12277, 12311}));
}

TEST_F(UserKindRunTest, RoleFourSeesWideStripsAndNoExchangeBoard)
{
    runKind("role4");
    EXPECT_EQ(record("Ocv::CMiddleWidget")["w"].toInt(), 1755);
    EXPECT_EQ(record("Ocv::CBottomWidget")["w"].toInt(), 1755);
    EXPECT_TRUE(record("Ocv::CRightWidget").isEmpty());
    EXPECT_TRUE(record("Ocv::CTopWidget").isEmpty());
    EXPECT_EQ(codesSent(), (QSet<int>{12235, 12254, 12296, 23434, 23435}))
        << "the quick tab's tiles and global table ask the first server";
}

TEST_F(UserKindRunTest, AlgorithmBusAndLoginTypeClientsShowFewerTiles)
{
    runKind("algobus");
    EXPECT_EQ(tileIconXs(), (QList<int>{350, 1110}));
    EXPECT_TRUE(text(kBoard, QStringLiteral("上证所"))["x"].isDouble()) << "stock rows stay on this client";
    EXPECT_TRUE(text(kBoard, QStringLiteral("中金所")).isEmpty()) << "futures rows are left out";

    runKind("logintype");
    EXPECT_EQ(tileIconXs(), (QList<int>{223, 729, 1235}));
    expectClock();
    EXPECT_TRUE(text(kBoard, QStringLiteral("上证所")).isEmpty()) << "no domestic row on a login-type client";
}

TEST_F(UserKindRunTest, TradeDayMismatchesAreWarnedInRed)
{
    runKind("tradeday");
    const QJsonObject mismatch = text(kBoard, QStringLiteral("交易日和行情不匹配,建议重启"));
    EXPECT_EQ(mismatch["x"].toInt(), 55);
    EXPECT_EQ(mismatch["color"].toString(), kRed);
    const QJsonObject stale = text(kBoard, QStringLiteral("行情日期未更新"));
    EXPECT_EQ(stale["x"].toInt(), 80);
    EXPECT_EQ(stale["color"].toString(), kRed);
}

// The quick-operation tab's tiles count the platform's first server, chosen as after a login; a
// number opens its list, a button its creation dialog. The tiles share their name, as the panel's
// tabs share theirs with the exchange board's: #N and a point of the panel reach each.
TEST_F(UserKindRunTest, AdministratorsRiskTilesShowThePlatformAndOpenTheirDialogs)
{
    runKind("admin",
            {"--click", "top_model_risk:30,150", "--click", "top_model_button_1000:5,5", "--click",
             "top_model_risk#2:30,150", "--click", "@714,180"},
            "quick");
    const QString tile = QStringLiteral("top_model_risk");
    const QJsonObject accounts = text(tile, QStringLiteral("320"));
    EXPECT_EQ(accounts["x"].toInt(), 20);
    EXPECT_EQ(accounts["color"].toString(), QStringLiteral("#ff2f7bd9"));
    EXPECT_EQ(text(tile, QStringLiteral("2个异常状态"))["color"].toString(), QStringLiteral("#ffe8453c"));
    EXPECT_EQ(dialogTitles(), (QStringList{QStringLiteral("账号列表"), QStringLiteral("一键创建账号"),
                                           QStringLiteral("用户列表"), QStringLiteral("产品列表")}));
    EXPECT_TRUE(codesSent().contains(QSet<int>{12254, 12296, 12203, 12209, 12224}));

    runKind("admin", {"--system-id", "0"}, "quick");
    EXPECT_TRUE(text(tile, QStringLiteral("320")).isEmpty());
    EXPECT_EQ(text(tile, QStringLiteral("0"))["x"].toInt(), 20) << "no system: zeroes";

    // The second panel tab shows the dashboard, where the fourth shown tab button is the overseas one.
    runKind("admin", {"--click", "kx_tab_button#2:10,10", "--click", "kx_tab_button#4:10,10"}, "quick");
    EXPECT_TRUE(record("Ocv::CRightWidget")["visible"].toBool());
    EXPECT_TRUE(text("kx_tab_button", QStringLiteral("境外交易所"))["font"].toObject()["bold"].toBool());
}

// The auditor holds the list rights but none of the tiles': tiles stay unarmed.
TEST_F(UserKindRunTest, AuditorWithoutTileRightsGetsNoHandAndNoEvent)
{
    runKind("auditor", {"--click", "wolcome_top_widget:207,50", "--click", "wolcome_top_widget:483,50",
                        "--move", "wolcome_top_widget:483,50"});
    EXPECT_EQ(tileIconXs().size(), 11);
    EXPECT_EQ(record("Ocv::CTopWidget")["cursorName"], "ArrowCursor");
    EXPECT_TRUE(events.isEmpty());
}

} // namespace
