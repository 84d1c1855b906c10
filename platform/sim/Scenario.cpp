#include "sim/Scenario.h"

#include "data/ttservice/CAccountAlgoRange.h"
#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornChannelStatus.h"
#include "data/ttservice/CVornExchangeInfo.h"
#include "data/ttservice/CVornAccountRcSetting.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornProductRcSetting.h"
#include "data/ttservice/CVornRcRelation.h"
#include "data/ttservice/CVornRcTemplateGroup.h"
#include "data/ttservice/CVornRiskApproval.h"
#include "data/ttservice/CVornSubManagerInfo.h"
#include "data/ttservice/CVornSysStatusInfo.h"
#include "data/ttservice/CVornTypedUserInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "data/ttservice/RecordFactory.h"
#include "sim/DataCodes.h"
#include "sim/ExchangeBoard.h"
#include "sim/GlobalRisk.h"
#include "sim/ListGenerator.h"
#include "sim/Population.h"
#include "sim/RiskControl.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace sim {

namespace {

const char* const kTimeFormat = "yyyy-MM-dd HH:mm:ss";

// Thrown with the place ("servers[1].answers.12235[3].cpuUsage") and what is wrong there.
struct ParseError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw ParseError((where.isEmpty() ? what : where + ": " + what).toStdString());
}

QString join(const QString& where, const QString& key)
{
    return where.isEmpty() ? key : where + "." + key;
}

QString typeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return "a boolean";
    case QJsonValue::Double:
        return "a number";
    case QJsonValue::String:
        return "a string";
    case QJsonValue::Array:
        return "a list";
    case QJsonValue::Object:
        return "an object";
    default:
        return "nothing";
    }
}

void checkKeys(const QJsonObject& object, const QString& where, const QStringList& allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            fail(where, QString("unknown field '%1'").arg(it.key()));
    }
}

QJsonObject asObject(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        fail(where, "expected an object, found " + typeName(value));
    return value.toObject();
}

QJsonArray asArray(const QJsonValue& value, const QString& where)
{
    if (!value.isArray())
        fail(where, "expected a list, found " + typeName(value));
    return value.toArray();
}

bool asBool(const QJsonValue& value, const QString& where)
{
    if (!value.isBool())
        fail(where, "expected true or false, found " + typeName(value));
    return value.toBool();
}

int asInt(const QJsonValue& value, const QString& where)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        fail(where, "expected a 32-bit integer, found " +
                        (value.isDouble() ? QString::number(number, 'g', 17) : typeName(value)));
    return static_cast<int>(number);
}

