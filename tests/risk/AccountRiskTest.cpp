#include "AnswerWait.h"
#include "RiskTreeTestKit.h"
#include "EventSink.h"
#include "ScenarioBuilder.h"

#include "data/ttservice/CAccountInfo.h"
#include "data/ttservice/CVornAccountInfo.h"
#include "data/ttservice/CVornProductInfo.h"
#include "kx/CImageWidget.h"
#include "kx/CLineEdit.h"
#include "kx/CSimpleTextWidget.h"
#include "kx/CTreeWidget.h"
#include "risk/CAccountRiskControlWidget.h"
#include "siblings/CAccountFutureRCSetWidget.h"
#include "siblings/CAccountStockRCSetWidget.h"

#include <QApplication>
#include <QLayout>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

namespace {

using kit::center;
using risktest::nodeOf;
using risktest::texts;
using risktest::typeSearch;

constexpr int kAccountCode = 12203;
constexpr int kAccountSettingCode = 23450;
constexpr int kTemplateCode = 23452;
const std::vector<int> kAllRights{10037, 10041, 10089, 10745, 11501, 10657, 10871};

boost::shared_ptr<ttservice::CVornAccountInfo> account(const std::string& id, int type, bool excluded = false)
{
    auto record = boost::make_shared<ttservice::CVornAccountInfo>();
    record->account = boost::make_shared<ttservice::CAccountInfo>();
    record->account->accountId = id;
    record->account->accountType = type;
    record->account->excluded = excluded;
    record->institutionNo = 7;
    record->institutionName = "东岳证券";
    record->modifiable = true;
    return record;
}

class AccountRiskTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.user(10).loginTypeAuth(false);
        builder.server("s1", 5);
    }
    void TearDown() override
    {
        column.reset();
        kit::waitForAnswers();
    }
    Ocv::CAccountRiskControlWidget* make()
    {
        builder.install();
        center()->setSystemName("s1");
        column = std::make_unique<kit::EventSink>();
        widget = new Ocv::CAccountRiskControlWidget(column.get());
        return widget;
    }
    // Opens the setting dialog and waits until its tree is filled.
    Ocv::CAccountRiskSettingDialog* openSettings()
    {
        widget->handleEvent(9, Ocv::CAccountRiskControlWidget::SettingEntry, 0, QString(), nullptr);
        Ocv::CAccountRiskSettingDialog* dialog = widget->settingDialog();
        EXPECT_TRUE(kit::waitForAnswers());
        return dialog;
    }
    // Root texts in order, each with its children's texts.
    static QStringList treeText(const Kx::CTreeWidget* tree)
    {
        QStringList lines;
        for (int root : tree->childIds(0)) {
            QStringList children;
            for (int child : tree->childIds(root))
                children << tree->nodeText(child);
            lines << QStringLiteral("%1:%2[%3]").arg(root).arg(tree->nodeText(root), children.join(','));
        }
        return lines;
    }
    // "server account" of every read of an account's limits.
    std::vector<std::string> settingReads() const
    {
        std::vector<std::string> reads;
        for (const auto& request : center()->sentRequests()) {
            if (request.dataType == kAccountSettingCode)
                reads.push_back(request.server + " " + request.param);
        }
        return reads;
    }
    std::vector<std::string> accountQueries() const
    {
        std::vector<std::string> params;
        for (const auto& request : center()->sentRequests()) {
            if (request.dataType == kAccountCode)
                params.push_back(request.param);
        }
        return params;
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<kit::EventSink> column;
    Ocv::CAccountRiskControlWidget* widget = nullptr;
};

