#include "data/ttservice/TypeManager.h"

#include <map>

namespace ttservice {

namespace {

typedef std::map<int, std::string> ItemNames;

const std::map<std::string, ItemNames>& enumTables()
{
    static const std::map<std::string, ItemNames> tables{
        {"ttservice::EAccountType",
         {{0, "期货账户"},
          {1, "股票账户"},
          {2, "信用账户"},
          {3, "股票期权账户"},
          {4, "期货期权账户"},
          {5, "股转账户"},
          {6, "沪港通账户"},
          {7, "深港通账户"}}},
        {"ttservice::EServiceClientID",
         {{0, "未知终端"},
          {1, "PC客户端"},
          {2, "API接口"},
          {3, "移动终端"},
          {4, "代理终端"},
          {5, "网页终端"}}},
        {"ttservice::EQdUserType",
         {{1, "管理员"},
          {2, "子管理员"},
          {10, "投资经理"},
          {11, "交易员"},
          {12, "风控员"},
          {13, "查询员"},
          {14, "平仓员"},
          {15, "下单员"},
          {20, "投资顾问"},
          {21, "独立投顾"}}},
    };
    return tables;
}

} // namespace

std::string TypeManager::getEnumItemName(const std::string& enumName, int value, int /*traderType*/)
{
    auto table = enumTables().find(enumName);
    if (table == enumTables().end())
        return std::string();
    auto item = table->second.find(value);
    return item == table->second.end() ? std::string() : item->second;
}

} // namespace ttservice
