#pragma once

#include <QString>

namespace Ocv {

// What the risk-control panels call the codes they show.
namespace RcTexts {

// The name of an EQdTraderType ("证券", "期货", ...), "未知(n)" for another value.
QString traderTypeName(int traderType);
// "账号" or "产品" for an ERcTargetKind, "未知(n)" otherwise.
QString targetKindName(int targetKind);

} // namespace RcTexts
} // namespace Ocv