TEST_F(AccountRiskTest, LaunchersOpenTheirDialogsOnceAndOnlyOnTextClicks)
{
    make();
    EXPECT_EQ(widget->size(), QSize(380, 570));
    EXPECT_EQ(widget->objectName(), QStringLiteral("account_risk_control"));
    const auto labels = widget->findChildren<Kx::CSimpleTextWidget*>();
    QStringList texts;
    for (const auto* label : labels)
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{"账号风控", "账号风控设置", "账号风控模板应用", "账号风控模板组应用"}));

    // Left margin 50; space 40, the title, space 60, then rows of 80 with 60 between them; the labels
    // 15 below their row's top, right of the icon (and 15 more on the second and third rows).
    widget->resize(380, 570);
    widget->innerStretchWidget()->layout()->activate();
    for (QWidget* list : widget->findChildren<QWidget*>())
        if (list->layout())
            list->layout()->activate();
    auto at = [&](const QWidget* child) { return child->mapTo(widget, QPoint(0, 0)); };
    const Kx::CSimpleTextWidget* title = labels[0];
    EXPECT_EQ(at(title), QPoint(50, 40));
    const QSize sizes[] = {{150, 36}, {165, 36}, {180, 36}};
    int rowTop = 40 + title->height() + 60;
    for (int entry = 0; entry < 3; ++entry) {
        const auto* icon = widget->findChildren<Kx::CImageWidget*>()[entry];
        const Kx::CSimpleTextWidget* label = labels[entry + 1];
        EXPECT_EQ(at(icon), QPoint(50, rowTop)) << entry;
        EXPECT_EQ(at(label), QPoint(50 + icon->width() + (entry > 0 ? 15 : 0), rowTop + 15)) << entry;
        EXPECT_EQ(label->size(), sizes[entry]);
        EXPECT_EQ(icon->id(), entry);
        EXPECT_EQ(label->id(), entry);
        rowTop += 80 + 60;
    }

    // The icons carry the same ids, but only the labels' event opens anything.
    EXPECT_FALSE(widget->handleEvent(82, 0, 0, QString(), nullptr));
    EXPECT_EQ(widget->settingDialog(), nullptr);
    EXPECT_TRUE(widget->handleEvent(9, 7, 0, QString(), nullptr));
    EXPECT_EQ(widget->findChildren<QDialog*>().size(), 0);

    for (int entry : {0, 1, 2})
        EXPECT_TRUE(widget->handleEvent(9, entry, 0, QString(), nullptr));
    auto* setting = widget->settingDialog();
    auto* templates = widget->templateDialog();
    auto* groups = widget->templateGroupDialog();
    ASSERT_TRUE(setting && templates && groups);
    EXPECT_EQ(setting->title(), QStringLiteral("账号风控设置"));
    EXPECT_EQ(templates->title(), QStringLiteral("账号风控模板应用"));
    EXPECT_EQ(groups->title(), QStringLiteral("账号风控模板组应用"));
    EXPECT_GE(setting->minimumWidth(), 1350);
    auto* search = setting->searchEdit();
    EXPECT_EQ(search->size(), QSize(200, 26));
    EXPECT_EQ(search->placeholderText(), QStringLiteral("请输入资金账号, 按Enter查询"));
    QStyleOptionFrame frame;
    frame.initFrom(search);
    const QRect textRoom = search->style()->subElementRect(QStyle::SE_LineEditContents, &frame, search);
    EXPECT_LE(QFontMetrics(search->font()).horizontalAdvance(search->placeholderText()), textRoom.width() - 4)
        << "the hint reads whole";
    EXPECT_EQ(templates->minimumSize(), QSize(850, 600));
    EXPECT_FALSE(setting->isModal());
    setting->hide();
    widget->handleEvent(9, 0, 0, QString(), nullptr);
    widget->handleEvent(9, 1, 0, QString(), nullptr);
    EXPECT_EQ(widget->settingDialog(), setting) << "kept and shown again";
    EXPECT_EQ(widget->templateDialog(), templates);
    EXPECT_TRUE(setting->isVisible());
    EXPECT_EQ(widget->findChildren<QDialog*>().size(), 3);
}

// Which roots and panels a user gets from the seven rights, and what the tree asks for.
TEST_F(AccountRiskTest, RightsDecideRootsPanelsAndQueries)
{
    struct Case
    {
        std::set<int> rights;
        QStringList roots;
        std::vector<int> panelTypes;
        std::vector<std::string> queries;
    };
    const Case cases[] = {
        {{10037}, {"1:期货账号[]"}, {1}, {"1"}},
        {{10041, 10871}, {"2:证券账号[]", "5:期货期权账号[]"}, {2, 5}, {"2", "5"}},
        {{10745, 11501, 10657},
         {"7:沪港通账号[]", "11:深港通账号[]", "6:股票期权账号[]"},
         {7, 11, 6},
         {"7", "11", "6"}},
        {{10089, 10081}, {"3:信用账号[]"}, {3}, {"3"}},
        {{10081}, {}, {}, {}},
        {{kAllRights.begin(), kAllRights.end()},
         {"2:证券账号[]", "1:期货账号[]", "3:信用账号[]", "7:沪港通账号[]", "11:深港通账号[]",
          "6:股票期权账号[]", "5:期货期权账号[]"},
         {2, 3, 7, 11, 6, 1, 5},
         {"2", "1", "3", "7", "11", "6", "5"}},
    };
    for (const Case& c : cases) {
        builder.rights(c.rights);
        make();
        center()->clearSentRequests();
        auto* dialog = openSettings();
        EXPECT_EQ(treeText(dialog->tree()), c.roots);
        EXPECT_EQ(accountQueries(), c.queries);
        std::vector<int> types;
        for (const auto& panel : dialog->panels()) {
            types.push_back(panel.accountType);
            EXPECT_FALSE(panel.widget->isVisibleTo(dialog));
        }
        EXPECT_EQ(types, c.panelTypes);
        EXPECT_EQ(dialog->futurePanel() != nullptr, c.rights.count(10037) == 1);
        column.reset();
    }
}

