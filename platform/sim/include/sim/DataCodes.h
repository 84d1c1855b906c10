#pragma once

namespace sim {

// The data-type codes whose meaning the simulated servers know.
enum DataCode : int
{
    kAccountCode = 12203,       // CVornAccountInfo: query, and add through operate
    kUserCode = 12209,          // CVornUserInfo: query, and add through operate
    kProductCode = 12224,       // CVornProductInfo: query, add and modify through operate
    kSysStatusCode = 12235,     // CVornSysStatusInfo
    kStatisticsCode = 12254,    // CVornBaseInfoStatistics
    kExchangeCode = 12255,      // CVornExchangeInfo
    kSubManagerCode = 12277,    // CVornSubManagerInfo
    kChannelStatusCode = 12296, // CVornChannelStatus: the exchange channels the platform monitors
    kTypedUserCode = 12311,     // CVornTypedUserInfo, param the user kind "1".."5"
    kAlgoRangeCode = 12374,     // CAccountAlgoRange, param "all" and param2 "13"
    kRiskApprovalCode = 12420,  // CVornRiskApproval: risk-control change requests; modify reviews one
    kGlobalFutureRiskCode = 23434, // CGlobalFutureRCConfig by trade type (param "2", "1024")
    kGlobalStockRiskCode = 23435,  // CGlobalStockRCConfig by trade type (param "1", "256", ...)
    kAccountRcSettingCode = 23450, // CVornAccountRcSetting, param the account id; modify saves
    kProductRcSettingCode = 23451, // CVornProductRcSetting, param the product id; modify saves
    kRcTemplateCode = 23452,       // CVornRcTemplate, param "account", "product" or "all"
    kRcTemplateGroupCode = 23453,  // CVornRcTemplateGroup, param "account", "product" or "all"
    kRcTemplateRelationCode = 23454, // CVornRcRelation of a template (param its id); add / delete
    kRcGroupRelationCode = 23455,    // CVornRcRelation of a group (param its id); add / delete
    kLogoutCode = 626              // CLoginInfo: delete ends that login
};

} // namespace sim
