#include "ScenarioBuilder.h"

#include "base/UserChecks.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(UserChecks, ValueInListStopsAtTheTerminator)
{
    const int list[] = {7, -3, 0, Ocv::kListEnd, 99};
    EXPECT_TRUE(Ocv::isValueInList(7, list));
    EXPECT_TRUE(Ocv::isValueInList(-3, list));
    EXPECT_TRUE(Ocv::isValueInList(0, list));
    EXPECT_FALSE(Ocv::isValueInList(99, list)) << "entries after the terminator are not part of the list";
    EXPECT_FALSE(Ocv::isValueInList(Ocv::kListEnd, list)) << "the terminator itself is no member";
    const int empty[] = {Ocv::kListEnd};
    EXPECT_FALSE(Ocv::isValueInList(INT_MAX, empty));
}

// Under the sanitizers a list without its terminator is read past its end here.
TEST(UserChecks, StatusViewGateDeniesEachRestrictedTypeAndRequiresTheRight)
{
    for (int denied : {200, 102, 101, 100, 90, 91}) {
        kit::ScenarioBuilder().user(denied).install();
        EXPECT_FALSE(Ocv::isStatusViewAllowed()) << denied;
    }
    for (int allowed : {0, 1, 10, 11, 80, 92, 103, 199, 201}) {
        kit::ScenarioBuilder().user(allowed).install();
        EXPECT_TRUE(Ocv::isStatusViewAllowed()) << allowed;
        kit::ScenarioBuilder().user(allowed).rights({10080, 10082}).install();
        EXPECT_FALSE(Ocv::isStatusViewAllowed()) << allowed << " without right 10081";
    }
}

TEST(UserChecks, WideLayoutIsRoleTypeFourOfTheOwnRecord)
{
    kit::ScenarioBuilder().user(12, 4).install();
    EXPECT_TRUE(Ocv::isWideLayout());
    kit::ScenarioBuilder().user(12, 3).install();
    EXPECT_FALSE(Ocv::isWideLayout());
    kit::ScenarioBuilder().noUser().install();
    EXPECT_FALSE(Ocv::isWideLayout());
    EXPECT_EQ(Ocv::loggedInRoleType(), -1);
}

} // namespace