// Numbers, or the words "max" (the missing-figure marker), "nan", "inf" and "-inf", which
// JSON cannot write as numbers.
double asDouble(const QJsonValue& value, const QString& where)
{
    if (value.isDouble())
        return value.toDouble();
    const QString word = value.toString();
    if (word == "max")
        return std::numeric_limits<double>::max();
    if (word == "nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (word == "inf")
        return std::numeric_limits<double>::infinity();
    if (word == "-inf")
        return -std::numeric_limits<double>::infinity();
    fail(where, "expected a number (or \"max\", \"nan\", \"inf\", \"-inf\"), found " + typeName(value));
}

std::string asString(const QJsonValue& value, const QString& where)
{
    if (!value.isString())
        fail(where, "expected a string, found " + typeName(value));
    return value.toString().toStdString();
}

int asCode(const QString& key, const QString& where)
{
    bool ok = false;
    const int code = key.toInt(&ok);
    if (!ok)
        fail(where, QString("'%1' is not an integer code").arg(key));
    return code;
}

// The record class a data-type code answers with when the record names none.
std::string defaultClassFor(int dataType)
{
    switch (dataType) {
    case kSysStatusCode:
        return ttservice::CVornSysStatusInfo::staticClassName();
    case kStatisticsCode:
        return ttservice::CVornBaseInfoStatistics::staticClassName();
    case kExchangeCode:
        return ttservice::CVornExchangeInfo::staticClassName();
    case kSubManagerCode:
        return ttservice::CVornSubManagerInfo::staticClassName();
    case kAccountCode:
        return ttservice::CVornAccountInfo::staticClassName();
    case kProductCode:
        return ttservice::CVornProductInfo::staticClassName();
    case kUserCode:
        return ttservice::CVornUserInfo::staticClassName();
    case kTypedUserCode:
        return ttservice::CVornTypedUserInfo::staticClassName();
    case kAlgoRangeCode:
        return ttservice::CAccountAlgoRange::staticClassName();
    case kChannelStatusCode:
        return ttservice::CVornChannelStatus::staticClassName();
    case kRiskApprovalCode:
        return ttservice::CVornRiskApproval::staticClassName();
    case kGlobalFutureRiskCode:
    case kGlobalStockRiskCode:
        return globalRiskClassFor(dataType);
    case kAccountRcSettingCode:
        return ttservice::CVornAccountRcSetting::staticClassName();
    case kProductRcSettingCode:
        return ttservice::CVornProductRcSetting::staticClassName();
    case kRcTemplateCode:
        return ttservice::CVornRcTemplate::staticClassName();
    case kRcTemplateGroupCode:
        return ttservice::CVornRcTemplateGroup::staticClassName();
    case kRcTemplateRelationCode:
    case kRcGroupRelationCode:
        return ttservice::CVornRcRelation::staticClassName();
    default:
        return std::string();
    }
}

ttservice::IDataPtr parseRecordOf(const QJsonValue& value, const std::string& defaultClass,
                                  const QString& where);

void setField(ttservice::IData& record, const ttservice::CRecordField& field, const QJsonValue& value,
              const QString& where)
{
    switch (field.kind) {
    case ttservice::EFieldKind::Int:
        field.ref<int>(record) = asInt(value, where);
        break;
    case ttservice::EFieldKind::Double:
        field.ref<double>(record) = asDouble(value, where);
        break;
    case ttservice::EFieldKind::String:
        field.ref<std::string>(record) = asString(value, where);
        break;
    case ttservice::EFieldKind::Bool:
        field.ref<bool>(record) = asBool(value, where);
        break;
    }
}

// A record of class T (or null), where "$type" may name nothing else.
template <class T> boost::shared_ptr<T> parseTyped(const QJsonValue& value, const QString& where)
{
    const ttservice::IDataPtr record = parseRecordOf(value, T::staticClassName(), where);
    auto typed = boost::dynamic_pointer_cast<T>(record);
    if (record && !typed)
        fail(where, QString("expected a %1").arg(T::staticClassName()));
    return typed;
}

// {"permissions": {"TWAP": [1, 2], "POV": []}}, or null.
boost::shared_ptr<ttservice::CAlgoSetting> parseAlgoSetting(const QJsonValue& value, const QString& where)
{
    if (value.isNull())
        return boost::shared_ptr<ttservice::CAlgoSetting>();
    const QJsonObject object = asObject(value, where);
    checkKeys(object, where, {"permissions"});
    auto setting = boost::make_shared<ttservice::CAlgoSetting>();
    const QString place = join(where, "permissions");
    const QJsonObject codes = asObject(object.value("permissions"), place);
    for (auto it = codes.begin(); it != codes.end(); ++it) {
        const QString codePlace = join(place, it.key());
        std::set<int>& values = setting->permissions[it.key().toStdString()];
        const QJsonArray list = asArray(it.value(), codePlace);
        for (int i = 0; i < list.size(); ++i)
            values.insert(asInt(list.at(i), QString("%1[%2]").arg(codePlace).arg(i)));
    }
    return setting;
}

const ttservice::CRecordField* innerAccountField(const QString& key)
{
    for (const ttservice::CRecordField& field : ttservice::CAccountInfo::staticFieldTable()) {
        if (QLatin1String(field.name.c_str()) == key)
            return &field;
    }
    return nullptr;
}

// An account record has an inner account unless it says "account": null; the inner account is
// written either flat (accountId, accountType, excluded) or as "account", not both.
void finishAccount(ttservice::CVornAccountInfo& account, const QJsonObject& object, const QString& where)
{
    if (!object.contains("account")) {
        if (!account.account)
            account.account = boost::make_shared<ttservice::CAccountInfo>();
        return;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (innerAccountField(it.key()))
            fail(where, QString("'%1' and \"account\" both give the inner account").arg(it.key()));
    }
}

// The members of the records that are not table fields; false for any other key.
bool parseNested(ttservice::IData& record, const QString& key, const QJsonValue& value, const QString& where)
{
    if (auto* info = dynamic_cast<ttservice::CVornTypedUserInfo*>(&record)) {
        if (key != "users")
            return false;
        const QJsonArray list = asArray(value, where);
        for (int i = 0; i < list.size(); ++i)
            info->users.push_back(
                parseTyped<ttservice::CVornTypedUserItem>(list.at(i), QString("%1[%2]").arg(where).arg(i)));
        return true;
    }
    if (auto* account = dynamic_cast<ttservice::CVornAccountInfo*>(&record)) {
        if (key == "account") {
            account->account = parseTyped<ttservice::CAccountInfo>(value, where);
            return true;
        }
        // The inner account's fields stand flat in the record.
        if (const ttservice::CRecordField* field = innerAccountField(key)) {
            if (!account->account)
                account->account = boost::make_shared<ttservice::CAccountInfo>();
            setField(*account->account, *field, value, where);
            return true;
        }
        return false;
    }
    if (auto* range = dynamic_cast<ttservice::CAccountAlgoRange*>(&record)) {
        if (key == "account") {
            range->account = parseTyped<ttservice::CVornAccountInfo>(value, where);
            return true;
        }
        if (key == "settings") {
            const QJsonArray list = asArray(value, where);
            for (int i = 0; i < list.size(); ++i)
                range->settings.push_back(parseAlgoSetting(list.at(i), QString("%1[%2]").arg(where).arg(i)));
            return true;
        }
    }
    return false;
}

ttservice::IDataPtr parseRecordOf(const QJsonValue& value, const std::string& defaultClass,
                                  const QString& where)
{
    if (value.isNull())
        return ttservice::IDataPtr();
    const QJsonObject object = asObject(value, where);
    std::string className = defaultClass;
    if (object.contains("$type"))
        className = asString(object.value("$type"), join(where, "$type"));
    if (className == "null")
        return ttservice::IDataPtr();
    if (className.empty())
        fail(where, "no default record class here; name one with \"$type\"");
    ttservice::IDataPtr record = ttservice::createRecord(className);
    if (!record)
        fail(join(where, "$type"),
             QString("unknown record class '%1'").arg(QString::fromStdString(className)));
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QString place = join(where, key);
        if (key == "$type")
            continue;
        if (key == "systemTag") {
            record->setSystemTag(asInt(it.value(), place));
            continue;
        }
        const ttservice::CRecordField* field = record->findField(key.toStdString());
        if (!field) {
            if (parseNested(*record, key, it.value(), place))
                continue;
            fail(where, QString("unknown field '%1' of %2").arg(key, QString::fromStdString(className)));
        }
        setField(*record, *field, it.value(), place);
    }
    if (auto* account = dynamic_cast<ttservice::CVornAccountInfo*>(record.get()))
        finishAccount(*account, object, where);
    return record;
}

