#include "sim/ListGenerator.h"

#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/TypeManager.h"
#include "sim/DataCodes.h"

#include <QStringList>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace sim {

namespace {

// A million logins are drawn here, so draws avoid the standard distributions' overhead.
class Draw
{
public:
    explicit Draw(unsigned int seed) : m_rng(seed) {}

    // 0 .. n-1
    int below(int n) { return static_cast<int>((static_cast<std::uint64_t>(m_rng()) * n) >> 32); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int perMille) { return below(1000) < perMille; }

    template <class T, std::size_t N> const T& pick(const T (&items)[N]) { return items[below(int(N))]; }

    // An index drawn with the given weights.
    template <std::size_t N> int weighted(const std::array<int, N>& weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = below(total);
        for (std::size_t i = 0; i < N; ++i) {
            if (r < weights[i])
                return int(i);
            r -= weights[i];
        }
        return int(N) - 1;
    }

private:
    std::mt19937 m_rng;
};

struct Organisation
{
    int id;
    const char* name;
};

// Names stay within the 15 bytes of the small-string buffer but for one long name.
const Organisation kOrganisations[] = {
    {1, "东岳证券"},  {2, "南溪资管"},  {3, "恒远期货"},  {4, "北辰基金"},  {5, "嘉禾私募"},
    {6, "远山投资"},  {7, "金川资产"},  {8, "明德资本"},  {9, "天衡基金"},  {10, "瑞丰期货"},
    {11, "海澜投资"}, {12, "青松资管"}, {13, "星辰量化"}, {14, "磐石投资"},
};
const Organisation kLongOrganisation{15, "中原汇通证券资产管理部量化投资组"};

struct UserKindOfType
{
    int type;
    const char* text;
    int weight;
    bool administrator;
};

// 99 and 0 are types the client has no name for; the server's text is all there is.
const UserKindOfType kUserTypes[] = {
    {13, "交易员", 480, false},  {16, "独立交易员", 120, false}, {12, "风控员", 80, false},
    {14, "平仓员", 30, false},   {15, "下单员", 30, false},      {20, "投资顾问", 20, false},
    {21, "独立投顾", 10, false}, {11, "子管理员", 60, true},     {10, "管理员", 40, true},
    {1, "超级管理员", 8, true},  {80, "运维管理员", 8, true},    {99, "自定义角色", 10, false},
    {0, "", 4, false},
};

const char* const kPinyin[] = {"zhang", "wang", "li", "zhao", "chen", "liu", "yang", "huang", "zhou", "wu",
                               "xu",    "sun",  "hu", "zhu",  "gao",  "lin", "he",   "guo",   "ma",   "luo"};

// Terminal of each kind (EServiceClientID); now and then a terminal the client does not know.
const int kTerminalOfKind[] = {0, 1, 3, 4, 5, 6};
const int kUnknownTerminals[] = {0, 7, 9, 17};

const char* const kDesktopVersions[] = {"V6.2.3.1208", "V6.2.1.1021", "V6.1.8.0730", "V5.9.12.0316"};
const char* const kVersionOfKind[] = {"", "", "API-3.1.0", "TP-2.0.5", "SIG-1.4.2", "M-4.1.0"};

const char kHex[] = "0123456789ABCDEF";

std::string hexMac(Draw& draw)
{
    char text[17];
    for (int i = 0; i < 6; ++i) {
        const int byte = i == 0 ? draw.below(64) * 4 : draw.below(256);
        text[i * 3] = kHex[byte >> 4];
        text[i * 3 + 1] = kHex[byte & 15];
        if (i < 5)
            text[i * 3 + 2] = ':';
    }
    return std::string(text, 17);
}

std::string address(Draw& draw, int kind)
{
    char text[16];
    int length;
    if (kind == 2 || kind == 3) // API and proxies run on servers
        length = std::snprintf(text, sizeof text, "10.8.%d.%d", draw.below(32), draw.between(2, 254));
    else if (draw.chance(700))
        length = std::snprintf(text, sizeof text, "192.168.%d.%d", draw.below(16), draw.between(2, 254));
    else
        length = std::snprintf(text, sizeof text, "172.16.%d.%d", draw.below(64), draw.between(2, 254));
    return std::string(text, length);
}

std::string diskSerial(Draw& draw)
{
    static const char* const kPrefixes[] = {"WD-WX", "S3Z9NB0K", "ZA4", "Y8K2"};
    std::string serial = draw.pick(kPrefixes);
    while (serial.size() < 14)
        serial += kHex[draw.below(draw.chance(500) ? 10 : 16)];
    return serial;
}

// The machine a user logs in from.
struct Machine
{
    std::string address;
    std::string mac;
    std::string disk;
};

class LoginMaker
{
public:
    LoginMaker(const GenerateOptions& options, const QDateTime& now)
        : m_draw(options.seed * 2654435761u + 1), m_nowSecs(now.time().msecsSinceStartOfDay() / 1000)
    {
        // Logins reach back three days before now's day; times count seconds from that midnight.
        for (int day = 0; day <= kDaysBack; ++day)
            m_days[day] = now.date().addDays(day - kDaysBack).toString("yyyy-MM-dd").toStdString();
        m_latest = kDaysBack * 86400 + m_nowSecs;
        // Most logins are from this morning, after 07:00 (or the last hour when it is earlier).
        m_morning = std::max(3600, m_nowSecs - 7 * 3600);
    }

