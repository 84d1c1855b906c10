#include "RcTexts.h"

#include "data/ttservice/CVornRcTemplate.h"
#include "data/ttservice/EQdTraderType.h"

namespace Ocv {
namespace RcTexts {

QString traderTypeName(int traderType)
{
    using namespace ttservice;
    switch (traderType) {
    case QD_TRADER_STOCK:
        return QStringLiteral("证券");
    case QD_TRADER_FUTURE:
        return QStringLiteral("期货");
    case QD_TRADER_CREDIT:
        return QStringLiteral("信用");
    case QD_TRADER_STOCK_OPTION:
        return QStringLiteral("股票期权");
    case QD_TRADER_SHHK:
        return QStringLiteral("沪港通");
    case QD_TRADER_NEEQ:
        return QStringLiteral("股转");
    case QD_TRADER_FUTURE_OPTION:
        return QStringLiteral("期货期权");
    case QD_TRADER_SZHK:
        return QStringLiteral("深港通");
    default:
        return QStringLiteral("未知(%1)").arg(traderType);
    }
}

QString targetKindName(int targetKind)
{
    if (targetKind == ttservice::RC_TARGET_ACCOUNT)
        return QStringLiteral("账号");
    if (targetKind == ttservice::RC_TARGET_PRODUCT)
        return QStringLiteral("产品");
    return QStringLiteral("未知(%1)").arg(targetKind);
}

} // namespace RcTexts
} // namespace Ocv
