#include "smartalgo/CSmartAlgoData.h"
#include "smartalgo/CSmartAlgoModel.h"
#include "userlist/CUserListData.h"
#include "userlist/CUserListModel.h"

#include "ScenarioBuilder.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(UserListRows, KeyJoinsSevenPartsAndColumnsFollowTheFields)
{
    kit::ScenarioBuilder().install();
    // The columns read their fields back out of the key: an empty field and one holding the
    // separator must not shift the others.
    const Ocv::CUserListData row(QStringLiteral("主服务器"), std::string("trader__01"), "交易员",
                                 "桌面客户端", "东岳证券", "10.0.0.8", "", "WD-1", "2026-12-05 09:00:00",
                                 "5.2.1", 0, 17);
    EXPECT_EQ(row.qsKey(),
              QStringLiteral("主服务器__trader__01__10.0.0.8____WD-1__2026-12-05 09:00:00__5.2.1"));
    EXPECT_EQ(row.getKey(), row.qsKey().toStdString());
    const char* const columns[] = {"-",        "主服务器", "trader__01", "交易员", "桌面客户端",
                                   "东岳证券", "10.0.0.8", "",           "WD-1",   "2026-12-05 09:00:00",
                                   "5.2.1",    "0",        "17",         "-",      "-"};
    for (int c = 0; c < int(std::size(columns)); ++c)
        EXPECT_EQ(row.getColumnText(c), QString::fromUtf8(columns[c])) << c;

    const Ocv::CUserListModel model;
    EXPECT_EQ(model.headerText(14), QString());
    EXPECT_EQ(model.columnValueType(11), int(QVariant::Int));
    EXPECT_EQ(model.columnValueType(2), int(QVariant::String));
    EXPECT_NE(model.rowBackground(0), model.rowBackground(1));
    EXPECT_EQ(model.rowBackground(0), model.rowBackground(2));
}

TEST(SmartAlgoRows, PermissionsDisabledAccountsAndColumnsOutOfRange)
{
    kit::ScenarioBuilder().install();
    Ocv::CSmartAlgoData row(QStringLiteral("k"), QStringLiteral("880001"), 2, QStringLiteral("东岳证券"));
    for (int column = 3; column <= 16; ++column)
        EXPECT_EQ(row.getColumnText(column), QString()) << column;
    row.setPermission(5, 1);
    row.setPermission(6, 7);
    EXPECT_EQ(row.getColumnText(5), QStringLiteral("是"));
    EXPECT_EQ(row.getColumnText(6), QStringLiteral("-"));
    EXPECT_EQ(row.getColumnText(17), QStringLiteral("-"));
    EXPECT_EQ(row.getColumnText(-1), QStringLiteral("-"));
    EXPECT_EQ(row.getColumnText(1), QStringLiteral("股票"));
    // Only a negative type is a disabled account; type 0 is named like any other type.
    EXPECT_EQ(Ocv::CSmartAlgoData(QString(), QString(), -1, QString()).getColumnText(1),
              QStringLiteral("停用"));
    EXPECT_EQ(Ocv::CSmartAlgoData(QString(), QString(), 0, QString()).getColumnText(1),
              QStringLiteral("未知类型(0)"));

    const Ocv::CSmartAlgoModel model;
    EXPECT_EQ(model.headerText(17), QString());
}

} // namespace
