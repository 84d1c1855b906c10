#pragma once

#include "data/DataGlobal.h"

#include <string>

namespace ttservice {

// Display names of the platform's enumerations.
class DATA_EXPORT TypeManager
{
public:
    // traderType is the mask of the trade types (EQdTraderType bits) the platform runs (810495
    // on a full platform: every one of them).
    // "ttservice::EAccountType": 1 futures … 12 wealth management, as CAccountInfo counts them;
    //   a type with a trade type exists when the mask holds that trade type's bit, every type
    //   when the mask is 0 or less; the types without one (interbank, bank, OTC, wealth
    //   management) always exist. A type left out or unknown gives "未知类型(n)".
    // "ttservice::EServiceClientID": the terminal a login came from; unknown gives "未知终端(n)".
    // "ttservice::EQdUserType": unknown gives empty text, unlike the two above: lists that show a
    //   user type fall back to the type text their own record carries.
    // An unknown enumeration gives empty text.
    static std::string getEnumItemName(const std::string& enumName, int value, int traderType);
};

} // namespace ttservice
