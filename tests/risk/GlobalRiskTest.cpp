#include "StripTestSupport.h"

#include "AnswerWait.h"
#include "ScenarioBuilder.h"
#include "Theme.h"

#include "data/ttservice/CGlobalFutureRCConfig.h"
#include "data/ttservice/CGlobalStockRCConfig.h"
#include "kx/CImageWidget.h"
#include "kx/CMessageBox.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "risk/CAllRiskControlWidget.h"
#include "risk/CGlobalRiskControlWidget.h"
#include "siblings/CProductManagePanel.h"
#include "siblings/CReversePageWidget.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTimer>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <thread>

namespace {

using kit::center;
using kit::PaintRecorder;
using kit::themeColor;
using striptest::EventSink;

using Strings = std::vector<std::string>;
using ttservice::CGlobalFutureRCConfig;
using ttservice::CGlobalStockRCConfig;

template <class Config> ttservice::IDataPtr config(int tradeType, bool reverseOff, bool matchedOff)
{
    auto record = boost::make_shared<Config>();
    record->tradeType = tradeType;
    record->reverseCheckOff = reverseOff;
    record->matchedCheckOff = matchedOff;
    return record;
}
const auto futures = &config<CGlobalFutureRCConfig>;
const auto stock = &config<CGlobalStockRCConfig>;

// "F" or "S" for the record's class, then its reverse and matched flags ("F10").
template <class Config> std::string flagsOf(const ttservice::IDataPtr& record, const char* tag)
{
    const auto c = boost::dynamic_pointer_cast<Config>(record);
    return c ? tag + std::to_string(c->reverseCheckOff) + std::to_string(c->matchedCheckOff) : std::string();
}

const int kTypes[] = {2, 1, 256, 128, 16384, 32, 1024};
const Strings kAllSeven{"23434:2",     "23435:1",  "23435:256", "23435:128",
                        "23435:16384", "23435:32", "23434:1024"};

// handleEvent as the framework calls it (the block keeps its override protected).
bool deliver(Kx::CBaseWidget* widget, int eventId, int a)
{
    return widget->handleEvent(eventId, a, 0, QString(), nullptr);
}

// Every trade type of the server answers these records.
void answerAll(kit::ScenarioBuilder& builder, bool reverseOff, bool matchedOff)
{
    for (int type : kTypes) {
        const bool future = type == 2 || type == 1024;
        builder.answer(future ? 23434 : 23435, std::to_string(type),
                       {(future ? futures : stock)(type, reverseOff, matchedOff)});
    }
}

// Answers the next modal question with the button, noting its text and default button.
struct QuestionAnswer
{
    explicit QuestionAnswer(Kx::CMessageBox::Button button)
    {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<Kx::CMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->title();
            defaultButton = box->defaultButton();
            box->button(button)->click();
        });
    }
    QString text;
    QString title;
    Kx::CMessageBox::Button defaultButton = Kx::CMessageBox::Ok;
};

class GlobalRiskTest : public ::testing::Test
{
protected:
    void SetUp() override { reset(); }
    void TearDown() override
    {
        sink.reset();
        kit::waitForAnswers();
    }
    void reset()
    {
        builder = kit::ScenarioBuilder();
        builder.user(10).loginTypeAuth(false);
        builder.server("s1");
    }
    // Installs the scenario, selects s1 and makes a fresh sink standing for the widget's parent.
    void install()
    {
        builder.install();
        center()->setSystemName("s1");
        sink = std::make_unique<EventSink>();
    }
    Ocv::CGlobalRiskControlWidget* makeTable()
    {
        install();
        auto* table = new Ocv::CGlobalRiskControlWidget(sink.get());
        table->switchSystem(1, QStringLiteral("s1"));
        EXPECT_TRUE(kit::waitForAnswers());
        return table;
    }
    Ocv::CAllRiskControlWidget* makeBlock()
    {
        install();
        sink->resize(700, 700);
        auto* block = new Ocv::CAllRiskControlWidget(sink.get());
        sink->show();
        return block;
    }
    int count(int eventId) const
    {
        return static_cast<int>(std::count_if(sink->received.begin(), sink->received.end(),
                                              [eventId](const kit::Event& e) { return std::get<0>(e) == eventId; }));
    }
    // "code:param" of each query sent since the last call.
    static Strings asked()
    {
        Strings seen;
        for (const auto& request : center()->sentRequests())
            seen.push_back(std::to_string(request.dataType) + ":" + request.param);
        center()->clearSentRequests();
        return seen;
    }
    // The two status texts drawn in each row, in row order.
    static QStringList statusTexts(const QVector<kit::PaintOp>& ops)
    {
        QStringList texts;
        for (const kit::PaintOp& op : PaintRecorder::texts(ops)) {
            if (op.text == "-" || op.text == QStringLiteral("启用") || op.text == QStringLiteral("禁用"))
                texts << op.text;
        }
        return texts;
    }

