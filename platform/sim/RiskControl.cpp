#include "sim/RiskControl.h"

#include "data/Clock.h"
#include "data/ttservice/COperateDataReq.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplate.h"
#include "data/ttservice/CVornRcTemplateGroup.h"
#include "data/ttservice/EQdTraderType.h"
#include "sim/DataCodes.h"
#include "sim/SimState.h"

#include <QString>

#include <algorithm>
#include <stdexcept>

namespace sim {

namespace {

const char* const kTimeFormat = "yyyy-MM-dd HH:mm:ss";

struct Range
{
    const char* label;
    double low;
    double high;
};

// The platform's ranges; the client's forms check the same ones before sending.
const Range kOrderVolume{"单笔最大委托数量", 0, 10000000};
const Range kPositionVolume{"最大持仓数量", 0, 100000000};
const Range kDailyLoss{"单日最大亏损", 0, 100000000000.0};
const Range kOrderAmount{"单笔最大委托金额", 0, 10000000000.0};
const Range kCancelRatio{"最大撤单比例", 0, 100};
const Range kNetAssetLoss{"净值最大亏损比例", 0, 100};
const Range kSingleStock{"单一股票最大持仓比例", 0, 100};

// The refusal for a value outside its range (NaN included), or empty.
std::string outside(const Range& range, double value)
{
    if (value >= range.low && value <= range.high)
        return std::string();
    return QString("%1超出范围 (%2 - %3): %4")
        .arg(QString::fromUtf8(range.label))
        .arg(range.low, 0, 'f', 0)
        .arg(range.high, 0, 'f', 0)
        .arg(value, 0, 'g', 15)
        .toStdString();
}

std::string firstFault(std::initializer_list<std::string> faults)
{
    for (const std::string& fault : faults) {
        if (!fault.empty())
            return fault;
    }
    return std::string();
}

bool knownTraderType(int traderType)
{
    using namespace ttservice;
    for (int known : {QD_TRADER_STOCK, QD_TRADER_FUTURE, QD_TRADER_CREDIT, QD_TRADER_STOCK_OPTION, QD_TRADER_SHHK,
                      QD_TRADER_NEEQ, QD_TRADER_FUTURE_OPTION, QD_TRADER_SZHK}) {
        if (traderType == known)
            return true;
    }
    return false;
}

std::string targetText(const ttservice::CVornRcRelation& relation)
{
    if (relation.targetKind == ttservice::RC_TARGET_PRODUCT)
        return "产品 " + std::to_string(relation.productId);
    return "账号 " + relation.accountId;
}

int targetKindOfParam(const std::string& param)
{
    if (param == "account")
        return ttservice::RC_TARGET_ACCOUNT;
    if (param == "product")
        return ttservice::RC_TARGET_PRODUCT;
    return param == "all" ? 0 : -1;
}

template <class T> int targetKindOf(const ttservice::IDataPtr& record)
{
    auto typed = boost::dynamic_pointer_cast<const T>(record);
    return typed ? typed->targetKind : -1;
}

// The template or group of that id on the server, null when there is none.
ttservice::IDataPtr findOwner(const SimState& state, int ownerCode, int ownerId)
{
    const std::string key = std::to_string(ownerId);
    for (const ttservice::IDataPtr& record : state.everyParam(ownerCode)) {
        if (record && record->getKey() == key)
            return record;
    }
    return ttservice::IDataPtr();
}

template <class T> void stamp(T& setting)
{
    setting.updateTime = utils::currentDateTime().toString(kTimeFormat).toStdString();
}

} // namespace

void addRiskControl(ServerSetup& server, const Records& records)
{
    for (const ttservice::IDataPtr& record : records) {
        if (!record)
            throw std::invalid_argument("a risk-control record must not be null");
        const std::string className = record->className();
        if (className == ttservice::CVornRcTemplate::staticClassName()) {
            auto& list = server.answers[kRcTemplateCode].fallback;
            (list ? *list : list.emplace()).push_back(record);
        } else if (className == ttservice::CVornRcTemplateGroup::staticClassName()) {
            auto& list = server.answers[kRcTemplateGroupCode].fallback;
            (list ? *list : list.emplace()).push_back(record);
        } else if (auto relation = boost::dynamic_pointer_cast<const ttservice::CVornRcRelation>(record)) {
            const int code =
                relation->ownerKind == ttservice::RC_OWNER_GROUP ? kRcGroupRelationCode : kRcTemplateRelationCode;
            auto& list = server.answers[code].fallback;
            (list ? *list : list.emplace()).push_back(record);
        } else if (className == ttservice::CVornAccountRcSetting::staticClassName()) {
            server.answers[kAccountRcSettingCode].entries[{record->getKey(), std::string()}].push_back(record);
        } else if (className == ttservice::CVornProductRcSetting::staticClassName()) {
            server.answers[kProductRcSettingCode].entries[{record->getKey(), std::string()}].push_back(record);
        } else {
            throw std::invalid_argument("expected a risk-control template, group, relation or setting, found " +
                                        className);
        }
    }
}

bool isRiskControlListCode(int dataType)
{
    return dataType == kRcTemplateCode || dataType == kRcTemplateGroupCode || dataType == kRcTemplateRelationCode ||
           dataType == kRcGroupRelationCode;
}

Records riskControlAnswer(const SimState& state, const ttservice::CVornQueryDataReq& req)
{
    Records picked;
    const Records& list = state.everyParam(req.dataType);
    if (req.dataType == kRcTemplateCode || req.dataType == kRcTemplateGroupCode) {
        const int wanted = targetKindOfParam(req.param);
        if (wanted < 0)
            return picked;
        for (const ttservice::IDataPtr& record : list) {
            const int kind = req.dataType == kRcTemplateCode ? targetKindOf<ttservice::CVornRcTemplate>(record)
                                                             : targetKindOf<ttservice::CVornRcTemplateGroup>(record);
            if (kind >= 0 && (wanted == 0 || kind == wanted))
                picked.push_back(record->clone());
        }
        return picked;
    }
    bool ok = false;
    const int ownerId = QString::fromStdString(req.param).toInt(&ok);
    if (!ok)
        return picked;
    for (const ttservice::IDataPtr& record : list) {
        auto relation = boost::dynamic_pointer_cast<const ttservice::CVornRcRelation>(record);
        if (relation && relation->ownerId == ownerId)
            picked.push_back(record->clone());
    }
    return picked;
}

std::string accountRcSettingFault(const ttservice::CVornAccountRcSetting& s)
{
    if (s.accountId.empty())
        return "账号不能为空";
    if (!knownTraderType(s.traderType))
        return "交易类型无效: " + std::to_string(s.traderType);
    std::string fault = firstFault({outside(kOrderVolume, s.maxOrderVolume), outside(kPositionVolume, s.maxPositionVolume),
                                    outside(kDailyLoss, s.maxDailyLoss), outside(kOrderAmount, s.maxOrderAmount),
                                    outside(kCancelRatio, s.maxCancelRatio)});
    if (fault.empty() && s.maxPositionVolume > 0 && s.maxOrderVolume > s.maxPositionVolume)
        fault = "单笔最大委托数量不能大于最大持仓数量 (" + std::to_string(s.maxOrderVolume) + " > " +
                std::to_string(s.maxPositionVolume) + ")";
    return fault;
}

std::string productRcSettingFault(const ttservice::CVornProductRcSetting& s)
{
    if (s.productId <= 0)
        return "产品编号无效: " + std::to_string(s.productId);
    return firstFault({outside(kNetAssetLoss, s.maxNetAssetLossRatio), outside(kSingleStock, s.maxSingleStockRatio),
                       outside(kDailyLoss, s.maxDailyLoss), outside(kOrderAmount, s.maxOrderAmount)});
}

OperateHandler rcSettingSave(int dataType)
{
    return [dataType](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        if (req.operation != ttservice::QDO_MODIFY)
            return refuse("风控设置只能修改 (operation " + std::to_string(req.operation) + ")");
        const bool account = dataType == kAccountRcSettingCode;
        const char* className = account ? ttservice::CVornAccountRcSetting::staticClassName()
                                        : ttservice::CVornProductRcSetting::staticClassName();
        if (!req.data || req.data->className() != std::string(className))
            return refuse(std::string("风控设置需要一条 ") + className + " 记录");
        ttservice::IDataPtr stored = req.data->clone();
        std::string fault;
        if (account) {
            auto& setting = static_cast<ttservice::CVornAccountRcSetting&>(*stored);
            fault = accountRcSettingFault(setting);
            stamp(setting);
        } else {
            auto& setting = static_cast<ttservice::CVornProductRcSetting&>(*stored);
            fault = productRcSettingFault(setting);
            stamp(setting);
        }
        if (!fault.empty())
            return refuse(fault);
        state.stored(dataType, stored->getKey(), std::string()).records = Records{stored};
    };
}

OperateHandler rcRelationChange(int dataType)
{
    return [dataType](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        if (req.operation != ttservice::QDO_ADD && req.operation != ttservice::QDO_DELETE)
            return refuse("风控模板的应用只能新增或删除 (operation " + std::to_string(req.operation) + ")");
        auto relation = boost::dynamic_pointer_cast<const ttservice::CVornRcRelation>(req.data);
        if (!relation)
            return refuse(std::string("应用风控模板需要一条 ") + ttservice::CVornRcRelation::staticClassName() +
                          " 记录");
        const bool group = dataType == kRcGroupRelationCode;
        const std::string noun = group ? "风控模板组" : "风控模板";
        if (relation->ownerKind != (group ? ttservice::RC_OWNER_GROUP : ttservice::RC_OWNER_TEMPLATE))
            return refuse("应用的不是" + noun + ": " + relation->getKey());
        const ttservice::IDataPtr owner =
            findOwner(state, group ? kRcTemplateGroupCode : kRcTemplateCode, relation->ownerId);
        if (!owner)
            return refuse(noun + "不存在: " + std::to_string(relation->ownerId));
        const int ownerTarget = group ? targetKindOf<ttservice::CVornRcTemplateGroup>(owner)
                                      : targetKindOf<ttservice::CVornRcTemplate>(owner);
        if (relation->targetKind != ownerTarget)
            return refuse(noun + " " + std::to_string(relation->ownerId) + " 不适用于" +
                          (relation->targetKind == ttservice::RC_TARGET_PRODUCT ? "产品" : "账号"));
        if (relation->targetKind == ttservice::RC_TARGET_PRODUCT ? relation->productId <= 0
                                                                 : relation->accountId.empty())
            return refuse("应用对象不能为空");
        const std::string key = relation->getKey();
        const Records& current = state.everyParam(dataType);
        const auto found = std::find_if(current.begin(), current.end(), [&key](const ttservice::IDataPtr& record) {
            return record && record->getKey() == key;
        });
        const bool exists = found != current.end();
        if (req.operation == ttservice::QDO_ADD && exists)
            return refuse("已应用: " + targetText(*relation));
        if (req.operation == ttservice::QDO_DELETE && !exists)
            return refuse("未应用: " + targetText(*relation));
        Records& records = state.everyParamForChange(dataType);
        if (req.operation == ttservice::QDO_ADD)
            records.push_back(req.data->clone());
        else
            records.erase(records.begin() + (found - current.begin()));
    };
}

} // namespace sim