// Per type: failed, empty and wrong answers leave the root empty; unlisted accounts are skipped.
TEST_F(AccountRiskTest, AnswersFillTheirRootsAndSkipWhatIsNotAListedAccount)
{
    auto noInner = account("NOINNER", 2);
    noInner->account.reset();
    auto product = boost::make_shared<ttservice::CVornProductInfo>();
    builder
        .answer(kAccountCode, "2",
                {account("S001", 2), noInner, account("S-EX", 2, true), account("s002", 2)})
        .error(kAccountCode, "1", "账户服务不可用")
        .answer(kAccountCode, "3", {})
        .answer(kAccountCode, "7", {product, ttservice::IDataPtr()})
        .answer(kAccountCode, "11", {account("HK01", 11)});
    make();
    auto* dialog = openSettings();
    EXPECT_EQ(treeText(dialog->tree()),
              (QStringList{"2:证券账号[S001,s002]", "1:期货账号[]", "3:信用账号[]", "7:沪港通账号[]",
                           "11:深港通账号[HK01]", "6:股票期权账号[]", "5:期货期权账号[]"}));
    EXPECT_EQ(dialog->nodeMapSize(), 3);
    EXPECT_FALSE(dialog->isLoading());
    EXPECT_TRUE(center()->serverMessages().empty()) << "no message for a failed tree query";
    const int s001 = nodeOf(dialog->tree(), "S001");
    ASSERT_NE(dialog->recordOf(s001), nullptr);
    EXPECT_EQ(dialog->recordOf(s001)->account->accountId, "S001");
    EXPECT_EQ(dialog->recordOf(2), nullptr) << "roots have no record";
}

TEST_F(AccountRiskTest, SearchSelectsByIdIgnoringCaseOnlyOnEnterInTheFocusedField)
{
    builder
        .answer(kAccountCode, "2",
                {account("AbC-1", 2), account("xabcx", 2), account("ZZZ", 2), account("a.c", 2)})
        .answer(kAccountCode, "1", {account("FABC", 1)});
    make();
    auto* dialog = openSettings();
    dialog->show();
    auto* tree = dialog->tree();
    auto selected = [&] { return texts(tree, tree->selectedNodes()); };
    typeSearch(dialog, QStringLiteral("abc"));
    EXPECT_EQ(selected(), (QStringList{"AbC-1", "xabcx", "FABC"}));
    // Text, not a pattern: "." matches only a dot.
    typeSearch(dialog, QStringLiteral("a.c"));
    EXPECT_EQ(selected(), QStringList{"a.c"});
    typeSearch(dialog, QStringLiteral("(["));
    EXPECT_TRUE(selected().isEmpty());
    typeSearch(dialog, QString(10000, QLatin1Char('a')));
    EXPECT_TRUE(selected().isEmpty());
    typeSearch(dialog, QStringLiteral("ZZ"));
    EXPECT_EQ(selected(), QStringList{"ZZZ"});
    typeSearch(dialog, QString());
    EXPECT_TRUE(selected().isEmpty()) << "an empty search clears the selection";

    // Enter from anywhere else, or while the field has no focus, searches nothing.
    typeSearch(dialog, QStringLiteral("zzz"));
    dialog->searchEdit()->setText(QStringLiteral("abc"));
    tree->setFocus();
    EXPECT_TRUE(dialog->handleEvent(102, 0, 0, QStringLiteral("abc"), dialog->searchEdit()));
    EXPECT_EQ(selected(), QStringList{"ZZZ"});
}

