#include "sim/OperateHandler.h"

#include "data/Clock.h"
#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CLoginInfo.h"
#include "data/ttservice/COperateDataReq.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornRiskApproval.h"
#include "data/ttservice/CVornUserInfo.h"
#include "data/ttservice/EQDRCApprovalStatus.h"
#include "sim/DataCodes.h"
#include "sim/GlobalRisk.h"
#include "sim/RiskControl.h"
#include "sim/SimState.h"

#include <QString>

#include <algorithm>
#include <string>

namespace sim {

namespace {

const int kMaxNameLength = 32; // characters, as the platform's forms allow

// The refusal for an id or name, or empty when it will do.
std::string checkText(const std::string& text, const std::string& label)
{
    if (text.empty())
        return label + "不能为空";
    if (QString::fromStdString(text).toUcs4().size() > kMaxNameLength)
        return label + "超过" + std::to_string(kMaxNameLength) + "个字符: " + text;
    return std::string();
}

template <class T> using CheckRecord = std::string (*)(const T& record);
template <class T> using KeyOf = std::string (*)(const T& record);

// Adds a record of class T to the population of a code. The key and, where it differs, the name
// member must be non-empty, short enough and not taken; nothing is stored on a refusal.
template <class T>
OperateHandler creation(int dataType, const char* noun, KeyOf<T> keyOf, const char* keyLabel,
                        std::string T::*name, const char* nameLabel, CheckRecord<T> check)
{
    return [=](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        if (req.operation != ttservice::QDO_ADD)
            return refuse(std::string(noun) + "只能新增 (operation " + std::to_string(req.operation) + ")");
        auto added = boost::dynamic_pointer_cast<T>(req.data);
        if (!added)
            return refuse(std::string("新增") + noun + "需要一条 " + T::staticClassName() + " 记录");
        const std::string key = keyOf(*added);
        std::string fault = checkText(key, keyLabel);
        if (fault.empty() && name)
            fault = checkText((*added).*name, nameLabel);
        if (fault.empty() && check)
            fault = check(*added);
        if (!fault.empty())
            return refuse(fault);
        for (const ttservice::IDataPtr& record : state.everyParam(dataType)) {
            auto existing = boost::dynamic_pointer_cast<const T>(record);
            if (!existing)
                continue;
            if (keyOf(*existing) == key)
                return refuse(std::string(keyLabel) + "已存在: " + key);
            if (name && (*existing).*name == (*added).*name)
                return refuse(std::string(nameLabel) + "已存在: " + (*added).*name);
        }
        auto stored = boost::static_pointer_cast<T>(added->clone());
        if (stored->createdDay.empty())
            stored->createdDay = utils::currentDateTime().date().toString("yyyyMMdd").toStdString();
        state.appendEveryParam(dataType, stored);
    };
}

// Changes a product of the population: the id names it, the new name must not be another
// product's; the rest (the risk-control switch among it) is taken as sent. Adds go to creation.
OperateHandler productChange(const OperateHandler& create)
{
    return [create](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        if (req.operation != ttservice::QDO_MODIFY)
            return create(state, req, error);
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        using ttservice::CVornProductInfo;
        auto changed = boost::dynamic_pointer_cast<CVornProductInfo>(req.data);
        if (!changed)
            return refuse(std::string("修改产品需要一条 ") + CVornProductInfo::staticClassName() + " 记录");
        std::string fault = checkText(changed->productName, "产品名称");
        if (!fault.empty())
            return refuse(fault);
        const Records& current = state.everyParam(kProductCode);
        auto found = current.end();
        for (auto it = current.begin(); it != current.end(); ++it) {
            auto existing = boost::dynamic_pointer_cast<const CVornProductInfo>(*it);
            if (!existing)
                continue;
            if (existing->productId == changed->productId)
                found = it;
            else if (existing->productName == changed->productName)
                return refuse("产品名称已存在: " + changed->productName);
        }
        if (found == current.end())
            return refuse("产品不存在: " + changed->getKey());
        auto stored = boost::static_pointer_cast<CVornProductInfo>(changed->clone());
        if (stored->createdDay.empty())
            stored->createdDay = boost::static_pointer_cast<const CVornProductInfo>(*found)->createdDay;
        Records& records = state.everyParamForChange(kProductCode);
        records[static_cast<std::size_t>(found - current.begin())] = stored;
    };
}

std::string accountKey(const ttservice::CVornAccountInfo& account)
{
    return account.getKey();
}

std::string checkAccount(const ttservice::CVornAccountInfo& account)
{
    // Without an inner account the key is empty, refused before this.
    const int type = account.account->accountType;
    if (type < 1 || type > 12)
        return "账户类型无效: " + std::to_string(type);
    return std::string();
}

std::string userKey(const ttservice::CVornUserInfo& user)
{
    return user.name;
}

std::string productKey(const ttservice::CVornProductInfo& product)
{
    return product.getKey();
}

std::string checkProduct(const ttservice::CVornProductInfo& product)
{
    if (product.productId <= 0)
        return "产品编号无效: " + std::to_string(product.productId);
    return std::string();
}

std::string checkUser(const ttservice::CVornUserInfo& user)
{
    if (user.clientKind < 0 || user.clientKind > 5)
        return "终端类型无效: " + std::to_string(user.clientKind);
    return std::string();
}

void endLogin(SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error)
{
    if (req.operation != ttservice::QDO_DELETE) {
        error = utils::TTError(1, "登录信息只能删除 (operation " + std::to_string(req.operation) + ")");
        return;
    }
    auto login = boost::dynamic_pointer_cast<ttservice::CLoginInfo>(req.data);
    if (!login) {
        error = utils::TTError(1, std::string("强制登出需要一条 ") +
                                      ttservice::CLoginInfo::staticClassName() + " 记录");
        return;
    }
    if (state.endLogin(*login) == 0)
        error = utils::TTError(1, "登录信息不存在或已登出");
}

// Requests are filed elsewhere; here a pending one is only decided, which replaces it in the store
// of the code's answers.
OperateHandler review()
{
    const OperateHandler store = recordStore(StoreTarget{kRiskApprovalCode, std::string(), std::string()});
    return [store](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        if (req.operation != ttservice::QDO_MODIFY)
            return refuse("审批申请只能修改 (operation " + std::to_string(req.operation) + ")");
        auto decided = boost::dynamic_pointer_cast<ttservice::CVornRiskApproval>(req.data);
        if (!decided)
            return refuse(std::string("审批需要一条 ") + ttservice::CVornRiskApproval::staticClassName() +
                          " 记录");
        if (decided->status != ttservice::QDRC_APPROVAL_PASSED &&
            decided->status != ttservice::QDRC_APPROVAL_REJECTED)
            return refuse("审批结果无效: " + std::to_string(decided->status));
        const SimState::Answer* current = state.find(kRiskApprovalCode, std::string(), std::string());
        if (current) {
            for (const ttservice::IDataPtr& record : current->records) {
                auto stored = boost::dynamic_pointer_cast<const ttservice::CVornRiskApproval>(record);
                if (stored && stored->approvalId == decided->approvalId &&
                    stored->status != ttservice::QDRC_APPROVAL_PENDING)
                    return refuse("审批申请已处理: " + decided->approvalId);
            }
        }
        store(state, req, error);
    };
}

} // namespace

const std::map<int, OperateHandler>& builtInOperateHandlers()
{
    using ttservice::CVornAccountInfo;
    using ttservice::CVornProductInfo;
    using ttservice::CVornUserInfo;
    static const std::map<int, OperateHandler> handlers{
        {kAccountCode,
         creation<CVornAccountInfo>(kAccountCode, "账户", accountKey, "账户编号",
                                    &CVornAccountInfo::accountName, "账户名称", checkAccount)},
        {kProductCode,
         productChange(creation<CVornProductInfo>(kProductCode, "产品", productKey,
                                                  "产品编号", &CVornProductInfo::productName, "产品名称",
                                                  checkProduct))},
        {kUserCode, creation<CVornUserInfo>(kUserCode, "用户", userKey, "用户名", nullptr,
                                            nullptr, checkUser)},
        {kLogoutCode, endLogin},
        {kRiskApprovalCode, review()},
        {kGlobalFutureRiskCode, globalRiskConfig(kGlobalFutureRiskCode)},
        {kGlobalStockRiskCode, globalRiskConfig(kGlobalStockRiskCode)},
        {kAccountRcSettingCode, rcSettingSave(kAccountRcSettingCode)},
        {kProductRcSettingCode, rcSettingSave(kProductRcSettingCode)},
        {kRcTemplateRelationCode, rcRelationChange(kRcTemplateRelationCode)},
        {kRcGroupRelationCode, rcRelationChange(kRcGroupRelationCode)},
    };
    return handlers;
}

OperateHandler recordStore(const StoreTarget& store)
{
    return [store](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const int operation = req.operation;
        if (operation != ttservice::QDO_ADD && operation != ttservice::QDO_MODIFY &&
            operation != ttservice::QDO_DELETE) {
            error =
                utils::TTError(1, "operation " + std::to_string(operation) + " is not add, modify or delete");
            return;
        }
        if (!req.data) {
            error = utils::TTError(1, "operation without a record");
            return;
        }
        const std::string key = req.data->getKey();
        const auto sameKey = [&key](const ttservice::IDataPtr& record) {
            return record && record->getKey() == key;
        };
        // Looked up before stored(), which would give these texts their own copy even on a refusal.
        const SimState::Answer* current = state.find(store.queryCode, store.param, store.param2);
        const bool exists = current && std::any_of(current->records.begin(), current->records.end(), sameKey);
        if (operation == ttservice::QDO_ADD && exists) {
            error = utils::TTError(1, "a record with key " + key + " exists");
            return;
        }
        if (operation != ttservice::QDO_ADD && !exists) {
            error = utils::TTError(1, "no record with key " + key);
            return;
        }
        Records& records = state.stored(store.queryCode, store.param, store.param2).records;
        const auto found = std::find_if(records.begin(), records.end(), sameKey);
        if (operation == ttservice::QDO_ADD)
            records.push_back(req.data->clone());
        else if (operation == ttservice::QDO_MODIFY)
            *found = req.data->clone();
        else
            records.erase(found);
    };
}

} // namespace sim