    void make(int count, LoginLists& lists)
    {
        for (int made = 0, user = 0; made < count; ++user) {
            const UserKindOfType& type = kUserTypes[m_draw.weighted(m_typeWeights)];
            const int logins = std::min(count - made, 1 + m_draw.weighted(std::array<int, 4>{60, 25, 10, 5}));
            std::string name = type.administrator ? "mgr" : m_draw.pick(kPinyin);
            name += std::to_string(100000 + user);
            const Organisation organisation = this->organisation();
            const Machine home = machine(1);
            // Backwards from the latest by at most an hour a login, so the user's login times differ
            // and stay within the days kept.
            int at =
                m_latest - (m_draw.chance(800) ? m_draw.below(m_morning) : m_draw.below(m_latest - 4 * 3600));
            for (int i = 0; i < logins; ++i, ++made) {
                auto item = boost::make_shared<ttservice::CVornTypedUserItem>();
                const int kind =
                    type.administrator ? (m_draw.chance(900) ? 1 : 5) : 1 + m_draw.weighted(m_kindWeights);
                item->userName = name;
                item->userType = type.type;
                item->userTypeText = type.text;
                item->organizationId = organisation.id;
                item->organizationName = organisation.name;
                item->terminalTypeId =
                    m_draw.chance(5) ? m_draw.pick(kUnknownTerminals) : kTerminalOfKind[kind];
                const Machine there = i == 0 || (kind == 1 && m_draw.chance(600)) ? home : machine(kind);
                item->address = there.address;
                item->mac = m_draw.chance(10) ? std::string() : there.mac;
                item->diskSerial = kind == 5 ? std::string() : there.disk;
                item->loginTime = timeText(at);
                item->clientVersion = kind == 1 ? m_draw.pick(kDesktopVersions) : kVersionOfKind[kind];
                if (kind == 2) {
                    item->apiModeCount = m_draw.between(1, 16);
                    item->fileModeCount = m_draw.below(4);
                } else if (kind == 3) {
                    item->fileModeCount = m_draw.below(9);
                    item->apiModeCount = m_draw.below(3);
                } else if (kind == 4) { // signal orders come mostly as files, convenient trading by API
                    item->fileModeCount = m_draw.between(1, 12);
                    item->apiModeCount = m_draw.below(5);
                }
                lists[kind].push_back(std::move(item));
                at -= m_draw.between(1, 3600);
            }
        }
    }

private:
    static constexpr int kDaysBack = 3;

