#pragma once

#include "data/DataGlobal.h"
#include "data/IData.h"

#include <string>
#include <vector>

namespace ttservice {

// Creates a default record by its class name ("CVornExchangeInfo"); null for an unknown name.
DATA_EXPORT IDataPtr createRecord(const std::string& className);
DATA_EXPORT std::vector<std::string> recordClassNames();

} // namespace ttservice
