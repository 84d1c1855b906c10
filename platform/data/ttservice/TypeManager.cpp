#include "data/ttservice/TypeManager.h"

#include "data/ttservice/EQdTraderType.h"

#include <map>

namespace ttservice {

namespace {

typedef std::map<int, std::string> ItemNames;

const ItemNames& accountTypes()
{
    static const ItemNames names{{1, "期货"},     {2, "股票"},     {3, "信用"},    {4, "股转"},
                                 {5, "期货期权"}, {6, "股票期权"}, {7, "沪港通"},  {8, "银行间"},
                                 {9, "银行"},     {10, "场外"},    {11, "深港通"}, {12, "理财"}};
    return names;
}

// The trade type (an EQdTraderType bit) of the account types that have one; interbank, bank,
// OTC and wealth-management accounts have none.
int traderTypeOf(int accountType)
{
    switch (accountType) {
    case 1:
        return QD_TRADER_FUTURE;
    case 2:
        return QD_TRADER_STOCK;
    case 3:
        return QD_TRADER_CREDIT;
    case 4:
        return QD_TRADER_NEEQ;
    case 5:
        return QD_TRADER_FUTURE_OPTION;
    case 6:
        return QD_TRADER_STOCK_OPTION;
    case 7:
        return QD_TRADER_SHHK;
    case 11:
        return QD_TRADER_SZHK;
    default:
        return 0;
    }
}

const ItemNames& terminalTypes()
{
    static const ItemNames names{{1, "桌面客户端"}, {2, "网页端"}, {3, "API"},
                                 {4, "透明代理"},   {5, "信号单"}, {6, "移动终端"}};
    return names;
}

const ItemNames& userTypes()
{
    static const ItemNames names{{1, "超级管理员"},  {2, "子管理员"},  {10, "管理员"},   {11, "子管理员"},
                                 {12, "风控员"},     {13, "交易员"},   {14, "平仓员"},   {15, "下单员"},
                                 {16, "独立交易员"}, {20, "投资顾问"}, {21, "独立投顾"}, {80, "运维管理员"}};
    return names;
}

const std::string* find(const ItemNames& names, int value)
{
    auto item = names.find(value);
    return item == names.end() ? nullptr : &item->second;
}

bool accountTypeExists(int value, int traderType)
{
    const int bit = traderTypeOf(value);
    return traderType <= 0 || bit == 0 || (traderType & bit) != 0;
}

} // namespace

std::string TypeManager::getEnumItemName(const std::string& enumName, int value, int traderType)
{
    if (enumName == "ttservice::EAccountType") {
        const std::string* name = find(accountTypes(), value);
        return name && accountTypeExists(value, traderType) ? *name
                                                            : "未知类型(" + std::to_string(value) + ")";
    }
    if (enumName == "ttservice::EServiceClientID") {
        const std::string* name = find(terminalTypes(), value);
        return name ? *name : "未知终端(" + std::to_string(value) + ")";
    }
    if (enumName == "ttservice::EQdUserType") {
        const std::string* name = find(userTypes(), value);
        return name ? *name : std::string();
    }
    return std::string();
}

} // namespace ttservice
