#include "RecordTexts.h"

#include "common/NeeqString.h"
#include "data/Clock.h"

#include <QDate>

namespace Ocv {
namespace RecordTexts {

namespace {
const QString kDayFormat = QStringLiteral("yyyyMMdd");
} // namespace

Items accountTypes()
{
    return {{1, QStringLiteral("期货")},   {2, QStringLiteral("股票")},     {3, QStringLiteral("信用")},
            {4, getNeeqString()},          {5, QStringLiteral("期货期权")}, {6, QStringLiteral("股票期权")},
            {7, QStringLiteral("沪港通")}, {8, QStringLiteral("银行间")},   {9, QStringLiteral("银行")},
            {10, QStringLiteral("场外")},  {11, QStringLiteral("深港通")},  {12, QStringLiteral("理财")}};
}

Items userTypes()
{
    return {{11, QStringLiteral("交易员")},      {10, QStringLiteral("投资经理")},
            {12, QStringLiteral("风控员")},      {13, QStringLiteral("查询员")},
            {14, QStringLiteral("平仓员")},      {15, QStringLiteral("报单员")},
            {16, QStringLiteral("独立交易员")},  {20, QStringLiteral("投资顾问")},
            {21, QStringLiteral("独立投资顾问")}};
}

Items clientKinds()
{
    return {{0, QStringLiteral("桌面客户端")}, {1, QStringLiteral("信号单")},   {2, QStringLiteral("VIP")},
            {3, QStringLiteral("代理")},       {4, QStringLiteral("移动终端")}, {5, QStringLiteral("API")}};
}

QString textOf(const Items& items, int code)
{
    for (const auto& item : items) {
        if (item.first == code)
            return item.second;
    }
    return QStringLiteral("未知(%1)").arg(code);
}

QString dayText(const std::string& day)
{
    const QString text = QString::fromStdString(day);
    const QDate date = QDate::fromString(text, kDayFormat);
    return date.isValid() ? date.toString(Qt::ISODate) : text;
}

std::string today()
{
    return utils::currentDateTime().date().toString(kDayFormat).toStdString();
}

} // namespace RecordTexts
} // namespace Ocv
