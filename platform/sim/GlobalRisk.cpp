#include "sim/GlobalRisk.h"

#include "data/Clock.h"
#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "data/ttservice/COperateDataReq.h"
#include "sim/DataCodes.h"
#include "sim/SimState.h"

#include <QString>

#include <algorithm>
#include <stdexcept>

namespace sim {

namespace {

const char* const kKeyPrefix = "rat|";
const char* const kTimeFormat = "yyyy-MM-dd HH:mm:ss";

// The trade type the key names, or 0 when it names none.
int tradeTypeOfKey(const std::string& key)
{
    const QString text = QString::fromStdString(key);
    if (!text.startsWith(QLatin1String(kKeyPrefix)))
        return 0;
    bool ok = false;
    const int tradeType = text.mid(static_cast<int>(std::char_traits<char>::length(kKeyPrefix))).toInt(&ok);
    return ok ? tradeType : 0;
}

// Sets the trade type and the update time of a config record of either class.
template <class T> bool stamp(const ttservice::IDataPtr& record, int tradeType)
{
    auto config = boost::dynamic_pointer_cast<T>(record);
    if (!config)
        return false;
    config->tradeType = tradeType;
    config->updateTime = utils::currentDateTime().toString(kTimeFormat).toStdString();
    return true;
}

} // namespace

const std::vector<int>& globalRiskTradeTypes()
{
    static const std::vector<int> types{2, 1, 256, 128, 16384, 32, 1024};
    return types;
}

int globalRiskCodeFor(int tradeType)
{
    const auto& types = globalRiskTradeTypes();
    if (std::find(types.begin(), types.end(), tradeType) == types.end())
        return 0;
    return tradeType == 2 || tradeType == 1024 ? kGlobalFutureRiskCode : kGlobalStockRiskCode;
}

std::string globalRiskClassFor(int dataType)
{
    if (dataType == kGlobalFutureRiskCode)
        return ttservice::CGlobalFutureRCConfig::staticClassName();
    if (dataType == kGlobalStockRiskCode)
        return ttservice::CGlobalStockRCConfig::staticClassName();
    return std::string();
}

void addGlobalRisk(ServerSetup& server, const Records& records)
{
    for (const ttservice::IDataPtr& record : records) {
        int tradeType = 0;
        if (auto future = boost::dynamic_pointer_cast<const ttservice::CGlobalFutureRCConfig>(record))
            tradeType = future->tradeType;
        else if (auto stock = boost::dynamic_pointer_cast<const ttservice::CGlobalStockRCConfig>(record))
            tradeType = stock->tradeType;
        else
            throw std::invalid_argument("expected a CGlobalFutureRCConfig or CGlobalStockRCConfig");
        const int code = globalRiskCodeFor(tradeType);
        if (code == 0)
            throw std::invalid_argument("trade type " + std::to_string(tradeType) + " has no global config");
        server.answers[code].entries[{std::to_string(tradeType), std::string()}].push_back(record);
    }
}

OperateHandler globalRiskConfig(int dataType)
{
    return [dataType](SimState& state, const ttservice::COperateDataReq& req, utils::TTError& error) {
        const auto refuse = [&error](const std::string& text) { error = utils::TTError(1, text); };
        if (req.operation != ttservice::QDO_QUERY)
            return refuse("全局风控配置只能整体替换 (operation " + std::to_string(req.operation) + ")");
        const int tradeType = tradeTypeOfKey(req.key);
        if (tradeType == 0 || globalRiskCodeFor(tradeType) != dataType)
            return refuse("全局风控配置的键无效: " + (req.key.empty() ? std::string("(空)") : req.key));
        const std::string className = globalRiskClassFor(dataType);
        if (!req.data || className != req.data->className())
            return refuse("全局风控配置需要一条 " + className + " 记录");
        ttservice::IDataPtr stored = req.data->clone();
        if (!stamp<ttservice::CGlobalFutureRCConfig>(stored, tradeType))
            stamp<ttservice::CGlobalStockRCConfig>(stored, tradeType);
        state.stored(dataType, std::to_string(tradeType), std::string()).records = Records{stored};
    };
}

} // namespace sim
