#include "data/ttservice/CVornProductsResp.h"

#include "data/BSON.h"

#include <boost/make_shared.hpp>

namespace ttservice {

TTSERVICE_RECORD_IMPL_OWN_CLONE(CVornProductsResp, )

CVornProductsResp::CVornProductsResp() = default;

CVornProductsResp::~CVornProductsResp() = default;

IDataPtr CVornProductsResp::clone() const
{
    auto copy = boost::make_shared<CVornProductsResp>(*this);
    for (IDataPtr& product : copy->products) {
        if (product)
            product = product->clone();
    }
    return copy;
}

void CVornProductsResp::toBsonWithBson(bson::BSONObjBuilder& builder) const
{
    std::vector<bson::BSONObj> documents;
    documents.reserve(products.size());
    for (const IDataPtr& product : products) {
        bson::BSONObjBuilder fields;
        if (product)
            product->toBsonWithBson(fields);
        documents.push_back(fields.obj());
    }
    builder.appendArray("products", documents);
}

bool CVornProductsResp::sameFields(const IData& other) const
{
    if (!IData::sameFields(other))
        return false;
    const auto& theirs = static_cast<const CVornProductsResp&>(other).products;
    if (theirs.size() != products.size())
        return false;
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (products[i] == theirs[i])
            continue;
        if (!products[i] || !theirs[i] || !products[i]->sameFields(*theirs[i]))
            return false;
    }
    return true;
}

} // namespace ttservice