    kit::ScenarioBuilder builder;
    std::unique_ptr<EventSink> sink;
};

TEST_F(GlobalRiskTest, TablePaintsSixRowsOfTheLastRecordOfTheRightClass)
{
    builder.answer(23434, "2", {futures(2, true, false)});
    builder.answer(23435, "1", {stock(1, false, false)});
    builder.answer(23435, "256", {futures(256, false, false)}); // wrong class: ignored
    builder.answer(23435, "16384", {stock(16384, true, true), stock(16384, false, true)});
    builder.error(23435, "32", "全局风控服务不可用");
    builder.answer(23434, "1024", {futures(1024, true, true)});
    Ocv::CGlobalRiskControlWidget* table = makeTable();
    EXPECT_EQ(table->size(), QSize(610, 435));
    EXPECT_EQ(count(3122), 6) << "one per successful answer, the failed one not";

    table->settingButton(1024)->show();
    const auto ops = PaintRecorder::record(table);
    EXPECT_TRUE(table->settingButton(1024)->isHidden()) << "hidden again at every paint";
    QVector<QLine> lines{QLine(0, 0, 610, 0)};
    for (int row = 0; row <= 6; ++row)
        lines << QLine(0, 51 + 51 * row, 610, 51 + 51 * row);
    EXPECT_EQ(PaintRecorder::hairlines(ops, themeColor("clr_welcome_risk_splite_line")), lines);

    // Names and states centred in 152-pixel columns, rows 51 apart.
    const QFontMetricsF metrics(PaintRecorder::findText(ops, QStringLiteral("期货")).font);
    const auto expectCell = [&](const char* utf8, int column, int top) {
        const QString text = QString::fromUtf8(utf8);
        const kit::PaintOp op = PaintRecorder::findText(ops, text);
        ASSERT_EQ(op.text, text);
        EXPECT_NEAR(op.pos.x(), 152 * column + (152 - metrics.horizontalAdvance(text)) / 2, 1.0) << utf8;
        EXPECT_NEAR(op.pos.y(), top + (50 - metrics.height()) / 2 + metrics.ascent(), 1.0) << utf8;
    };
    const char* headers[] = {"交易类型", "反向交易检查", "对敲交易检查", "设置"};
    for (int i = 0; i < 4; ++i)
        expectCell(headers[i], i, 1);
    const char* names[] = {"期货", "证券", "全国股转", "沪港通", "深港通", "股票期权"};
    for (int row = 0; row < 6; ++row) {
        expectCell(names[row], 0, 52 + 51 * row);
        const Kx::CImageWidget* button = table->settingButton(kTypes[row]);
        EXPECT_EQ(button->pos(),
                  QPoint(456 + (152 - button->width()) / 2, 51 + 51 * row + (50 - button->height()) / 2));
    }
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("期货期权")), 0);
    EXPECT_EQ(statusTexts(ops), (QStringList{"禁用", "启用", "启用", "启用", "-", "-", "-", "-", "启用", "禁用", "-", "-"}));
    expectCell("禁用", 1, 52);
    expectCell("启用", 2, 52);
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("禁用")).color, themeColor("clr_welcome_risk_disable"));
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("启用")).color, themeColor("clr_welcome_risk_enable"));
    EXPECT_EQ(PaintRecorder::findText(ops, QStringLiteral("-")).color, themeColor("clr_welcome_text_normal"));

    // A failure keeps what was shown; an empty answer clears it.
    builder.error(23434, "2", "全局风控服务不可用");
    builder.answer(23435, "1", {});
    builder.install();
    center()->setSystemName("s1");
    table->queryAll();
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(statusTexts(PaintRecorder::record(table)),
              (QStringList{"禁用", "启用", "-", "-", "-", "-", "-", "-", "启用", "禁用", "-", "-"}));
}