ttservice::IDataPtr parseRecord(const QJsonValue& value, int dataType, const QString& where)
{
    const std::string className = defaultClassFor(dataType);
    if (className.empty() && value.isObject() && !value.toObject().contains("$type"))
        fail(where,
             QString("data type %1 has no default record class; name one with \"$type\"").arg(dataType));
    return parseRecordOf(value, className, where);
}

// Reads an optional key into field with the given reader; an absent key leaves field as it is.
template <class T, class Reader>
void readOptional(const QJsonObject& object, const char* key, const QString& where, T& field, Reader read)
{
    if (object.contains(QLatin1String(key)))
        field = read(object.value(QLatin1String(key)), join(where, QLatin1String(key)));
}

ClientSpec parseClient(const QJsonObject& object, const QString& where)
{
    checkKeys(object, where, {"algorithmBus", "loginTypeAuth", "bjBelongStock"});
    ClientSpec client;
    readOptional(object, "algorithmBus", where, client.algorithmBus, asBool);
    readOptional(object, "loginTypeAuth", where, client.loginTypeAuth, asBool);
    readOptional(object, "bjBelongStock", where, client.bjBelongStock, asBool);
    return client;
}

using RightSets = std::map<QString, std::set<int>>;

RightSets parseRightSets(const QJsonObject& object, const QString& where)
{
    RightSets sets;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString place = join(where, it.key());
        if (it.key() == "all")
            fail(place, "\"all\" means every right and cannot name a set");
        const QJsonArray list = asArray(it.value(), place);
        for (int i = 0; i < list.size(); ++i)
            sets[it.key()].insert(asInt(list.at(i), QString("%1[%2]").arg(place).arg(i)));
    }
    return sets;
}

const std::set<int>& rightSet(const RightSets& sets, const QString& name, const QString& where)
{
    auto it = sets.find(name);
    if (it == sets.end())
        fail(where, QString("unknown right set '%1'").arg(name));
    return it->second;
}

