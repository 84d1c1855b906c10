#include "kx/IBaseHpfTableData.h"

namespace Kx {

IBaseHpfTableData::~IBaseHpfTableData() = default;

QString IBaseHpfTableData::qsKey() const
{
    return QString::fromStdString(getKey());
}

QString IBaseHpfTableData::getFilterQString(int column) const
{
    return getColumnText(column);
}

} // namespace Kx
