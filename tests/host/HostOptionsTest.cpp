#include "HostOptions.h"

#include <gtest/gtest.h>

namespace {

bool parse(const QStringList& args, HostOptions* options, QString* error)
{
    return HostOptions::parse(QStringList{QStringLiteral("welcome-host")} + args, options, error);
}

TEST(HostOptions, ReadsEveryOption)
{
    HostOptions o;
    QString error;
    ASSERT_TRUE(parse({"--scenario",   "s.json",      "--system",
                       "--click",      "--system-id", "0",
                       "--tab",        "quick",       "--size",
                       "800x600",      "--click",     "wolcome_middle_widget:10,20",
                       "--move=m:5,6", "--click",     "x:-1,3",
                       "--screenshot", "a.png",       "--paint-log",
                       "p.jsonl",      "--events",    "e.jsonl",
                       "--settle-ms",  "250",         "--answer",
                       "accept",       "--at",        "2026-12-05 10:30:00"},
                      &o, &error))
        << error.toStdString();
    EXPECT_EQ(o.scenarioFile, QStringLiteral("s.json"));
    EXPECT_EQ(o.system, QStringLiteral("--click"));
    EXPECT_EQ(o.systemId, 0);
    EXPECT_EQ(o.tab, QStringLiteral("quick"));
    EXPECT_EQ(o.size, QSize(800, 600));
    // Clicks and moves keep their command-line order; an option's value is no action.
    ASSERT_EQ(o.pointerActions.size(), 3);
    EXPECT_EQ(o.pointerActions[0].objectName, QStringLiteral("wolcome_middle_widget"));
    EXPECT_EQ(o.pointerActions[0].pos, QPoint(10, 20));
    EXPECT_EQ(o.pointerActions[1].kind, HostPointerAction::Move);
    EXPECT_EQ(o.pointerActions[2].kind, HostPointerAction::Click);
    EXPECT_EQ(o.pointerActions[2].pos, QPoint(-1, 3));
    EXPECT_EQ(o.settleMs, 250);
    EXPECT_TRUE(o.acceptDialogs);
    EXPECT_EQ(o.at, QDateTime(QDate(2026, 12, 5), QTime(10, 30)));
    EXPECT_TRUE(o.isBatch());

    HostOptions requests;
    ASSERT_TRUE(parse({"--requests", "r.jsonl"}, &requests, &error));
    EXPECT_FALSE(requests.acceptDialogs);
    EXPECT_TRUE(requests.isBatch());
}

TEST(HostOptions, RejectsMalformedValuesWithAMessage)
{
    const QStringList bad[] = {
        {"--size", "800"},    {"--size", "0x5"},    {"--tab", "risk"},      {"--click", "nocoords"},
        {"--click", "w:1;2"}, {"--system-id", "x"}, {"--settle-ms", "-4"},  {"--no-such-option"},
        {"--move", "w:1"},    {"--answer", "yes"},  {"--at", "2026-12-05"}, {"--at", "2026-02-30 10:00:00"}};
    for (const QStringList& args : bad) {
        HostOptions o;
        QString error;
        EXPECT_FALSE(parse(args, &o, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