UserSetup parseUser(const QJsonObject& object, const QString& where, const RightSets& rightSets)
{
    checkKeys(object, where, {"name", "type", "roleType", "admin", "subManagerId", "macs", "rights"});
    UserSetup user;
    readOptional(object, "name", where, user.name, asString);
    readOptional(object, "type", where, user.type, asInt);
    readOptional(object, "roleType", where, user.roleType, asInt);
    readOptional(object, "admin", where, user.admin, asBool);
    readOptional(object, "subManagerId", where, user.subManagerId, asInt);
    readOptional(object, "macs", where, user.macs, asString);
    if (object.contains("rights")) {
        const QJsonValue rights = object.value("rights");
        const QString place = join(where, "rights");
        if (rights.toString() == "all") {
            user.allRights = true;
        } else if (rights.isString()) {
            user.rights = rightSet(rightSets, rights.toString(), place);
        } else {
            const QJsonArray list = asArray(rights, place);
            for (int i = 0; i < list.size(); ++i) {
                const QString itemPlace = QString("%1[%2]").arg(place).arg(i);
                if (list.at(i).isString()) {
                    const std::set<int>& named = rightSet(rightSets, list.at(i).toString(), itemPlace);
                    user.rights.insert(named.begin(), named.end());
                } else {
                    user.rights.insert(asInt(list.at(i), itemPlace));
                }
            }
        }
    }
    return user;
}

Records parseRecords(const QJsonValue& value, int dataType, const QString& where)
{
    const QJsonArray list = asArray(value, where);
    Records records;
    for (int i = 0; i < list.size(); ++i)
        records.push_back(parseRecord(list.at(i), dataType, QString("%1[%2]").arg(where).arg(i)));
    return records;
}

// Either the value for every param, or {"default": value, "byParam": [{"param": ..., "param2": ...,
// valueKey: value}]}; the plain values (lists, texts) are never objects, so the forms cannot be mixed up.
template <class T, class Reader>
ParamMap<T> parseParamMap(const QJsonValue& value, const QString& where, const char* valueKey, Reader read)
{
    ParamMap<T> map;
    if (!value.isObject()) {
        map.fallback = read(value, where);
        return map;
    }
    const QJsonObject object = value.toObject();
    checkKeys(object, where, {"default", "byParam"});
    if (object.contains("default"))
        map.fallback = read(object.value("default"), join(where, "default"));
    const QString listPlace = join(where, "byParam");
    const QJsonArray list =
        object.contains("byParam") ? asArray(object.value("byParam"), listPlace) : QJsonArray();
    for (int i = 0; i < list.size(); ++i) {
        const QString place = QString("%1[%2]").arg(listPlace).arg(i);
        const QJsonObject entry = asObject(list.at(i), place);
        checkKeys(entry, place, {"param", "param2", valueKey});
        const std::string param = asString(entry.value("param"), join(place, "param"));
        std::string param2;
        readOptional(entry, "param2", place, param2, asString);
        if (map.entries.count({param, param2}))
            fail(place, QString("a second entry for param '%1' and param2 '%2'")
                            .arg(QString::fromStdString(param), QString::fromStdString(param2)));
        map.entries[{param, param2}] = read(entry.value(valueKey), join(place, valueKey));
    }
    return map;
}

StoreTarget parseStore(const QJsonObject& object, const QString& where)
{
    checkKeys(object, where, {"store", "param", "param2"});
    StoreTarget store;
    store.queryCode = asInt(object.value("store"), join(where, "store"));
    readOptional(object, "param", where, store.param, asString);
    readOptional(object, "param2", where, store.param2, asString);
    return store;
}

int asCount(const QJsonValue& value, const QString& where)
{
    const int count = asInt(value, where);
    if (count < 0)
        fail(where, "must not be negative");
    return count;
}

// [{"kind": 1, "userName": ..., every other CVornTypedUserItem field}]
void parseLogins(const QJsonValue& value, const QString& where, ServerSetup& server)
{
    const QJsonArray list = asArray(value, where);
    LoginLists& lists = editLogins(server);
    for (int i = 0; i < list.size(); ++i) {
        const QString place = QString("%1[%2]").arg(where).arg(i);
        QJsonObject object = asObject(list.at(i), place);
        const int kind = asInt(object.value("kind"), join(place, "kind"));
        if (kind < 1 || kind > kLoginKinds)
            fail(join(place, "kind"), QString("%1 is not a user kind 1 to %2").arg(kind).arg(kLoginKinds));
        object.remove("kind");
        lists[kind].push_back(parseTyped<ttservice::CVornTypedUserItem>(object, place));
    }
}