    Organisation organisation()
    {
        const int r = m_draw.below(1000);
        if (r < 40)
            return {-1, ""};
        if (r < 60)
            return {2147483647, ""};
        if (r < 65)
            return kLongOrganisation;
        return m_draw.pick(kOrganisations);
    }

    Machine machine(int kind)
    {
        Machine m;
        m.address = address(m_draw, kind);
        m.mac = kind == 5 && m_draw.chance(300) ? "02:00:00:00:00:00" : hexMac(m_draw);
        m.disk = diskSerial(m_draw);
        return m;
    }

    std::string timeText(int secs)
    {
        const int day = std::min(kDaysBack, secs / 86400);
        const int inDay = secs - day * 86400;
        char text[20];
        std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", m_days[day].c_str(), inDay / 3600,
                      inDay / 60 % 60, inDay % 60);
        return std::string(text, 19);
    }

    Draw m_draw;
    int m_nowSecs;
    std::array<std::string, kDaysBack + 1> m_days;
    int m_latest = 0;
    int m_morning = 3600;
    // Desktop, API, proxy, signal order, mobile.
    const std::array<int, 5> m_kindWeights{55, 14, 9, 8, 14};
    const std::array<int, std::size(kUserTypes)> m_typeWeights = [] {
        std::array<int, std::size(kUserTypes)> weights{};
        for (std::size_t i = 0; i < weights.size(); ++i)
            weights[i] = kUserTypes[i].weight;
        return weights;
    }();
};

const char* const kAlgoCodes[] = {"TWAP",   "VWAP", "VWAPPLUS", "IS",    "ICEBERG", "VP",  "PINLINE",
                                  "SWITCH", "MSO",  "DMA",      "FLOAT", "GRID",    "MOO", "MOC"};
// Codes the platform grants that the client's list does not have.
const char* const kOtherCodes[] = {"POV", "SNIPER", "CLOSE_AUCTION", "TWAP2"};

const char* const kSecuritiesCompanies[] = {"东岳证券", "南溪证券", "北辰证券", "西岭证券", "海澜证券",
                                            "长河证券", "华景证券", "青松证券", "远山证券", "金川证券"};
const char* const kFuturesCompanies[] = {"恒远期货", "金桥期货", "瑞丰期货", "广益期货", "宏图期货"};
const char* const kSurnames[] = {"张", "王", "李", "赵", "陈", "刘", "杨", "黄", "周", "吴"};
const char* const kGiven[] = {"伟", "芳", "敏", "静", "强", "磊", "洋", "杰", "涛", "明", "超", "晓东"};

class RangeMaker
{
public:
    RangeMaker(const GenerateOptions& options, const QDateTime& now)
        : m_draw(options.seed * 40503u + 7), m_day(now.date())
    {
        // Accounts share a few dozen settings, as the platform's templates do.
        for (int i = 0; i < 48; ++i)
            m_settings.push_back(setting(i));
    }

    void make(int count, const Records& population, AlgoRanges& ranges)
    {
        int made = 0;
        for (const ttservice::IDataPtr& record : population) {
            auto account = boost::dynamic_pointer_cast<ttservice::CVornAccountInfo>(record);
            if (made == count)
                return;
            if (account && account->algoPermission != 0) {
                ranges.push_back(range(account));
                ++made;
            }
        }
        for (int i = 0; made < count; ++i, ++made)
            ranges.push_back(range(inventedAccount(i)));
    }

private:
    boost::shared_ptr<ttservice::CAlgoSetting> setting(int index)
    {
        auto made = boost::make_shared<ttservice::CAlgoSetting>();
        // The first template grants the whole list, the second has nothing but unknown codes.
        if (index == 0) {
            for (const char* code : kAlgoCodes)
                made->permissions[code] = {1, 2, 3};
            return made;
        }
        if (index == 1) {
            made->permissions[kOtherCodes[0]] = {1};
            made->permissions[kOtherCodes[1]] = {};
            return made;
        }
        const int codes = m_draw.between(1, 6);
        for (int c = 0; c < codes; ++c) {
            std::set<int>& values = made->permissions[m_draw.pick(kAlgoCodes)];
            if (m_draw.chance(80))
                continue; // granted with an empty set
            for (int v = 1; v <= 6; ++v) {
                if (m_draw.chance(450))
                    values.insert(v);
            }
        }
        if (m_draw.chance(120))
            made->permissions[m_draw.pick(kOtherCodes)].insert(m_draw.between(1, 6));
        return made;
    }

