#include "userlist/CUserListModel.h"

#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QVariant>

namespace Ocv {

namespace {
constexpr int kColumnCount = 14;
const char* const kHeaders[kColumnCount] = {"选择",       "分系统",   "用户名称", "用户角色",   "终端类型",
                                            "所属机构",   "地址",     "MAC",      "硬盘序列号", "登录时间",
                                            "客户端版本", "文件方式", "接口方式", "操作"};
} // namespace

CUserListModel::CUserListModel() : Kx::IBaseHpfTableModel(false) {}

CUserListModel::~CUserListModel() = default;

int CUserListModel::columnCount() const
{
    return kColumnCount;
}

QString CUserListModel::headerText(int column) const
{
    return column >= 0 && column < kColumnCount ? QString::fromUtf8(kHeaders[column]) : QString();
}

int CUserListModel::columnValueType(int column) const
{
    return column == 11 || column == 12 ? QVariant::Int : QVariant::String;
}

QString CUserListModel::emptyText() const
{
    return QString();
}

bool CUserListModel::isSummaryShown() const
{
    return false;
}

QColor CUserListModel::rowBackground(int row) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(
        row % 2 ? QStringLiteral("clr_table_background2") : QStringLiteral("clr_table_background"));
}

int CUserListModel::frozenColumnCount() const
{
    return 0;
}

} // namespace Ocv