void parseAlgoRanges(const QJsonValue& value, const QString& where, ServerSetup& server)
{
    const QJsonArray list = asArray(value, where);
    AlgoRanges& ranges = editAlgoRanges(server);
    for (int i = 0; i < list.size(); ++i)
        ranges.push_back(
            parseTyped<ttservice::CAccountAlgoRange>(list.at(i), QString("%1[%2]").arg(where).arg(i)));
}

// [{"$type": "CGlobalStockRCConfig", "tradeType": 1, ...}], each filed by its trade type.
void parseGlobalRisk(const QJsonValue& value, const QString& where, ServerSetup& server)
{
    const QJsonArray list = asArray(value, where);
    for (int i = 0; i < list.size(); ++i) {
        const QString place = QString("%1[%2]").arg(where).arg(i);
        const ttservice::IDataPtr record = parseRecordOf(list.at(i), std::string(), place);
        try {
            addGlobalRisk(server, Records{record});
        } catch (const std::invalid_argument& e) {
            fail(place, QString::fromStdString(e.what()));
        }
    }
}

// [{"$type": "CVornRcTemplate", "templateId": 1, ...}, {"$type": "CVornRcRelation", ...}], each
// filed by its class.
void parseRiskControl(const QJsonValue& value, const QString& where, ServerSetup& server)
{
    const QJsonArray list = asArray(value, where);
    for (int i = 0; i < list.size(); ++i) {
        const QString place = QString("%1[%2]").arg(where).arg(i);
        const ttservice::IDataPtr record = parseRecordOf(list.at(i), std::string(), place);
        try {
            addRiskControl(server, Records{record});
        } catch (const std::invalid_argument& e) {
            fail(place, QString::fromStdString(e.what()));
        }
    }
}

GenerateOptions parseGenerate(const QJsonObject& object, const QString& where)
{
    checkKeys(object, where, {"logins", "algoAccounts", "seed"});
    GenerateOptions options;
    readOptional(object, "logins", where, options.logins, asCount);
    readOptional(object, "algoAccounts", where, options.algoAccounts, asCount);
    int seed = 1;
    readOptional(object, "seed", where, seed, asInt);
    options.seed = static_cast<unsigned int>(seed);
    return options;
}

PopulationOptions parsePopulation(const QJsonObject& object, const QString& where)
{
    checkKeys(object, where, {"accounts", "products", "users", "seed", "managers"});
    PopulationOptions options;
    readOptional(object, "accounts", where, options.accounts, asCount);
    readOptional(object, "products", where, options.products, asCount);
    readOptional(object, "users", where, options.users, asCount);
    int seed = 1;
    readOptional(object, "seed", where, seed, asInt);
    options.seed = static_cast<unsigned int>(seed);
    if (object.contains("managers")) {
        const QString place = join(where, "managers");
        const QJsonArray list = asArray(object.value("managers"), place);
        for (int i = 0; i < list.size(); ++i)
            options.managers.push_back(asInt(list.at(i), QString("%1[%2]").arg(place).arg(i)));
    }
    return options;
}

std::string asMarket(const QJsonValue& value, const QString& where)
{
    const std::string code = asString(value, where);
    for (const auto* list : {&ExchangeBoard::domesticCodes(), &ExchangeBoard::overseasCodes()}) {
        if (std::find(list->begin(), list->end(), code) != list->end())
            return code;
    }
    fail(where, QString("unknown exchange '%1'").arg(QString::fromStdString(code)));
}

std::set<std::string> parseMarkets(const QJsonValue& value, const QString& where)
{
    std::set<std::string> codes;
    const QJsonArray list = asArray(value, where);
    for (int i = 0; i < list.size(); ++i)
        codes.insert(asMarket(list.at(i), QString("%1[%2]").arg(where).arg(i)));
    return codes;
}

