#include "HostOptions.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

bool parse(const QStringList& args, HostOptions* options, QString* error)
{
    return HostOptions::parse(QStringList{QStringLiteral("welcome-host")} + args, options, error);
}

TEST(HostOptions, ReadsEveryOption)
{
    HostOptions o;
    QString error;
    // The targets a step can name, after the options of the first three steps.
    const QStringList targets{"--click",       "top_model_risk#2:30,150", "--click", "@40,7",
                              "--move",        "@user_list_dialog#3:8,9", "--type",  "e#12:a:b",
                              "--stall-report"};
    ASSERT_TRUE(parse(QStringList{"--scenario",   "s.json",      "--system",
                                  "--click",      "--system-id", "0",
                                  "--tab",        "quick",       "--size",
                                  "800x600",      "--click",     "wolcome_middle_widget:10,20",
                                  "--move=m:5,6", "--click",     "x:-1,3",
                                  "--screenshot", "a.png",       "--paint-log",
                                  "p.jsonl",      "--events",    "e.jsonl",
                                  "--settle-ms",  "250",         "--answer",
                                  "accept",       "--at",        "2026-12-05 10:30:00"} +
                          targets,
                      &o, &error))
        << error.toStdString();
    EXPECT_EQ(o.scenarioFile, QStringLiteral("s.json"));
    EXPECT_EQ(o.system, QStringLiteral("--click"));
    EXPECT_EQ(o.systemId, 0);
    EXPECT_EQ(o.tab, QStringLiteral("quick"));
    EXPECT_EQ(o.size, QSize(800, 600));
    // Clicks and moves keep their command-line order; an option's value is no action.
    ASSERT_EQ(o.pointerActions.size(), 7);
    EXPECT_EQ(o.pointerActions[1].kind, HostPointerAction::Move);
    EXPECT_EQ(o.pointerActions[2].kind, HostPointerAction::Click);
    EXPECT_EQ(o.pointerActions[2].pos, QPoint(-1, 3));
    const auto where = [&o](int i) {
        const HostPointerAction& a = o.pointerActions[i];
        return std::make_tuple(a.kind, a.objectName, a.index, a.atPoint, a.pos, a.text, a.option);
    };
    EXPECT_EQ(where(0), std::make_tuple(HostPointerAction::Click, QStringLiteral("wolcome_middle_widget"), 1,
                                        false, QPoint(10, 20), QString(),
                                        QStringLiteral("--click wolcome_middle_widget:10,20")));
    EXPECT_EQ(where(3),
              std::make_tuple(HostPointerAction::Click, QStringLiteral("top_model_risk"), 2, false,
                              QPoint(30, 150), QString(), QStringLiteral("--click top_model_risk#2:30,150")));
    EXPECT_EQ(where(4), std::make_tuple(HostPointerAction::Click, QString(), 1, true, QPoint(40, 7),
                                        QString(), QStringLiteral("--click @40,7")));
    EXPECT_EQ(where(5),
              std::make_tuple(HostPointerAction::Move, QStringLiteral("user_list_dialog"), 3, true,
                              QPoint(8, 9), QString(), QStringLiteral("--move @user_list_dialog#3:8,9")));
    EXPECT_EQ(where(6), std::make_tuple(HostPointerAction::Type, QStringLiteral("e"), 12, false, QPoint(),
                                        QStringLiteral("a:b"), QStringLiteral("--type e#12:a:b")));
    EXPECT_EQ(o.settleMs, 250);
    EXPECT_EQ(o.answer, HostOptions::Accept);
    EXPECT_TRUE(o.stallReport);
    EXPECT_EQ(o.at, QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
    EXPECT_TRUE(o.isBatch());

    HostOptions requests;
    ASSERT_TRUE(parse({"--requests", "r.jsonl"}, &requests, &error));
    EXPECT_EQ(requests.answer, HostOptions::Reject);
    EXPECT_FALSE(requests.stallReport);
    EXPECT_TRUE(requests.isBatch());
    for (const auto& key :
         {std::make_pair("enter", HostOptions::Enter), std::make_pair("escape", HostOptions::Escape),
          std::make_pair("reject", HostOptions::Reject)}) {
        HostOptions keyed;
        ASSERT_TRUE(parse({"--answer", key.first}, &keyed, &error));
        EXPECT_EQ(keyed.answer, key.second) << key.first;
    }
}

TEST(HostOptions, RejectsMalformedValuesWithAMessage)
{
    const QStringList bad[] = {
        {"--size", "800"},       {"--size", "0x5"},      {"--tab", "risk"},
        {"--click", "nocoords"}, {"--click", "w:1;2"},   {"--system-id", "x"},
        {"--settle-ms", "-4"},   {"--no-such-option"},   {"--move", "w:1"},
        {"--answer", "yes"},     {"--at", "2026-12-05"}, {"--at", "2026-02-30 10:00:00"},
        {"--click", "w#0:1,2"},  {"--click", "w#:1,2"},  {"--click", "w#x:1,2"},
        {"--click", "@1"},       {"--click", "@:1,2"},   {"--click", ":1,2"},
        {"--type", "@d:text"},   {"--type", "w#0:text"}, {"--stall-report"}};
    for (const QStringList& args : bad) {
        HostOptions o;
        QString error;
        EXPECT_FALSE(parse(args, &o, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
