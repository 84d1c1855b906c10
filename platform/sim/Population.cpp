#include "sim/Population.h"

#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "data/ttservice/CVornUserInfo.h"
#include "sim/DataCodes.h"

#include <QString>

#include <boost/make_shared.hpp>

#include <random>
#include <set>
#include <string>

namespace sim {

namespace {

const char* const kDayFormat = "yyyyMMdd";

const char* const kSecuritiesBrokers[] = {"东岳证券", "南溪证券", "北辰证券", "西岭证券", "中原汇通证券",
                                          "海澜证券", "长河证券", "华景证券", "青松证券", "远山证券",
                                          "金川证券", "明德证券", "嘉禾证券", "天衡证券"};
const char* const kFuturesBrokers[] = {"恒远期货",   "金桥期货",    "瑞丰期货",     "广益期货",
                                       "宏图期货",   "安泰期货",    "鸿禧鑫达期货", "青川远航期货",
                                       "云岫汇期货", "东岚启明期货"};
const char* const kBanks[] = {"江海银行", "城东商业银行", "汇丰源银行", "兴业农商银行"};
const char* const kWealth[] = {"嘉实理财", "和信理财", "融智理财"};

struct Institution
{
    int number;
    const char* name;
};
// Made-up institutions the accounts belong to.
const Institution kInstitutions[] = {
    {8101, "澄岭资产"}, {8102, "禾川投资"}, {8107, "望舒基金"}, {8115, "栖梧资本"}, {8123, "砚溪财富"}};

const char* const kSurnames[] = {"张", "王", "李", "赵", "陈", "刘", "杨", "黄", "周", "吴",
                                 "徐", "孙", "胡", "朱", "高", "林", "何", "郭", "马", "罗"};
const char* const kGiven[] = {"伟", "芳", "娜", "敏", "静",   "强",   "磊",   "洋",   "艳",   "勇",   "军",
                              "杰", "涛", "明", "超", "秀英", "晓东", "建华", "志强", "海燕", "子涵", "思远"};
const char* const kPinyin[] = {"zhang", "wang", "li", "zhao", "chen", "liu", "yang", "huang", "zhou", "wu",
                               "xu",    "sun",  "hu", "zhu",  "gao",  "lin", "he",   "guo",   "ma",   "luo"};
const char* const kProductWords[] = {"景行", "致远", "稳盈", "启航", "恒泰", "睿信", "鼎元", "泓德",
                                     "信达", "同创", "卓越", "安鑫", "宏利", "天玑", "星辰", "磐石"};
const char* const kProductKinds[] = {"成长", "价值", "量化", "对冲", "稳健", "优选", "精选", "多策略"};
const char* const kNumbers[] = {"一号", "二号", "三号", "五号", "六号", "八号", "九号", "十号"};

template <class T, std::size_t N> const T& pick(const T (&items)[N], std::mt19937& rng)
{
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

// An index drawn with the given weights.
int weighted(std::initializer_list<double> weights, std::mt19937& rng)
{
    return std::discrete_distribution<int>(weights)(rng);
}

bool chance(double p, std::mt19937& rng)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p;
}

class Generator
{
public:
    Generator(const PopulationOptions& options, const QDate& today)
        : m_options(options), m_today(today), m_rng(options.seed)
    {
    }

    int manager()
    {
        if (m_options.managers.empty() || !chance(0.6, m_rng))
            return -1;
        return m_options
            .managers[std::uniform_int_distribution<std::size_t>(0, m_options.managers.size() - 1)(m_rng)];
    }

    std::string createdDay()
    {
        const int daysAgo = chance(0.03, m_rng) ? 0 : std::uniform_int_distribution<int>(1, 1500)(m_rng);
        return m_today.addDays(-daysAgo).toString(kDayFormat).toStdString();
    }

    // A name not handed out before: the candidate, else the candidate with a number.
    std::string unique(const std::string& candidate)
    {
        std::string name = candidate;
        for (int n = 2; !m_names.insert(name).second; ++n)
            name = candidate + std::to_string(n);
        return name;
    }

    std::string personName() { return std::string(pick(kSurnames, m_rng)) + pick(kGiven, m_rng); }

