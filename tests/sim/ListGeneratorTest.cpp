#include "sim/ListGenerator.h"

#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "sim/Population.h"

#include <QDateTime>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(10, 30));

// 20,000 logins and 400 ranges over a population whose algorithm accounts come first.
class ListGeneratorTest : public ::testing::Test
{
protected:
    static sim::ServerSetup generated(unsigned int seed)
    {
        sim::ServerSetup server;
        sim::addPopulation(server, sim::PopulationOptions{200, 0, 0, 5, {}}, kNow.date());
        sim::addGeneratedLists(server, sim::GenerateOptions{20000, 400, seed}, kNow);
        return server;
    }

    void SetUp() override { server = generated(3); }

    static int loginCount(const sim::ServerSetup& s)
    {
        int count = 0;
        for (const auto& list : *s.logins)
            count += static_cast<int>(list.second.size());
        return count;
    }

    static ttservice::CVornTypedUserInfo listed(const sim::ServerSetup& s, int kind)
    {
        ttservice::CVornTypedUserInfo info;
        info.users = s.logins->at(kind);
        return info;
    }

    sim::ServerSetup server;
};

TEST_F(ListGeneratorTest, TheSameSeedGivesTheSameListsAndAnotherSeedOthers)
{
    const sim::ServerSetup again = generated(3);
    const sim::ServerSetup other = generated(4);
    EXPECT_EQ(loginCount(server), 20000);
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_TRUE(listed(server, kind).sameFields(listed(again, kind))) << kind;
        EXPECT_FALSE(listed(server, kind).sameFields(listed(other, kind))) << kind;
    }
    ASSERT_EQ(server.algoRanges->size(), 400u);
    for (std::size_t i = 0; i < server.algoRanges->size(); ++i)
        ASSERT_TRUE(server.algoRanges->at(i)->sameFields(*again.algoRanges->at(i))) << i;
}

TEST_F(ListGeneratorTest, LoginsAreSingledOutAndRangesTakeAlgorithmAccountsFirst)
{
    std::set<std::string> sessions;
    for (const auto& list : *server.logins)
        for (const auto& item : list.second)
            // What a logout names must single the login out.
            EXPECT_TRUE(sessions.insert(item->userName + "|" + item->loginTime).second) << item->getKey();
    std::vector<std::string> population;
    for (const auto& record : *server.answers.at(12203).fallback) {
        auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        if (account->algoPermission)
            population.push_back(account->getKey());
    }
    ASSERT_FALSE(population.empty());
    std::set<std::string> ids;
    for (std::size_t i = 0; i < server.algoRanges->size(); ++i) {
        const auto& range = server.algoRanges->at(i);
        ASSERT_TRUE(range->account);
        if (i < population.size()) {
            EXPECT_EQ(range->account->getKey(), population[i]);
        }
        EXPECT_TRUE(ids.insert(range->getKey()).second) << range->getKey();
    }
}

TEST(UserLogin, GoesFirstAmongTheDesktopLoginsOnceBesidesTheUsersOtherMachines)
{
    sim::ServerSetup server;
    sim::addGeneratedLists(server, sim::GenerateOptions{50, 0, 1}, kNow);
    sim::UserSetup user;
    user.name = "admin";
    user.type = 10;
    user.macs = "00:1A:2B:3C:4D:5E 00:1A:2B:3C:4D:5F";
    auto elsewhere = boost::make_shared<ttservice::CVornTypedUserItem>();
    elsewhere->userName = "admin";
    elsewhere->mac = "00:1A:2B:3C:4D:99";
    sim::editLogins(server)[1].push_back(elsewhere);
    sim::addUserLogin(server, user, kNow);
    sim::addUserLogin(server, user, kNow);
    const sim::LoginItems& desktop = server.logins->at(1);
    EXPECT_EQ(desktop[0]->userName, "admin");
    EXPECT_EQ(desktop[0]->mac, "00:1A:2B:3C:4D:5E");
    int own = 0;
    for (const auto& item : desktop)
        own += item->userName == "admin";
    EXPECT_EQ(own, 2);
}

} // namespace
