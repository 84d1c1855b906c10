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
    ASSERT_TRUE(parse(
        {"--scenario", "s.json",  "--system",     "主服务器", "--system-id", "0",
         "--tab",      "quick",   "--size",       "800x600",  "--click",     "wolcome_middle_widget:10,20",
         "--click",    "x:-1,3",  "--screenshot", "a.png",    "--paint-log", "p.jsonl",
         "--events",   "e.jsonl", "--settle-ms",  "250"},
        &o, &error))
        << error.toStdString();
    EXPECT_EQ(o.scenarioFile, QStringLiteral("s.json"));
    EXPECT_EQ(o.system, QStringLiteral("主服务器"));
    EXPECT_EQ(o.systemId, 0);
    EXPECT_EQ(o.tab, QStringLiteral("quick"));
    EXPECT_EQ(o.size, QSize(800, 600));
    ASSERT_EQ(o.clicks.size(), 2);
    EXPECT_EQ(o.clicks[0].objectName, QStringLiteral("wolcome_middle_widget"));
    EXPECT_EQ(o.clicks[0].pos, QPoint(10, 20));
    EXPECT_EQ(o.clicks[1].pos, QPoint(-1, 3));
    EXPECT_EQ(o.settleMs, 250);
    EXPECT_TRUE(o.isBatch());
}

TEST(HostOptions, RejectsMalformedValuesWithAMessage)
{
    const QStringList bad[] = {{"--size", "800"},       {"--size", "0x5"},    {"--tab", "risk"},
                               {"--click", "nocoords"}, {"--click", "w:1;2"}, {"--system-id", "x"},
                               {"--settle-ms", "-4"},   {"--no-such-option"}};
    for (const QStringList& args : bad) {
        HostOptions o;
        QString error;
        EXPECT_FALSE(parse(args, &o, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
