#pragma once

#include "data/IData.h"

#include <string>

namespace ttservice {

// An investment product, keyed by its id in decimal. The id is unique on its server only.
// managerId -1: no sub-manager looks after it; active 0: wound up or not yet running. createdDay
// is "yyyyMMdd". riskControlEnabled: the product's risk control is on.
class DATA_EXPORT CVornProductInfo : public IData
{
    TTSERVICE_RECORD(CVornProductInfo)
public:
    CVornProductInfo();
    ~CVornProductInfo() override;
    std::string getKey() const override;

    int productId = 0;
    std::string productName;
    int managerId = -1;
    int active = 0;
    std::string createdDay;
    bool riskControlEnabled = false;
};

} // namespace ttservice
