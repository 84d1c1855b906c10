#include "CBrowseModel.h"

#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <QVariant>

namespace Ocv {

CBrowseModel::CBrowseModel(const QStringList& headers) : Kx::IBaseHpfTableModel(false), m_headers(headers) {}

CBrowseModel::~CBrowseModel() = default;

int CBrowseModel::columnCount() const
{
    return m_headers.size();
}

QString CBrowseModel::headerText(int column) const
{
    return m_headers.value(column);
}

int CBrowseModel::columnValueType(int) const
{
    return QVariant::String;
}

QString CBrowseModel::emptyText() const
{
    return QStringLiteral("暂无数据");
}

bool CBrowseModel::isSummaryShown() const
{
    return true;
}

QColor CBrowseModel::rowBackground(int row) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(
        row % 2 ? QStringLiteral("clr_table_background2") : QStringLiteral("clr_table_background"));
}

int CBrowseModel::frozenColumnCount() const
{
    return 1;
}

} // namespace Ocv
