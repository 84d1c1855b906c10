#include "base/UserChecks.h"

#include "data/CUserManager.h"
#include "data/ttservice/CVornUserInfo.h"
#include "utils/CSingletonT.h"

namespace Ocv {

namespace {
constexpr int kStatusViewRight = 10081;
constexpr int kWideRoleType = 4;
const int kStatusViewDeniedTypes[] = {200, 102, 101, 100, 90, 91, kListEnd};
} // namespace

bool isValueInList(int value, const int* list)
{
    for (; *list != kListEnd; ++list) {
        if (*list == value)
            return true;
    }
    return false;
}

bool isStatusViewAllowed()
{
    CUserManager* users = utils::CSingletonT<CUserManager>::instance();
    return !isValueInList(users->getUserType(), kStatusViewDeniedTypes) &&
           users->checkUserAuth(kStatusViewRight);
}

int loggedInRoleType()
{
    CUserManager* users = utils::CSingletonT<CUserManager>::instance();
    const auto info = users->getUserInfoPtr();
    return info ? users->getUserRoleType(info->userType) : -1;
}

bool isWideLayout()
{
    return loggedInRoleType() == kWideRoleType;
}

} // namespace Ocv