// 1: every check of every record on, 2: every one off, 0: mixed or nothing known; records of
// the other class do not count.
TEST_F(GlobalRiskTest, GlobalStateCombinesEveryCheckOfTheRightClass)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<int, ttservice::IDataPtr>> records;
        int state;
    };
    const Case cases[] = {
        {"nothing", {}, 0},
        {"both on", {{2, futures(2, false, false)}, {1, stock(1, false, false)}}, 1},
        {"both off", {{2, futures(2, true, true)}, {1, stock(1, true, true)}}, 2},
        {"one reverse check off", {{2, futures(2, false, false)}, {1, stock(1, true, false)}}, 0},
        {"one matched check off", {{2, futures(2, false, true)}, {1, stock(1, false, false)}}, 0},
        {"one check on", {{2, futures(2, true, true)}, {1, stock(1, true, false)}}, 0},
        {"only the wrong class", {{2, stock(2, false, false)}, {1, futures(1, true, true)}}, 0},
        {"the wrong class ignored", {{2, stock(2, true, true)}, {256, futures(256, true, true)}, {1, stock(1, false, false)}}, 1},
        {"futures options count", {{1024, futures(1024, true, true)}, {1, stock(1, false, false)}}, 0},
    };
    for (const Case& c : cases) {
        reset();
        for (const auto& [type, record] : c.records) // one record per trade type
            builder.answer(type == 2 || type == 1024 ? 23434 : 23435, std::to_string(type), {record});
        EXPECT_EQ(makeTable()->globalState(), c.state) << c.name;
    }
}

TEST_F(GlobalRiskTest, EventsOpenSettingDialogsAndAskAgain)
{
    answerAll(builder, false, false);
    Ocv::CGlobalRiskControlWidget* table = makeTable();
    EXPECT_EQ(table->timer()->interval(), 60000);
    EXPECT_TRUE(table->timer()->isActive());
    asked();
    EXPECT_TRUE(table->handleEvent(3121, 256, 0, QString(), nullptr));
    EXPECT_EQ(asked(), Strings{"23435:256"});

    // A setting button opens a further non-modal dialog on every click.
    for (int type : {2, 2, 16384})
        EXPECT_TRUE(table->handleEvent(82, type, 0, QString(), nullptr));
    const auto dialogs = table->findChildren<Ocv::CGlobalRiskSettingDialog*>();
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_EQ(dialogs[0]->title(), QStringLiteral("期货账号全局风控"));
    EXPECT_EQ(dialogs[2]->title(), QStringLiteral("深港通账号全局风控"));
    for (auto* dialog : dialogs) {
        EXPECT_TRUE(dialog->isVisible() && !dialog->isModal());
        EXPECT_EQ(dialog->size(), QSize(500, 380));
        EXPECT_EQ(dialog->innerWidget(), dialog->page());
    }
    dialogs[0]->close();
    EXPECT_EQ(table->findChildren<Ocv::CGlobalRiskSettingDialog*>().size(), 3) << "closing hides";
    EXPECT_EQ(Ocv::CGlobalRiskSettingDialog(7, nullptr).title(), QStringLiteral("账号全局风控"));
    EXPECT_FALSE(table->handleEvent(82, 7, 0, QString(), nullptr)) << "no setting button has id 7";

    // A finished save, refused or not, asks for its type again; the answer reaches the block.
    ASSERT_TRUE(kit::waitForAnswers());
    asked();
    sink->received.clear();
    dialogs[2]->slotOnDataFinished(false, QStringLiteral("拒绝"));
    EXPECT_EQ(asked(), Strings{"23435:16384"});
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(count(3122), 1);

    // The minute's tick asks for all seven, only while shown and switched to a system.
    table->slotTimeOut();
    EXPECT_TRUE(asked().empty());
    sink->show();
    table->slotTimeOut();
    EXPECT_EQ(asked(), kAllSeven);
    table->switchSystem(0, QString());
    EXPECT_EQ(asked(), kAllSeven) << "a switch asks, shown or not";
    table->slotTimeOut();
    EXPECT_TRUE(asked().empty()) << "no system: the tick asks nothing";
}

