#include "siblings/CShowUserDialog.h"

#include "RecordTexts.h"
#include "data/ttservice/CVornUserInfo.h"

namespace Ocv {

namespace {
constexpr int kUserCode = 12209;
constexpr int kTableId = 2102;
} // namespace

CShowUserDialog::CShowUserDialog(QWidget* parent)
    : CBrowseDialog(parent,
                    {QStringLiteral("show_user_dialog"),
                     kTableId,
                     {QStringLiteral("用户名"), QStringLiteral("用户类型"), QStringLiteral("终端类型"),
                      QStringLiteral("在线状态"), QStringLiteral("创建日期")},
                     {0},
                     QStringLiteral("查询用户: "),
                     QStringLiteral("请输入用户名, 按Enter键查询"),
                     QStringLiteral("用户列表"),
                     QStringLiteral("今日新增用户")},
                    kUserCode)
{
}

CShowUserDialog::~CShowUserDialog() = default;

void CShowUserDialog::setisQueryData(bool todayOnly)
{
    setNarrowed(todayOnly);
}

void CShowUserDialog::switchSystem(const QString& systemName)
{
    setSystemName(systemName);
}

std::vector<Kx::IBaseHpfTableDataPtr>
CShowUserDialog::makeRows(const std::vector<ttservice::IDataPtr>& records)
{
    const RecordTexts::Items types = RecordTexts::userTypes();
    const RecordTexts::Items kinds = RecordTexts::clientKinds();
    const std::string today = RecordTexts::today();
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    for (const ttservice::IDataPtr& record : records) {
        const auto user = boost::dynamic_pointer_cast<ttservice::CVornUserInfo>(record);
        if (!user || (isNarrowed() && user->createdDay != today))
            continue;
        rows.push_back(
            makeRow({QString::fromStdString(user->name), RecordTexts::textOf(types, user->userType),
                     RecordTexts::textOf(kinds, user->clientKind),
                     user->online ? QStringLiteral("在线") : QStringLiteral("离线"),
                     RecordTexts::dayText(user->createdDay)}));
    }
    return rows;
}

} // namespace Ocv