    Records accounts()
    {
        static const char* const kTypeNames[] = {"",         "期货",     "股票",   "信用",   "股转",
                                                 "期货期权", "个股期权", "沪港通", "银行间", "银行",
                                                 "场外",     "深港通",   "理财"};
        // The draw picks a kind of account; its type number follows. The weights per kind:
        // futures, stock, credit, stock option, NEEQ, futures option, interbank, SH-HK connect,
        // SZ-HK connect, bank, OTC, wealth management.
        static const int kDrawnTypes[] = {1, 2, 3, 6, 4, 5, 8, 7, 11, 9, 10, 12};
        // Drawn apart from m_rng, so the rest of the population stays what it was before accounts
        // carried them.
        std::mt19937 extras(m_options.seed * 131u + 7u);
        Records records;
        for (int i = 0; i < m_options.accounts; ++i) {
            auto account = boost::make_shared<ttservice::CVornAccountInfo>();
            auto inner = boost::make_shared<ttservice::CAccountInfo>();
            account->account = inner;
            const int type = kDrawnTypes[weighted({30, 30, 8, 6, 3, 6, 2, 4, 4, 3, 2, 2}, m_rng)];
            inner->accountType = type;
            inner->accountId = QString("%1%2")
                                   .arg(type, 2, 10, QChar('0'))
                                   .arg(100000 + i * 7 + std::uniform_int_distribution<int>(0, 6)(m_rng))
                                   .toStdString();
            account->accountName = unique(personName() + "-" + kTypeNames[type]);
            switch (type) {
            case 1:
            case 5:
                account->brokerName = pick(kFuturesBrokers, m_rng);
                break;
            case 8:
            case 9:
                account->brokerName = pick(kBanks, m_rng);
                break;
            case 12:
                account->brokerName = pick(kWealth, m_rng);
                break;
            default:
                account->brokerName = pick(kSecuritiesBrokers, m_rng);
                break;
            }
            account->managerId = manager();
            account->tradingEnabled = chance(0.88, m_rng) ? 1 : 0;
            account->algoPermission = chance(0.2, m_rng) ? 1 : 0;
            account->createdDay = createdDay();
            const Institution& institution = pick(kInstitutions, extras);
            account->institutionNo = institution.number;
            account->institutionName = institution.name;
            account->modifiable = !chance(0.1, extras);
            inner->excluded = chance(0.01, extras);
            records.push_back(account);
        }
        return records;
    }

    Records products()
    {
        Records records;
        // Drawn apart from m_rng, so the rest of the population stays what it was before products
        // carried the switch.
        std::mt19937 riskDraws(m_options.seed * 31u + 17u);
        for (int i = 0; i < m_options.products; ++i) {
            auto product = boost::make_shared<ttservice::CVornProductInfo>();
            product->productId = i + 1;
            product->productName = unique(std::string(pick(kProductWords, m_rng)) +
                                          pick(kProductKinds, m_rng) + pick(kNumbers, m_rng));
            product->managerId = manager();
            product->active = chance(0.8, m_rng) ? 1 : 0;
            product->createdDay = createdDay();
            product->riskControlEnabled = chance(0.7, riskDraws);
            records.push_back(product);
        }
        return records;
    }

    Records users()
    {
        // Investment manager, trader, risk officer, query officer, position closer, order taker,
        // independent trader, investment adviser, independent adviser.
        static const int kUserTypes[] = {10, 11, 12, 13, 14, 15, 16, 20, 21};
        Records records;
        for (int i = 0; i < m_options.users; ++i) {
            auto user = boost::make_shared<ttservice::CVornUserInfo>();
            user->name =
                unique(QString("%1%2").arg(pick(kPinyin, m_rng)).arg(i + 1, 3, 10, QChar('0')).toStdString());
            user->userType = kUserTypes[weighted({15, 40, 8, 10, 4, 10, 3, 6, 4}, m_rng)];
            user->roleType = 3;
            user->managerId = manager();
            user->clientKind = weighted({45, 15, 10, 8, 17, 5}, m_rng);
            user->online = chance(0.45, m_rng) ? 1 : 0;
            user->createdDay = createdDay();
            records.push_back(user);
        }
        return records;
    }

private:
    const PopulationOptions& m_options;
    QDate m_today;
    std::mt19937 m_rng;
    std::set<std::string> m_names;
};

void append(ServerSetup& server, int dataType, const Records& records)
{
    auto& answer = server.answers[dataType].fallback;
    if (!answer)
        answer = Records();
    answer->insert(answer->end(), records.begin(), records.end());
}

} // namespace

void addPopulation(ServerSetup& server, const PopulationOptions& options, const QDate& today)
{
    Generator generator(options, today);
    append(server, kAccountCode, generator.accounts());
    append(server, kProductCode, generator.products());
    append(server, kUserCode, generator.users());
}

} // namespace sim
