#include "siblings/CCreateUserDialog.h"

#include "RecordTexts.h"
#include "data/CUserManager.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CComboBox.h"
#include "utils/CSingletonT.h"

#include <QLineEdit>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kUserCode = 12209;
} // namespace

CCreateUserDialog::CCreateUserDialog(QWidget* parent)
    : CCreationDialog(parent, QStringLiteral("一键创建用户"), QStringLiteral("create_user_dialog"))
{
    addSystemRow();
    m_userName = addLineEdit(QStringLiteral("user_name"), QStringLiteral("用户名"));
    m_userType =
        addComboBox(QStringLiteral("user_type"), QStringLiteral("用户类型"), RecordTexts::userTypes());
    m_clientKind =
        addComboBox(QStringLiteral("client_kind"), QStringLiteral("终端类型"), RecordTexts::clientKinds());
}

CCreateUserDialog::~CCreateUserDialog() = default;

void CCreateUserDialog::switchSystem(const std::string& systemName)
{
    setSystemName(systemName);
}

bool CCreateUserDialog::validate()
{
    return checkText(m_userName, QStringLiteral("用户名"), true);
}

void CCreateUserDialog::submit()
{
    auto user = boost::make_shared<ttservice::CVornUserInfo>();
    user->name = trimmed(m_userName).toStdString();
    user->userType = selectedCode(m_userType);
    user->roleType = utils::CSingletonT<CUserManager>::instance()->getUserRoleType(user->userType);
    user->managerId = ownManagerId();
    user->online = 0;
    user->clientKind = selectedCode(m_clientKind);
    sendAdd(kUserCode, user);
}

} // namespace Ocv