// "generate", or {"generate": true, "tradeDayAhead": [codes], "tradeDayBehind": [codes],
// "lagSeconds": {code: seconds}}.
ExchangeOptions parseExchanges(const QJsonValue& value, const QString& where)
{
    ExchangeOptions options;
    if (value.isString()) {
        if (value.toString() != "generate")
            fail(where, QString("'%1' is not \"generate\" or an object").arg(value.toString()));
        options.generate = true;
        return options;
    }
    const QJsonObject object = asObject(value, where);
    checkKeys(object, where, {"generate", "tradeDayAhead", "tradeDayBehind", "lagSeconds"});
    options.generate = true;
    readOptional(object, "generate", where, options.generate, asBool);
    readOptional(object, "tradeDayAhead", where, options.tradeDayAhead, parseMarkets);
    readOptional(object, "tradeDayBehind", where, options.tradeDayBehind, parseMarkets);
    if (object.contains("lagSeconds")) {
        const QString place = join(where, "lagSeconds");
        const QJsonObject lags = asObject(object.value("lagSeconds"), place);
        for (auto it = lags.begin(); it != lags.end(); ++it)
            options.lagSeconds[asMarket(it.key(), place)] = asCount(it.value(), join(place, it.key()));
    }
    return options;
}

ServerSetup parseServer(const QJsonObject& object, const QString& where, const QDateTime& now,
                        const UserSetup& user)
{
    checkKeys(object, where,
              {"name", "systemTag", "serverTime", "latencyMs", "answers", "errors", "operations",
               "nullClient", "population", "exchanges", "logins", "algoRanges", "generate", "userLogin",
               "globalRisk", "riskControl"});
    const QDate today = now.date();
    ServerSetup server;
    server.name = asString(object.value("name"), join(where, "name"));
    readOptional(object, "systemTag", where, server.systemTag, asInt);
    if (object.contains("serverTime")) {
        const QJsonValue time = object.value("serverTime");
        const QString place = join(where, "serverTime");
        if (time.isNull()) {
            server.timeKind = ServerSetup::NoTime;
        } else if (asString(time, place) == "local") {
            server.timeKind = ServerSetup::LocalTime;
        } else {
            server.timeKind = ServerSetup::FixedTime;
            server.fixedTime = QDateTime::fromString(time.toString(), kTimeFormat);
            if (!server.fixedTime.isValid())
                fail(place, QString("'%1' is not \"local\", null or a time like \"2024-06-03 09:30:00\"")
                                .arg(time.toString()));
        }
    }
    if (object.contains("latencyMs")) {
        server.latencyMs = asInt(object.value("latencyMs"), join(where, "latencyMs"));
        if (server.latencyMs < 0)
            fail(join(where, "latencyMs"), "must not be negative");
    }
    readOptional(object, "nullClient", where, server.nullClient, asBool);
    if (object.contains("answers")) {
        const QString place = join(where, "answers");
        const QJsonObject answers = asObject(object.value("answers"), place);
        for (auto it = answers.begin(); it != answers.end(); ++it) {
            const int code = asCode(it.key(), place);
            server.answers[code] = parseParamMap<Records>(
                it.value(), join(place, it.key()), "records",
                [code](const QJsonValue& value, const QString& at) { return parseRecords(value, code, at); });
        }
    }
    if (object.contains("errors")) {
        const QString place = join(where, "errors");
        const QJsonObject errors = asObject(object.value("errors"), place);
        for (auto it = errors.begin(); it != errors.end(); ++it)
            server.errors[asCode(it.key(), place)] =
                parseParamMap<std::string>(it.value(), join(place, it.key()), "text", asString);
    }
    if (object.contains("operations")) {
        const QString place = join(where, "operations");
        const QJsonObject operations = asObject(object.value("operations"), place);
        for (auto it = operations.begin(); it != operations.end(); ++it) {
            const QString entryPlace = join(place, it.key());
            server.operations[asCode(it.key(), place)] =
                parseStore(asObject(it.value(), entryPlace), entryPlace);
        }
    }
    if (object.contains("globalRisk"))
        parseGlobalRisk(object.value("globalRisk"), join(where, "globalRisk"), server);
    if (object.contains("riskControl"))
        parseRiskControl(object.value("riskControl"), join(where, "riskControl"), server);
    if (object.contains("population")) {
        const QString place = join(where, "population");
        addPopulation(server, parsePopulation(asObject(object.value("population"), place), place), today);
    }
    readOptional(object, "exchanges", where, server.exchanges, parseExchanges);
    // Scripted entries come first, and generated ranges draw on the population made above.
    if (object.contains("logins"))
        parseLogins(object.value("logins"), join(where, "logins"), server);
    if (object.contains("algoRanges"))
        parseAlgoRanges(object.value("algoRanges"), join(where, "algoRanges"), server);
    if (object.contains("generate")) {
        const QString place = join(where, "generate");
        addGeneratedLists(server, parseGenerate(asObject(object.value("generate"), place), place), now);
    }
    bool userLogin = true;
    readOptional(object, "userLogin", where, userLogin, asBool);
    if (server.logins && user.present && userLogin)
        addUserLogin(server, user, now);
    return server;
}