// The chosen account's panel reads its limits: the stock-like ones from the selected system, the
// futures one from the system the column was switched to.
TEST_F(AccountRiskTest, SelectingAnAccountShowsThePanelOfItsTypeAndTitlesTheDialog)
{
    builder.answer(kAccountCode, "3", {account("C100", 3)}).answer(kAccountCode, "1", {account("F200", 1)});
    builder.server("s2", 5);
    make();
    QString name = QStringLiteral("s2");
    widget->switchSystem(3, name);
    auto* dialog = openSettings();
    dialog->show();
    ASSERT_TRUE(kit::waitForAnswers());
    center()->clearSentRequests();
    auto* tree = dialog->tree();
    auto visibleTypes = [&] {
        std::vector<int> types;
        for (const auto& panel : dialog->panels()) {
            if (panel.widget->isVisibleTo(dialog))
                types.push_back(panel.accountType);
        }
        return types;
    };
    EXPECT_TRUE(dialog->handleEvent(175, 0, 3, QStringLiteral("信用账号"), nullptr));
    EXPECT_TRUE(visibleTypes().empty()) << "a root changes nothing";
    EXPECT_EQ(dialog->title(), QStringLiteral("账号风控设置"));

    dialog->handleEvent(175, 0, nodeOf(tree, "C100"), QStringLiteral("C100"), nullptr);
    EXPECT_EQ(visibleTypes(), std::vector<int>{3});
    EXPECT_EQ(dialog->title(), QStringLiteral("账号风控设置 - [C100]"));

    dialog->handleEvent(175, 0, nodeOf(tree, "F200"), QStringLiteral("F200"), nullptr);
    EXPECT_EQ(visibleTypes(), std::vector<int>{1});
    EXPECT_EQ(dialog->title(), QStringLiteral("账号风控设置 - [F200]"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(settingReads(), (std::vector<std::string>{"s1 C100", "s2 F200"}));
    EXPECT_TRUE(dialog->handleEvent(175, 0, 99999, QString(), nullptr));
    EXPECT_EQ(dialog->title(), QStringLiteral("账号风控设置 - [F200]"))
        << "an unknown node keeps the last title";
}

// "刷新" while the first answers are out: every account once, under the new roots; an answer
// older than the one shown is dropped.
TEST_F(AccountRiskTest, RefreshWithAnswersOutListsEveryAccountOnce)
{
    builder.server("s1", 80)
        .answer(kAccountCode, "2", {account("S1", 2), account("S2", 2)})
        .answer(kAccountCode, "1", {account("F1", 1)});
    make();
    widget->handleEvent(9, 0, 0, QString(), nullptr);
    auto* dialog = widget->settingDialog();
    EXPECT_TRUE(dialog->isLoading());
    kit::processEventsFor(20);
    EXPECT_TRUE(dialog->handleEvent(5, 0, 0, QString(), nullptr));
    EXPECT_TRUE(kit::waitForAnswers());
    kit::processEventsFor(120);
    EXPECT_EQ(treeText(dialog->tree()).mid(0, 2), (QStringList{"2:证券账号[S1,S2]", "1:期货账号[F1]"}));
    EXPECT_EQ(dialog->nodeMapSize(), 3);

    auto late = std::make_shared<Ocv::CAccountNodes>();
    late->texts << QStringLiteral("OLD");
    late->records.push_back(account("OLD", 2));
    dialog->slotAccounts(2, 1, late);
    EXPECT_EQ(nodeOf(dialog->tree(), "OLD"), -1) << "the first load's answer came after the second's";
    EXPECT_EQ(dialog->nodeMapSize(), 3);
}

TEST_F(AccountRiskTest, SystemSwitchReachesTheFuturesPanelAndTheTemplateListAndTeardownLeavesAnswersOut)
{
    builder.server("s2", 5);
    make();
    QString name = QStringLiteral("s2");
    widget->switchSystem(4, name);
    center()->clearSentRequests();
    widget->handleEvent(9, 1, 0, QString(), nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    widget->handleEvent(9, 2, 0, QString(), nullptr);
    ASSERT_TRUE(kit::waitForAnswers());
    name = QStringLiteral("s1");
    widget->switchSystem(5, name);
    ASSERT_TRUE(kit::waitForAnswers());
    // The template list follows the column's system; the group list reads the selected one, once.
    std::vector<std::string> lists;
    for (const auto& request : center()->sentRequests())
        lists.push_back(request.server + " " + std::to_string(request.dataType) + " " + request.param);
    EXPECT_EQ(lists, (std::vector<std::string>{"s2 23452 account", "s1 23453 account", "s1 23452 account"}));
    EXPECT_EQ(widget->systemId(), 5);

    column.reset();
    builder = kit::ScenarioBuilder();
    builder.user(10).loginTypeAuth(false).server("s1", 200).answer(kAccountCode, "2", {account("S1", 2)});
    make();
    widget->handleEvent(9, 0, 0, QString(), nullptr);
    widget->handleEvent(9, 1, 0, QString(), nullptr);
    widget->handleEvent(9, 2, 0, QString(), nullptr);
    // Gone with every answer still out.
    column.reset();
    EXPECT_TRUE(kit::waitForAnswers());
}

} // namespace