// An answer that comes on another thread is handled on the GUI thread.
TEST_F(GlobalRiskTest, AnswersFromOtherThreadsAreHandledOnTheGuiThread)
{
    Ocv::CGlobalRiskControlWidget* table = makeTable();
    sink->received.clear();
    std::thread worker([table] { emit table->sigQueryResult(2, {futures(2, true, true)}); });
    worker.join();
    EXPECT_TRUE(sink->received.empty());
    QApplication::processEvents();
    EXPECT_EQ(count(3122), 1);
    EXPECT_EQ(table->globalState(), 2);
}

// Turning everything on is run end to end by the host test; here every check goes off.
TEST_F(GlobalRiskTest, EnableAllSavesSevenRecordsAndAsksAgainAfterEachSuccess)
{
    answerAll(builder, true, false);
    builder.error(23434, "全局风控服务不可用"); // the futures queries and saves fail
    Ocv::CGlobalRiskControlWidget* table = makeTable();
    EXPECT_EQ(table->globalState(), 0) << "every matched check on, every reverse check off";
    asked();
    center()->clearSentOperations();
    table->enableAll(0);
    ASSERT_TRUE(kit::waitForAnswers());
    Strings saved;
    for (const auto& op : center()->sentOperations()) {
        saved.push_back(std::to_string(op.dataType) + ":" + std::to_string(op.operation) + ":" + op.key +
                        ":" + flagsOf<CGlobalFutureRCConfig>(op.data, "F") +
                        flagsOf<CGlobalStockRCConfig>(op.data, "S"));
    }
    EXPECT_EQ(saved,
              (Strings{"23434:0:rat|2:F11", "23435:0:rat|1:S11", "23435:0:rat|256:S11", "23435:0:rat|128:S11",
                       "23435:0:rat|16384:S11", "23435:0:rat|32:S11", "23434:0:rat|1024:F11"}));
    EXPECT_EQ(asked().size(), 5u * 7u) << "five stock saves succeed, each asks for all seven";
    EXPECT_EQ(table->globalState(), 2) << "every stock check now off; no futures record was ever read";
}