Scenario parseScenario(const QJsonObject& root)
{
    checkKeys(root, QString(),
              {"client", "user", "rightSets", "roleTypes", "servers", "now", "live", "clockRuns"});
    Scenario scenario;
    if (root.contains("client"))
        scenario.client = parseClient(asObject(root.value("client"), "client"), "client");
    RightSets rightSets;
    if (root.contains("rightSets"))
        rightSets = parseRightSets(asObject(root.value("rightSets"), "rightSets"), "rightSets");
    if (root.contains("user") && !root.value("user").isNull())
        scenario.user = parseUser(asObject(root.value("user"), "user"), "user", rightSets);
    else
        scenario.user.present = false;
    if (root.contains("roleTypes")) {
        const QJsonObject roles = asObject(root.value("roleTypes"), "roleTypes");
        for (auto it = roles.begin(); it != roles.end(); ++it)
            scenario.roleTypes[asCode(it.key(), "roleTypes")] =
                asInt(it.value(), join("roleTypes", it.key()));
    }
    if (root.contains("now") && !root.value("now").isNull()) {
        const std::string text = asString(root.value("now"), "now");
        scenario.now = QDateTime::fromString(QString::fromStdString(text), kTimeFormat);
        if (!scenario.now.isValid())
            fail(
                "now",
                QString("'%1' is not a time like \"2024-06-03 09:30:00\"").arg(QString::fromStdString(text)));
    }
    // A generated population is created up to the scenario's day, generated logins up to its time.
    const QDateTime now = scenario.now.isValid() ? scenario.now : QDateTime::currentDateTime();
    if (root.contains("servers")) {
        const QJsonArray servers = asArray(root.value("servers"), "servers");
        for (int i = 0; i < servers.size(); ++i) {
            const QString place = QString("servers[%1]").arg(i);
            scenario.servers.push_back(
                parseServer(asObject(servers.at(i), place), place, now, scenario.user));
        }
    }
    readOptional(root, "live", QString(), scenario.live, asBool);
    readOptional(root, "clockRuns", QString(), scenario.clockRuns, asBool);
    return scenario;
}

} // namespace

Scenario Scenario::fromJson(const QByteArray& json, QString* error)
{
    if (error)
        error->clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = json.left(parseError.offset).count('\n') + 1;
        if (error)
            *error = QString("line %1 (offset %2): %3")
                         .arg(line)
                         .arg(parseError.offset)
                         .arg(parseError.errorString());
        return Scenario();
    }
    if (!document.isObject()) {
        if (error)
            *error = "the scenario must be a JSON object";
        return Scenario();
    }
    try {
        return parseScenario(document.object());
    } catch (const ParseError& e) {
        if (error)
            *error = QString::fromStdString(e.what());
        return Scenario();
    }
}

Scenario Scenario::fromJsonFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QString("%1: cannot open (%2)").arg(path, file.errorString());
        return Scenario();
    }
    Scenario scenario = fromJson(file.readAll(), error);
    if (error && !error->isEmpty())
        *error = path + ": " + *error;
    return scenario;
}

namespace {

template <class T> T& ownCopy(std::shared_ptr<const T>& shared)
{
    if (!shared || shared.use_count() > 1)
        shared = std::make_shared<T>(shared ? *shared : T());
    // Made just above, or by an earlier call and held by this server alone, and not const.
    return const_cast<T&>(*shared);
}

} // namespace

LoginLists& editLogins(ServerSetup& server)
{
    return ownCopy(server.logins);
}

AlgoRanges& editAlgoRanges(ServerSetup& server)
{
    return ownCopy(server.algoRanges);
}

boost::shared_ptr<ttservice::CVornSysStatusInfo> statusRecord(int statusType)
{
    auto record = boost::make_shared<ttservice::CVornSysStatusInfo>();
    record->statusType = statusType;
    record->running = 1;
    return record;
}

} // namespace sim
