#include "smartalgo/CSmartAlgoData.h"

#include "data/ttservice/TypeManager.h"
#include "kx/CUiResource.h"
#include "utils/CSingletonT.h"

#include <cfloat>
#include <climits>

namespace Ocv {

namespace {
constexpr int kFirstAlgorithmColumn = 3;
constexpr int kLastAlgorithmColumn = 16;
// Which account types the display names are chosen from.
constexpr int kTraderTypeMask = 810495;
// Named once per row: sorting and painting ask for the column again and again.
QString accountTypeText(int accountType)
{
    if (accountType < 0)
        return QStringLiteral("停用");
    return QString::fromStdString(
        ttservice::TypeManager::getEnumItemName("ttservice::EAccountType", accountType, kTraderTypeMask));
}
} // namespace

CSmartAlgoData::CSmartAlgoData(const QString& key, const QString& accountId, int accountType,
                               const QString& company)
    : m_key(key), m_accountId(accountId), m_accountType(accountType), m_company(company),
      m_accountTypeText(accountTypeText(accountType))
{
    for (int column = kFirstAlgorithmColumn; column <= kLastAlgorithmColumn; ++column)
        m_permissions.insert(column, 0);
}

CSmartAlgoData::~CSmartAlgoData() = default;

QString CSmartAlgoData::getColumnText(int column) const
{
    return getColumnText(column, 0);
}

QString CSmartAlgoData::getColumnText(int column, int) const
{
    switch (column) {
    case 0:
        return m_accountId;
    case 1:
        return m_accountTypeText;
    case 2:
        return m_company;
    default:
        break;
    }
    if (column < kFirstAlgorithmColumn || column > kLastAlgorithmColumn)
        return QStringLiteral("-");
    const auto permission = m_permissions.constFind(column);
    if (permission == m_permissions.constEnd())
        return QStringLiteral("-");
    if (*permission == 0)
        return QString();
    return *permission == 1 ? QStringLiteral("是") : QStringLiteral("-");
}

int CSmartAlgoData::getColumnInt(int) const
{
    return INT_MAX;
}

double CSmartAlgoData::getColumnDouble(int) const
{
    return DBL_MAX;
}

qint64 CSmartAlgoData::getColumnInt64(int) const
{
    return LLONG_MAX;
}

QColor CSmartAlgoData::getTextColor(int) const
{
    return *utils::CSingletonT<Kx::CUiResource>::instance()->getColor(QStringLiteral("clr_default"));
}

std::string CSmartAlgoData::getKey() const
{
    return m_key.toStdString();
}

void CSmartAlgoData::setPermission(int column, int value)
{
    m_permissions[column] = value;
}

} // namespace Ocv
