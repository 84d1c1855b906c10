#include "siblings/CAccountOpeningDialog.h"

#include "RecordTexts.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "kx/CComboBox.h"

#include <QLineEdit>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kAccountCode = 12203;
} // namespace

CAccountOpeningDialog::CAccountOpeningDialog(QWidget* parent)
    : CAccountOpeningDialog(parent, QStringLiteral("一键开户"), QStringLiteral("account_opening_dialog"),
                            false)
{
}

CAccountOpeningDialog::CAccountOpeningDialog(QWidget* parent, const QString& title, const QString& objectName,
                                             bool perSystem)
    : CCreationDialog(parent, title, objectName), m_brokerRequired(!perSystem)
{
    if (perSystem)
        addSystemRow();
    m_accountId = addLineEdit(QStringLiteral("account_id"), QStringLiteral("账户编号"));
    m_accountName = addLineEdit(QStringLiteral("account_name"), QStringLiteral("账户名称"));
    m_accountType =
        addComboBox(QStringLiteral("account_type"), QStringLiteral("账户类型"), RecordTexts::accountTypes());
    m_brokerName = addLineEdit(QStringLiteral("broker_name"), QStringLiteral("经纪公司"),
                               m_brokerRequired ? QString() : QStringLiteral("可不填"));
}

CAccountOpeningDialog::~CAccountOpeningDialog() = default;

bool CAccountOpeningDialog::validate()
{
    bool valid = checkText(m_accountId, QStringLiteral("账户编号"), true);
    valid = checkText(m_accountName, QStringLiteral("账户名称"), true) && valid;
    valid = checkText(m_brokerName, QStringLiteral("经纪公司"), m_brokerRequired) && valid;
    return valid;
}

void CAccountOpeningDialog::submit()
{
    auto account = boost::make_shared<ttservice::CVornAccountInfo>();
    account->account = boost::make_shared<ttservice::CAccountInfo>();
    account->account->accountId = trimmed(m_accountId).toStdString();
    account->account->accountType = selectedCode(m_accountType);
    account->accountName = trimmed(m_accountName).toStdString();
    account->brokerName = trimmed(m_brokerName).toStdString();
    account->tradingEnabled = 1;
    account->managerId = ownManagerId();
    sendAdd(kAccountCode, account);
}

} // namespace Ocv
