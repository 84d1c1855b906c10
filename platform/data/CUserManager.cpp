#include "data/CUserManager.h"

#include "data/CLoginParam.h"
#include "data/ttservice/CVornUserInfo.h"

#include <boost/make_shared.hpp>

UTILS_DEFINE_SINGLETON(DATA_EXPORT, Ocv::CUserManager)

namespace Ocv {

CUserManager::CUserManager() = default;

CUserManager::~CUserManager() = default;

int CUserManager::getUserType() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_user ? m_user->userType : 0;
}

int CUserManager::getUserRoleType(int userType) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_roleTypes.find(userType);
    if (it != m_roleTypes.end())
        return it->second;
    if (m_user && m_user->userType == userType)
        return m_user->roleType;
    return 0;
}

bool CUserManager::isAdmin() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_user && m_admin;
}

bool CUserManager::checkUserAuth(int right) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_user && (m_allRights || m_rights.count(right) > 0);
}

boost::shared_ptr<ttservice::CVornUserInfo> CUserManager::getUserInfoPtr() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_user;
}

boost::shared_ptr<CLoginParam> CUserManager::getCurrentLoginParamPtr() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loginParam;
}

void CUserManager::setUser(const boost::shared_ptr<ttservice::CVornUserInfo>& user, bool admin,
                           const std::set<int>& rights, bool allRights)
{
    boost::shared_ptr<CLoginParam> loginParam;
    if (user) {
        loginParam = boost::make_shared<CLoginParam>();
        loginParam->userName = user->name;
        loginParam->macs = user->macs;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_user = user;
    m_loginParam = loginParam;
    m_admin = admin;
    m_rights = rights;
    m_allRights = allRights;
}

void CUserManager::setRoleTypes(const std::map<int, int>& roleTypes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_roleTypes = roleTypes;
}

} // namespace Ocv
