#include "data/ttservice/TypeManager.h"

#include <map>

namespace ttservice {

namespace {

typedef std::map<int, std::string> ItemNames;

const ItemNames& accountTypes()
{
    static const ItemNames names{{1, "期货"},   {2, "股票"},     {3, "信用"},   {4, "股票期权"},
                                 {5, "股转"},   {6, "期货期权"}, {7, "银行间"}, {8, "沪港通"},
                                 {9, "深港通"}, {10, "银行"},    {11, "场外"},  {12, "理财"}};
    return names;
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
    if (traderType <= 0)
        return true;
    return value >= 0 && value < 31 && (traderType & (1 << value)) != 0;
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