// The answer delivers 3122 while it holds the table's mutex, and the block computes the global
// state on the same thread: with a plain mutex this would never return.
TEST_F(GlobalRiskTest, SwitchFollowsTheFirstReportThenOnlyAgreement)
{
    struct Case
    {
        bool reverseOff, matchedOff;
        bool enabled;
    };
    // 2 wins over 1, an unknown state (0) changes nothing; the last case leaves the switch on.
    const Case cases[] = {{true, true, false}, {true, false, false}, {false, false, true}};
    Ocv::CAllRiskControlWidget* block = nullptr;
    for (const Case& c : cases) {
        reset();
        answerAll(builder, c.reverseOff, c.matchedOff);
        block = makeBlock();
        PaintRecorder::record(block);
        EXPECT_TRUE(block->offImage()->isVisible() && !block->onImage()->isVisible())
            << "off before any report";
        block->switchSystem(1, QStringLiteral("s1"));
        ASSERT_TRUE(kit::waitForAnswers());
        EXPECT_EQ(block->allEnabled(), c.enabled) << c.reverseOff << c.matchedOff;
        EXPECT_EQ(block->onImage()->isVisible(), c.enabled);
        EXPECT_EQ(block->offImage()->isVisible(), !c.enabled);
        EXPECT_EQ((c.enabled ? block->onImage() : block->offImage())->geometry(), QRect(405, 47, 160, 40));
        EXPECT_EQ(block->switchLabel()->pos(), c.enabled ? QPoint(425, 47) : QPoint(445, 47));
    }
    EXPECT_EQ(block->size(), QSize(610, 570));
    EXPECT_EQ(block->switchLabel()->text(), QStringLiteral("启用全部风控"));
    EXPECT_EQ(block->breakIcon()->pos(), QPoint(172, 56));

    // Afterwards one side alone moves nothing: the panel is not there.
    answerAll(builder, true, true);
    builder.install();
    block->switchSystem(1, QStringLiteral("s1"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(block->globalWidget()->globalState(), 2);
    EXPECT_TRUE(block->allEnabled());
    PaintRecorder::record(block);
    EXPECT_TRUE(block->onImage()->isVisible());
}

// The saves a confirmed "on" sends are checked end to end by the host test.
TEST_F(GlobalRiskTest, ConfirmedSwitchIsSetAtOnceCancelDoesNothing)
{
    Ocv::CAllRiskControlWidget* block = makeBlock();
    center()->clearSentOperations();
    for (int image : {0, 1}) {
        QuestionAnswer cancel(Kx::CMessageBox::Cancel);
        EXPECT_TRUE(deliver(block, 82, image));
        EXPECT_EQ(cancel.text, image == 0 ? QStringLiteral("确认启用所有风控设置!") : QStringLiteral("确认禁用所有风控设置!"));
        EXPECT_EQ(cancel.title, QStringLiteral("提示"));
        EXPECT_EQ(cancel.defaultButton, Kx::CMessageBox::NoButton);
        EXPECT_FALSE(block->allEnabled());
        EXPECT_EQ(block->productPanel(), nullptr);
        EXPECT_TRUE(center()->sentOperations().empty());
    }

    QuestionAnswer ok(Kx::CMessageBox::Ok);
    EXPECT_TRUE(deliver(block, 82, 0));
    EXPECT_TRUE(block->allEnabled()) << "set at once, before any answer";
    ASSERT_NE(block->productPanel(), nullptr);
    EXPECT_TRUE(block->productPanel()->isHidden());
    // Confirmed before any report: the first report still decides, an "off" alone too.
    emit block->globalWidget()->sigQueryResult(2, {futures(2, true, true)});
    EXPECT_FALSE(block->allEnabled());
    EXPECT_TRUE(block->offImage()->isVisible());
}

TEST_F(GlobalRiskTest, ShortcutsAskTheHostForTheRiskView)
{
    Ocv::CAllRiskControlWidget* block = makeBlock();
    EXPECT_TRUE(deliver(block, 9, 3));
    EXPECT_TRUE(deliver(block, 9, 1));
    EXPECT_TRUE(deliver(block, 82, 2));
    EXPECT_FALSE(deliver(block, 5, 0));
    ASSERT_EQ(sink->received.size(), 2u);
    for (const kit::Event& event : sink->received)
        EXPECT_EQ(event, kit::Event(3000, -1, 502, QString(), nullptr));
    // The 3122 of an empty table changes nothing but ends the first update.
    EXPECT_TRUE(deliver(block, 3122, 0));
    EXPECT_FALSE(block->allEnabled());
}

} // namespace

namespace {

// The answers follow the client's selected system: one of a system switched away from is dropped,
// even when the system switched to fails to answer.
TEST_F(GlobalRiskTest, AnswersOfASystemSwitchedAwayFromAreDropped)
{
    builder.server("old").answer(23434, "2", {futures(2, true, true)});
    builder.server("new").error(23434, "全局风控服务不可用");
    Ocv::CGlobalRiskControlWidget* table = makeTable();
    center()->setSystemName("old");
    table->switchSystem(2, QStringLiteral("old"));
    center()->setSystemName("new");
    table->switchSystem(3, QStringLiteral("new"));
    ASSERT_TRUE(kit::waitForAnswers());
    EXPECT_EQ(table->globalState(), 0);
    EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(table), QStringLiteral("禁用")), 0);
}

} // namespace
