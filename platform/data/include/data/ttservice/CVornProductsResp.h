#pragma once

#include "data/IData.h"

#include <vector>

namespace ttservice {

// The products of one server, as the product data manager keeps them: the server's product
// records (CVornProductInfo, each carrying the server's system tag) in the order it listed them.
// clone() copies the products.
class DATA_EXPORT CVornProductsResp : public IData
{
    TTSERVICE_RECORD(CVornProductsResp)
public:
    CVornProductsResp();
    ~CVornProductsResp() override;

    void toBsonWithBson(bson::BSONObjBuilder& builder) const override;
    bool sameFields(const IData& other) const override;

    std::vector<IDataPtr> products;
};

typedef boost::shared_ptr<CVornProductsResp> CVornProductsRespPtr;

} // namespace ttservice
