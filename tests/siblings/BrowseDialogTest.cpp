#include "SiblingsTestKit.h"

#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornChannelStatus.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CStandardHpfTable.h"
#include "siblings/CShowAccountDialog.h"
#include "siblings/CShowETStatusDialog.h"
#include "siblings/CShowProductDialog.h"
#include "siblings/CShowUserDialog.h"

#include <QSignalSpy>

#include <functional>
#include <memory>
#include <type_traits>

namespace {

using siblingstest::Stats;

ttservice::IDataPtr channel(const std::string& id, int state)
{
    auto record = boost::make_shared<ttservice::CVornChannelStatus>();
    record->channelId = id;
    record->state = state;
    return record;
}

// The main server mixes records of other classes and null ones into every list (and an account
// without its inner account into the accounts) and lists one channel twice; the third server fails every
// query.
class BrowseDialogTest : public siblingstest::CreationDialogTest
{
protected:
    void SetUp() override
    {
        const std::vector<ttservice::IDataPtr> odd{channel("X", 0), nullptr};
        kit::ScenarioBuilder()
            .now(QDateTime(QDate(2026, 12, 5), QTime(10, 30)))
            .server("主服务器", 20)
            .answer(12203, {channel("X", 0), nullptr, boost::make_shared<ttservice::CVornAccountInfo>()})
            .answer(12209, odd)
            .answer(12224, odd)
            .answer(12296,
                    {channel("SH-T1", 0), channel("SZ-T1", 1), channel("CF-T1", 2), channel("SH-T1", 0),
                     channel("DCE-Q1", 0), boost::make_shared<ttservice::CVornUserInfo>()})
            .population({300, 150, 200, 7, {}})
            .server("备用服务器", 20)
            .population({5, 3, 4, 9, {}})
            .server("故障服务器", 20)
            .error(12203, "服务不可用")
            .error(12209, "服务不可用")
            .error(12224, "服务不可用")
            .error(12296, "服务不可用")
            .install();
    }

    struct Kind
    {
        std::function<QDialog*()> make;
        std::function<void(QDialog*, const QString&)> switchSystem;
        std::function<void(QDialog*, bool)> todayOnly;
        int Stats::*total;
        int Stats::*today;
        int nameColumn;
        int dayColumn;
    };

    template <class D> static Kind kind(int Stats::*total, int Stats::*today, int nameColumn, int dayColumn)
    {
        return {[] { return new D(nullptr); },
                [](QDialog* d, const QString& system) {
                    if constexpr (std::is_same_v<D, Ocv::CShowProductDialog>)
                        static_cast<D*>(d)->switchSystem(7, system);
                    else
                        static_cast<D*>(d)->switchSystem(system);
                },
                [](QDialog* d, bool on) { static_cast<D*>(d)->setisQueryData(on); },
                total,
                today,
                nameColumn,
                dayColumn};
    }

    static std::vector<Kind> kinds()
    {
        return {kind<Ocv::CShowAccountDialog>(&Stats::accountsA, &Stats::accountsToday, 1, 5),
                kind<Ocv::CShowUserDialog>(&Stats::usersB, &Stats::usersToday, 0, 4),
                kind<Ocv::CShowProductDialog>(&Stats::productsA, &Stats::productsToday, 1, 3)};
    }

