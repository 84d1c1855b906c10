#include "data/ttservice/RecordFactory.h"

#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornChannelStatus.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplate.h"
#include "data/ttservice/CVornRcTemplateGroup.h"
#include "data/ttservice/CVornProductsResp.h"
#include "data/ttservice/CVornRiskApproval.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/CVornTypedUserItem.h"
#include "data/ttservice/CVornUserInfo.h"

#include <boost/make_shared.hpp>

#include <functional>
#include <map>

namespace ttservice {

namespace {

template <class T> std::pair<const std::string, std::function<IDataPtr()>> entry()
{
    return {T::staticClassName(), [] { return boost::make_shared<T>(); }};
}

const std::map<std::string, std::function<IDataPtr()>>& factories()
{
    static const std::map<std::string, std::function<IDataPtr()>> table{
        entry<CVornSysStatusInfo>(), entry<CVornSubManagerInfo>(), entry<CVornBaseInfoStatistics>(),
        entry<CVornExchangeInfo>(),  entry<CVornUserInfo>(),       entry<CVornAccountInfo>(),
        entry<CVornProductInfo>(),   entry<CVornTypedUserItem>(),  entry<CVornTypedUserInfo>(),
        entry<CLoginInfo>(),         entry<CAccountAlgoRange>(),   entry<CVornChannelStatus>(),
        entry<CVornRiskApproval>(),  entry<CGlobalFutureRCConfig>(), entry<CGlobalStockRCConfig>(),
        entry<CVornAccountRcSetting>(), entry<CVornProductRcSetting>(), entry<CVornRcTemplate>(),
        entry<CVornRcTemplateGroup>(), entry<CVornRcRelation>(), entry<CAccountInfo>(), entry<CVornProductsResp>()};
    return table;
}

} // namespace

IDataPtr createRecord(const std::string& className)
{
    auto it = factories().find(className);
    return it == factories().end() ? IDataPtr() : it->second();
}

std::vector<std::string> recordClassNames()
{
    std::vector<std::string> names;
    for (const auto& item : factories())
        names.push_back(item.first);
    return names;
}

} // namespace ttservice
