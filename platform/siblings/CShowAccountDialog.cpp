#include "siblings/CShowAccountDialog.h"

#include "RecordTexts.h"
#include "data/ttservice/CVornAccountInfo.h"

namespace Ocv {

namespace {
constexpr int kAccountCode = 12203;
constexpr int kTableId = 2101;
} // namespace

CShowAccountDialog::CShowAccountDialog(QWidget* parent)
    : CBrowseDialog(parent,
                    {QStringLiteral("show_account_dialog"),
                     kTableId,
                     {QStringLiteral("账号"), QStringLiteral("账号名称"), QStringLiteral("账号类型"),
                      QStringLiteral("经纪公司"), QStringLiteral("交易状态"), QStringLiteral("创建日期")},
                     {0, 1},
                     QStringLiteral("查询账号: "),
                     QStringLiteral("请输入账号或名称, 按Enter键查询"),
                     QStringLiteral("账号列表"),
                     QStringLiteral("今日新增账号")},
                    kAccountCode)
{
}

CShowAccountDialog::~CShowAccountDialog() = default;

void CShowAccountDialog::setisQueryData(bool todayOnly)
{
    setNarrowed(todayOnly);
}

void CShowAccountDialog::switchSystem(const QString& systemName)
{
    setSystemName(systemName);
}

std::vector<Kx::IBaseHpfTableDataPtr>
CShowAccountDialog::makeRows(const std::vector<ttservice::IDataPtr>& records)
{
    const RecordTexts::Items types = RecordTexts::accountTypes();
    const std::string today = RecordTexts::today();
    std::vector<Kx::IBaseHpfTableDataPtr> rows;
    for (const ttservice::IDataPtr& record : records) {
        const auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
        if (!account || !account->account || (isNarrowed() && account->createdDay != today))
            continue;
        const ttservice::CAccountInfo& inner = *account->account;
        rows.push_back(makeRow(
            {QString::fromStdString(inner.accountId), QString::fromStdString(account->accountName),
             RecordTexts::textOf(types, inner.accountType), QString::fromStdString(account->brokerName),
             account->tradingEnabled ? QStringLiteral("允许交易") : QStringLiteral("禁止交易"),
             RecordTexts::dayText(account->createdDay)}));
    }
    return rows;
}

} // namespace Ocv