    static Kx::IBaseHpfTableModel& rows(QWidget* dialog)
    {
        return *dialog->findChild<Kx::CStandardHpfTable*>()->dataModel();
    }
    static QStringList column(QWidget* dialog, int column)
    {
        QStringList texts;
        for (int row = 0; row < rows(dialog).rowCount(); ++row)
            texts << rows(dialog).dataAt(row)->getColumnText(column);
        return texts;
    }
    static void search(QWidget* dialog, const QString& text)
    {
        const QString name = dialog->objectName() + "_search";
        type(dialog, name, text);
        QTest::keyClick(field(dialog, name), Qt::Key_Return);
    }
};

TEST_F(BrowseDialogTest, ListsShowTheNamedSystemAllOrTodayAndFindRowsByIdOrName)
{
    const Stats main = statistics();
    const Stats backup = statistics("备用服务器");
    for (const Kind& kind : kinds()) {
        std::unique_ptr<QDialog> dialog(kind.make());
        SCOPED_TRACE(dialog->objectName().toStdString());
        kind.switchSystem(dialog.get(), "备用服务器");
        dialog->show();
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(center->sentRequests().back().server, "备用服务器");
        EXPECT_EQ(rows(dialog.get()).totalCount(), backup.*kind.total);

        kind.switchSystem(dialog.get(), "");
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(center->sentRequests().back().server, "主服务器");
        EXPECT_EQ(rows(dialog.get()).totalCount(), main.*kind.total) << "other records are left out";

        const QString allTitle = dialog->windowTitle();
        kind.todayOnly(dialog.get(), true);
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_TRUE(dialog->windowTitle().startsWith("今日新增")) << dialog->windowTitle().toStdString();
        ASSERT_GT(main.*kind.today, 0);
        EXPECT_EQ(column(dialog.get(), kind.dayColumn).count("2026-12-05"), main.*kind.today);
        EXPECT_EQ(rows(dialog.get()).totalCount(), main.*kind.today);

        kind.todayOnly(dialog.get(), false);
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(dialog->windowTitle(), allTitle);
        // The last id is no part of another (product ids count up from 1).
        const QString id = rows(dialog.get()).dataAt(rows(dialog.get()).rowCount() - 1)->getColumnText(0);
        const QString name = rows(dialog.get()).dataAt(5)->getColumnText(kind.nameColumn);
        search(dialog.get(), id);
        EXPECT_EQ(column(dialog.get(), 0), QStringList{id});
        search(dialog.get(), name.toUpper());
        EXPECT_TRUE(column(dialog.get(), kind.nameColumn).contains(name));
        for (const QString& found : column(dialog.get(), kind.nameColumn))
            EXPECT_TRUE(found.contains(name, Qt::CaseInsensitive)) << found.toStdString();
        search(dialog.get(), "");
        EXPECT_EQ(rows(dialog.get()).rowCount(), main.*kind.total);
    }
}

TEST_F(BrowseDialogTest, FailuresEmptyTheListAndAnAnswerReachesNoClosedOrDestroyedList)
{
    for (const Kind& kind : kinds()) {
        std::unique_ptr<QDialog> dialog(kind.make());
        SCOPED_TRACE(dialog->objectName().toStdString());
        const QString error = dialog->objectName() + "_error";
        dialog->show();
        ASSERT_TRUE(kit::waitForAnswers());
        ASSERT_GT(rows(dialog.get()).totalCount(), 0);
        kind.switchSystem(dialog.get(), "故障服务器");
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(message(dialog.get(), error), "请求失败, 服务不可用");
        EXPECT_EQ(rows(dialog.get()).totalCount(), 0);

        const std::size_t sent = center->sentRequests().size();
        kind.switchSystem(dialog.get(), "已下线系统");
        EXPECT_EQ(center->sentRequests().size(), sent);
        EXPECT_EQ(message(dialog.get(), error), "交易系统未连接: 已下线系统");

        kind.switchSystem(dialog.get(), "");
        dialog->close();
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(rows(dialog.get()).totalCount(), 0) << "the answer came after the list was closed";
        dialog->show();
        dialog.reset();
        EXPECT_TRUE(kit::waitForAnswers());
    }
}

TEST_F(BrowseDialogTest, ChannelCountsComeWithEveryAnswerWhetherShownNarrowedOrClosed)
{
    auto dialog = std::make_unique<Ocv::CShowETStatusDialog>(nullptr);
    QSignalSpy finished(dialog.get(), &Ocv::CShowETStatusDialog::sigUpdateTableFinish);
    const auto counts = [&dialog] {
        return std::make_pair(dialog->getDataCount(), dialog->getStatusCount());
    };
    dialog->requset();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(counts(), std::make_pair(4, 2)) << "a channel listed twice counts once";
    EXPECT_EQ(rows(dialog.get()).totalCount(), 4);

    dialog->setisQueryData(true);
    dialog->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(finished.count(), 2);
    EXPECT_EQ(dialog->windowTitle(), "异常通道");
    EXPECT_EQ(column(dialog.get(), 0), (QStringList{"SZ-T1", "CF-T1"}));
    EXPECT_EQ(counts(), std::make_pair(4, 2));

    center->setSystemName("故障服务器");
    dialog->requset();
    dialog->close();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(finished.count(), 3) << "closing does not swallow the counts";
    EXPECT_EQ(counts(), std::make_pair(0, 0));
    EXPECT_EQ(rows(dialog.get()).totalCount(), 0);
    dialog->show();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(message(dialog.get(), "show_et_status_dialog_error"), "请求失败, 服务不可用");

    dialog->requset();
    dialog.reset();
    EXPECT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(finished.count(), 4);
}

} // namespace