    ttservice::CAccountAlgoRangePtr range(const boost::shared_ptr<ttservice::CVornAccountInfo>& account)
    {
        auto made = boost::make_shared<ttservice::CAccountAlgoRange>();
        made->account = account;
        const int settings = m_draw.weighted(std::array<int, 4>{5, 80, 12, 3});
        while (int(made->settings.size()) < settings) {
            const auto& chosen = m_settings[m_draw.below(int(m_settings.size()))];
            if (std::find(made->settings.begin(), made->settings.end(), chosen) == made->settings.end())
                made->settings.push_back(chosen);
        }
        return made;
    }

    boost::shared_ptr<ttservice::CVornAccountInfo> inventedAccount(int index)
    {
        // Futures, stock, credit, stock option, SH-HK and SZ-HK connect.
        static const int kTypes[] = {1, 2, 3, 6, 7, 11};
        auto account = boost::make_shared<ttservice::CVornAccountInfo>();
        account->account = boost::make_shared<ttservice::CAccountInfo>();
        const int type = kTypes[m_draw.weighted(std::array<int, 6>{12, 52, 22, 6, 4, 4})];
        account->account->accountType = type;
        char id[16];
        std::snprintf(id, sizeof id, "%02d%08d", type, 10000000 + index);
        account->account->accountId = id;
        account->accountName = std::string(m_draw.pick(kSurnames)) + m_draw.pick(kGiven) + "-算法";
        account->brokerName = type == 1 ? m_draw.pick(kFuturesCompanies) : m_draw.pick(kSecuritiesCompanies);
        account->tradingEnabled = m_draw.chance(900) ? 1 : 0;
        account->algoPermission = 1;
        account->createdDay = m_day.addDays(-m_draw.between(1, 1500)).toString("yyyyMMdd").toStdString();
        return account;
    }

    Draw m_draw;
    QDate m_day;
    std::vector<boost::shared_ptr<ttservice::CAlgoSetting>> m_settings;
};

} // namespace

void addGeneratedLists(ServerSetup& server, const GenerateOptions& options, const QDateTime& now)
{
    if (options.logins > 0)
        LoginMaker(options, now).make(options.logins, editLogins(server));
    if (options.algoAccounts > 0) {
        static const Records none;
        auto accounts = server.answers.find(kAccountCode);
        const Records& population =
            accounts != server.answers.end() && accounts->second.fallback ? *accounts->second.fallback : none;
        RangeMaker(options, now).make(options.algoAccounts, population, editAlgoRanges(server));
    }
}

void addUserLogin(ServerSetup& server, const UserSetup& user, const QDateTime& now)
{
    const QStringList macs = QString::fromStdString(user.macs).split(' ', Qt::SkipEmptyParts);
    LoginItems& desktop = editLogins(server)[1];
    for (const auto& item : desktop) {
        if (item && item->userName == user.name &&
            (macs.isEmpty() ? item->mac.empty() : macs.contains(QString::fromStdString(item->mac))))
            return;
    }
    auto own = boost::make_shared<ttservice::CVornTypedUserItem>();
    own->userName = user.name;
    own->userType = user.type;
    own->userTypeText = ttservice::TypeManager::getEnumItemName("ttservice::EQdUserType", user.type, 0);
    own->terminalTypeId = 1;
    own->address = "192.168.1.10";
    own->mac = macs.value(0).toStdString();
    own->diskSerial = "WD-WX31A6201937";
    own->loginTime = now.addSecs(-25 * 60).toString("yyyy-MM-dd HH:mm:ss").toStdString();
    own->clientVersion = kDesktopVersions[0];
    desktop.insert(desktop.begin(), own);
}

} // namespace sim
