#pragma once

#include <string>

namespace Ocv {

// The param the template and group lists are read with: "account", "product", or "all" for both
// (and for neither).
inline std::string rcListParam(bool forAccounts, bool forProducts)
{
    if (forAccounts == forProducts)
        return "all";
    return forAccounts ? "account" : "product";
}

} // namespace Ocv
