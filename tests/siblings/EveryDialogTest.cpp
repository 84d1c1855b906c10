#include "SiblingsTestKit.h"

#include <functional>
#include <memory>

namespace {

using siblingstest::Stats;

// What every creation dialog owes its user, checked on each of the four.
class EveryDialogTest : public siblingstest::CreationDialogTest
{
protected:
    struct Kind
    {
        std::function<QDialog*()> make;
        QString key; // the field that takes the id, and its limit
        int keyLimit;
        std::function<void(QDialog*, const QString&)> fill;
        int Stats::*total;
        int Stats::*today;
        int records; // one OK creates that many
    };

    static std::vector<Kind> kinds()
    {
        const auto account = [](const QString& broker) {
            return [broker](QDialog* dialog, const QString& id) {
                type(dialog, "account_id_edit", id);
                type(dialog, "account_name_edit", id + "名");
                type(dialog, "broker_name_edit", broker);
            };
        };
        return {{[] { return new Ocv::CAccountOpeningDialog(nullptr); }, "account_id", 32,
                 account("中信期货"), &Stats::accountsA, &Stats::accountsToday, 1},
                {[] { return new Ocv::CCreateAccountDialog(nullptr); }, "account_id", 32, account(""),
                 &Stats::accountsA, &Stats::accountsToday, 1},
                // The name prefix stands for the id here: the first ids are numbers, fresh each time.
                {[] { return new Ocv::CProductBatchCreateDialog(nullptr); }, "product_name_prefix", 28,
                 [](QDialog* dialog, const QString& id) {
                     static int firstId = 5001;
                     type(dialog, "product_first_id_edit", QString::number(firstId += 10));
                     type(dialog, "product_name_prefix_edit", id);
                     type(dialog, "product_count_edit", "2");
                 },
                 &Stats::productsA, &Stats::productsToday, 2},
                {[] { return new Ocv::CCreateUserDialog(nullptr); }, "user_name", 32,
                 [](QDialog* dialog, const QString& id) { type(dialog, "user_name_edit", id); },
                 &Stats::usersB, &Stats::usersToday, 1}};
    }
};

TEST_F(EveryDialogTest, BadIdsAreMarkedCreationIsCountedAndATakenIdIsRefusedWithTheFormKept)
{
    int n = 0;
    for (const Kind& kind : kinds()) {
        std::unique_ptr<QDialog> dialog(kind.make());
        SCOPED_TRACE(dialog->objectName().toStdString());
        dialog->show();
        for (const QString& id : {QString(), QString(kind.keyLimit + 1, 'x')}) {
            kind.fill(dialog.get(), id);
            EXPECT_TRUE(submit(dialog.get()).empty());
            EXPECT_FALSE(message(dialog.get(), kind.key + "_error").isEmpty());
            EXPECT_EQ(field(dialog.get(), kind.key + "_edit")->text(), id);
        }
        const Stats before = statistics();
        center->clearServerMessages();
        const QString id = QString("T%1").arg(++n);
        kind.fill(dialog.get(), " " + id + " ");
        EXPECT_EQ(submit(dialog.get()).size(), std::size_t(kind.records));
        EXPECT_TRUE(!dialog->isVisible() && dialog->result() == QDialog::Accepted);
        EXPECT_EQ(shownMessages().size(), 1u);
        const Stats after = statistics();
        EXPECT_EQ(after.*kind.total, before.*kind.total + kind.records);
        EXPECT_EQ(after.*kind.today, before.*kind.today + kind.records);

        dialog->show();
        EXPECT_TRUE(field(dialog.get(), kind.key + "_edit")->text().isEmpty());
        kind.fill(dialog.get(), id);
        EXPECT_FALSE(submit(dialog.get()).empty());
        EXPECT_TRUE(dialog->isVisible());
        const QString refusal = message(dialog.get(), dialog->objectName() + "_error");
        EXPECT_TRUE(refusal.contains("已存在: " + id)) << refusal.toStdString();
        EXPECT_EQ(field(dialog.get(), kind.key + "_edit")->text(), id);
        EXPECT_TRUE(field<Kx::CPushButton>(dialog.get(), "common_dialog_ok")->isEnabled());
        EXPECT_NE(dialog->focusWidget(), field<QWidget>(dialog.get(), "common_dialog_cancel"))
            << "Enter would cancel";
        EXPECT_EQ(statistics().*kind.total, after.*kind.total);
    }
}

// Cancel is allowed while the answer is out; the answer must then reach nobody.
TEST_F(EveryDialogTest, TheLateAnswerReachesNoDialogCancelledOrDestroyedMeanwhile)
{
    int n = 0;
    for (const Kind& kind : kinds()) {
        std::unique_ptr<QDialog> dialog(kind.make());
        SCOPED_TRACE(dialog->objectName().toStdString());
        for (bool cancel : {true, false}) {
            QDialog* doomed = kind.make();
            doomed->show();
            kind.fill(doomed, QString("D%1").arg(++n));
            click(doomed, "common_dialog_ok");
            if (cancel)
                click(doomed, "common_dialog_cancel");
            delete doomed;
        }
        dialog->show();
        kind.fill(dialog.get(), QString("L%1").arg(++n));
        click(dialog.get(), "common_dialog_ok");
        click(dialog.get(), "common_dialog_cancel");
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        // Sent again while the first answer, a success, is still out: that answer must not finish
        // the second submission, which the platform refuses as a duplicate.
        dialog->show();
        click(dialog.get(), "common_dialog_ok");
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(message(dialog.get(), dialog->objectName() + "_error").isEmpty());
    }
    EXPECT_EQ(center->sentOperations().size(), 20u);
    EXPECT_TRUE(shownMessages().empty());
}

} // namespace
