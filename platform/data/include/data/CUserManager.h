#pragma once

#include "data/DataGlobal.h"
#include "utils/CSingletonT.h"

#include <boost/shared_ptr.hpp>

#include <map>
#include <mutex>
#include <set>

namespace ttservice {
class CVornUserInfo;
}

namespace Ocv {

class CLoginParam;

// The logged-in user, the role of each user type, and the user's rights.
class DATA_EXPORT CUserManager
{
public:
    CUserManager();
    ~CUserManager();

    // 0 without a user.
    int getUserType() const;
    // Through the role table; an unmapped type gives the user record's role type when it is
    // the current user's type, else 0.
    int getUserRoleType(int userType) const;
    bool isAdmin() const;
    bool checkUserAuth(int right) const;
    boost::shared_ptr<ttservice::CVornUserInfo> getUserInfoPtr() const;
    boost::shared_ptr<CLoginParam> getCurrentLoginParamPtr() const;

    // Stand-in controls. A null user means nobody is logged in.
    void setUser(const boost::shared_ptr<ttservice::CVornUserInfo>& user, bool admin,
                 const std::set<int>& rights, bool allRights);
    void setRoleTypes(const std::map<int, int>& roleTypes);

private:
    mutable std::mutex m_mutex;
    boost::shared_ptr<ttservice::CVornUserInfo> m_user;
    boost::shared_ptr<CLoginParam> m_loginParam;
    bool m_admin = false;
    std::set<int> m_rights;
    bool m_allRights = false;
    std::map<int, int> m_roleTypes;
};

} // namespace Ocv

UTILS_DECLARE_SINGLETON(DATA_EXPORT, Ocv::CUserManager)
