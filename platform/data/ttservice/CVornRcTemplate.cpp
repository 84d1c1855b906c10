#include "data/ttservice/CVornRcTemplate.h"

#include <boost/make_shared.hpp>

namespace ttservice {

#define F(member) TTSERVICE_FIELD(CVornRcTemplate, member)
TTSERVICE_RECORD_IMPL(CVornRcTemplate, F(templateId), F(templateName), F(targetKind), F(maxOrderVolume),
                      F(maxDailyLoss), F(maxOrderAmount), F(maxCancelRatio), F(description))
#undef F

CVornRcTemplate::CVornRcTemplate() = default;

CVornRcTemplate::~CVornRcTemplate() = default;

std::string CVornRcTemplate::getKey() const
{
    return std::to_string(templateId);
}

} // namespace ttservice
