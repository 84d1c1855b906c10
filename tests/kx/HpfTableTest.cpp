#include "ControlTestKit.h"
#include "HpfTableTestKit.h"

#include "kx/CLineEdit.h"
#include "kx/CLoadingMaskWidget.h"
#include "kx/CStandardHpfTable.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kit::Event;
using kit::PaintOp;
using kit::PaintRecorder;
using kit::themeColor;
using Kx::CStandardHpfTable;
using kxtest::contains;
using kxtest::row;
using kxtest::visibleKeys;

QString key(int i)
{
    return QStringLiteral("k%1").arg(i, 3, 10, QLatin1Char('0'));
}

QStringList painted(const QVector<PaintOp>& ops, const QString& prefix)
{
    QStringList texts;
    for (const PaintOp& op : PaintRecorder::texts(ops)) {
        if (op.text.startsWith(prefix))
            texts.append(op.text);
    }
    return texts;
}

class HpfTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        for (int i = 0; i < 100; ++i)
            model.addData(
                row(key(i), QStringLiteral("name%1").arg(i, 3, 10, QLatin1Char('0')), 100 - i, i * 0.5));
        sink.resize(700, 400);
        table->setGeometry(0, 0, 600, CStandardHpfTable::kHeaderHeight + 5 * CStandardHpfTable::kRowHeight);
        table->setDataModel(&model);
        sink.show();
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}, int column = 0)
    {
        QTest::mouseClick(table, Qt::LeftButton, modifiers, table->cellRect(row, column).center());
    }
    bool received(const Event& event) const
    {
        return std::find(sink.received.begin(), sink.received.end(), event) != sink.received.end();
    }

    kxtest::TestModel model;
    kit::EventSink sink;
    CStandardHpfTable* table =
        new CStandardHpfTable(7, &sink, CStandardHpfTable::MenuCopy | CStandardHpfTable::MenuColumns);
};

TEST_F(HpfTable, PaintsTheRowsInViewAndAHeaderClickSortsAndASecondReversesWithTheIndicator)
{
    auto ops = PaintRecorder::record(table);
    EXPECT_EQ(painted(ops, "name"), QStringList({"name000", "name001", "name002", "name003", "name004"}));
    EXPECT_EQ(PaintRecorder::findText(ops, "100").color, QColor(Qt::red)) << "text colour from the row";

    const QRect header = table->headerRect(1);
    QTest::mouseClick(table, Qt::LeftButton, {}, header.center());
    EXPECT_EQ(model.dataAt(0)->qsKey(), key(99));
    ops = PaintRecorder::record(table);
    const PaintOp up = PaintRecorder::findText(ops, QStringLiteral("▲"));
    EXPECT_TRUE(header.contains(up.pos.toPoint()));
    EXPECT_EQ(up.color, themeColor("clr_table_sort_indicator"));
    EXPECT_EQ(painted(ops, "name"), QStringList({"name099", "name098", "name097", "name096", "name095"}));

    QTest::mouseClick(table, Qt::LeftButton, {}, header.center());
    ops = PaintRecorder::record(table);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("▲")), 0);
    EXPECT_EQ(PaintRecorder::countText(ops, QStringLiteral("▼")), 1);
    EXPECT_EQ(model.dataAt(0)->qsKey(), key(0));
    EXPECT_TRUE(received({224, 7, 1, "ascending", table}));
    EXPECT_TRUE(received({224, 7, 1, "descending", table}));
    table->scrollToRow(50);
    EXPECT_EQ(painted(PaintRecorder::record(table), "name"),
              QStringList({"name050", "name051", "name052", "name053", "name054"}));
}

TEST_F(HpfTable, ClickCtrlAndShiftSelectRowsAndCtrlCCopiesThem)
{
    click(1);
    click(3, Qt::ControlModifier);
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(1), key(3)}));
    click(4, Qt::ShiftModifier);
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(3), key(4)})) << "from the anchor, row 3";
    click(0, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(table->selectedKeys().size(), 5);
    click(2, Qt::ControlModifier);
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_TRUE(received({221, 7, 2, key(2), table}));
    EXPECT_TRUE(received({223, 7, 4, key(2), table}));

    table->hideColumn(3);
    table->hideColumn(4, true);
    table->showColumn(4);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "name000\t100\t0.0000\nname001\t99\t0.5000\nname003\t97\t1.5000\nname004\t96\t2.0000");
}

TEST_F(HpfTable, KeysMoveTheCurrentRowAndKeepItInView)
{
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentRow(), 0);
    QTest::keyClick(table, Qt::Key_PageDown);
    EXPECT_EQ(table->currentRow(), 5);
    EXPECT_EQ(table->firstShownRow(), 1);
    QTest::keyClick(table, Qt::Key_End);
    EXPECT_EQ(table->firstShownRow(), 95);
    QTest::keyClick(table, Qt::Key_PageUp);
    QTest::keyClick(table, Qt::Key_Up);
    EXPECT_EQ(table->currentRow(), 93);
    EXPECT_EQ(table->firstShownRow(), 93);
    QTest::keyClick(table, Qt::Key_Home);
    QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(0), key(1), key(2)}));

    const QRect line = table->cellRect(1, 0);
    bool highlighted = false;
    for (const PaintOp& op : PaintRecorder::record(table))
        highlighted |= op.kind == PaintOp::Rect && op.rect.contains(line) &&
                       op.fill == themeColor("clr_table_selection");
    EXPECT_TRUE(highlighted);

    table->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(table->currentRow(), 97) << "the current row follows its key through the sort";
}

TEST_F(HpfTable, FunnelOpensAFilterThatEnterAppliesAndEscapeDrops)
{
    table->setFilterableColumns({0, 1});
    auto openFilter = [&](int column) {
        const QRect header = table->headerRect(column);
        QTest::mouseClick(table, Qt::LeftButton, {}, QPoint(header.right() - 8, header.center().y()));
        return table->findChild<Kx::CLineEdit*>(QStringLiteral("hpf_table_filter_editor"));
    };
    auto* editor = openFilter(1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("5"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(model.rowCount(), 100);

    editor = openFilter(0);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("NAME01"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_TRUE(received({225, 7, 0, "NAME01", table}));
    bool active = false;
    for (const PaintOp& op : PaintRecorder::record(table))
        active |= op.kind == PaintOp::Shape && op.color == themeColor("clr_table_filter_icon_active");
    EXPECT_TRUE(active);
    EXPECT_EQ(model.sortColumn(), -1) << "the funnel does not sort";
}

TEST_F(HpfTable, ShowsTheSummaryAndAfterAClearTheEmptyTextWhileAStepInFlightIsDropped)
{
    model.summary = true;
    table->filterColumn(0, contains({"name00"}));
    EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(table), "10 / 100 条"), 1);
    table->setBackgroundThreshold(0);
    table->sortByColumn(0, Qt::DescendingOrder);
    table->clear();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return !table->isBusy(); }, 5000));
    EXPECT_EQ(model.sortColumn(), -1);
    const auto ops = PaintRecorder::record(table);
    EXPECT_EQ(PaintRecorder::findText(ops, "Nothing here").color, themeColor("clr_table_empty_text"));
    EXPECT_EQ(PaintRecorder::countText(ops, "共 0 条"), 1);
    EXPECT_TRUE(table->selectedKeys().isEmpty());

    model.addData(row("a", "a"));
    table->sortByColumn(0, Qt::DescendingOrder);
    delete table;
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(model.sortColumn(), -1);
}

TEST_F(HpfTable, FrozenColumnsStayWhileTheRestScrollsSideways)
{
    model.frozen = 1;
    for (int c = 0; c < 5; ++c)
        table->setColumnWidth(c, 200);
    table->updateTable();
    const QRect second = table->headerRect(1);
    QWheelEvent wheel(QPointF(300, 100), QPointF(), QPoint(), QPoint(-240, 0), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &wheel);
    EXPECT_EQ(table->headerRect(0), QRect(0, 0, 200, CStandardHpfTable::kHeaderHeight));
    EXPECT_LT(table->headerRect(1).left(), second.left());
    EXPECT_EQ(table->shownColumns().first(), 0);
}

TEST_F(HpfTable, AdjustColumnWidthMeasuresTheRowsFromTheTopShownOneAndHeadersFitUnelided)
{
    for (int i = 100; i < 400; ++i)
        model.addData(row(key(i), QStringLiteral("n"), 1000 + i));
    model.addData(row("long", QString(30, QLatin1Char('W')), -1));
    table->sortByColumn(1, Qt::DescendingOrder);
    table->adjustColumnWidth();
    EXPECT_LT(table->columnWidth(0), 150) << "the long name is beyond the sampled rows";
    table->scrollToRow(400);
    table->adjustColumnWidth();
    const QFontMetricsF metrics(kit::themeFont("fnt_default_normal"));
    EXPECT_EQ(table->columnWidth(0),
              int(std::ceil(metrics.horizontalAdvance(QString(30, QLatin1Char('W'))))) + 16);

    // Sized to a header alone, the header is drawn whole (the width is not rounded down).
    model.clear();
    model.headers = QStringList{"TWAP", "MAC", "VWAP", "IS", "ICEBERG"};
    table->setFilterableColumns({1, 3});
    table->adjustColumnWidth();
    const auto ops = PaintRecorder::record(table);
    for (const QString& header : model.headers)
        EXPECT_EQ(PaintRecorder::countText(ops, header), 1) << header.toStdString();
}

TEST_F(HpfTable, LargeStepsRunBehindTheMaskAndAreSwappedIn)
{
    table->setBackgroundThreshold(0);
    auto* mask = table->findChild<Kx::CLoadingMaskWidget*>(QStringLiteral("loading_mask"));
    ASSERT_NE(mask, nullptr);
    table->sortByColumn(1, Qt::AscendingOrder);
    table->filterColumn(0, contains({"name09"}));
    EXPECT_TRUE(table->isBusy());
    EXPECT_TRUE(mask->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&]() { return !table->isBusy(); }, 5000));
    EXPECT_FALSE(mask->isVisible());
    EXPECT_EQ(painted(PaintRecorder::record(table), "name"),
              QStringList({"name099", "name098", "name097", "name096", "name095"}));
    EXPECT_EQ(model.rowCount(), 10);

    table->setAllData({row("a", "name09a", 5), row("b", "name09b", 1), row("c", "other", 0)});
    ASSERT_TRUE(QTest::qWaitFor([&]() { return !table->isBusy(); }, 5000));
    EXPECT_EQ(visibleKeys(model), QStringList({"b", "a"}));

    // Every step goes through the queue: a filter cleared while the previous one runs stays
    // cleared, and columns are sized once the rows of a load have landed.
    table->filterColumn(0, contains({"name09a"}));
    table->clearFilter();
    table->setAllData({row("d", QString(30, QLatin1Char('M')), 2), row("e", "e", 3)});
    table->adjustColumnWidth();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return !table->isBusy(); }, 5000));
    EXPECT_EQ(visibleKeys(model), QStringList({"d", "e"}));
    const QFontMetricsF metrics(kit::themeFont("fnt_default_normal"));
    EXPECT_EQ(table->columnWidth(0), int(std::ceil(metrics.horizontalAdvance(QString(30, QLatin1Char('M'))))) + 16);
}

TEST_F(HpfTable, RightClickMenusCopyTheSelectionAndShowOrHideColumns)
{
    auto menuAt = [&](const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, table->mapToGlobal(pos));
        QApplication::sendEvent(table, &event);
        return table->findChild<QMenu*>();
    };
    QMenu* menu = menuAt(table->cellRect(2, 0).center());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(2)})) << "a right click selects the row under it";
    menu->actions().first()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "name002\t98\t1.0000\t0\t");
    delete menu;

    table->hideColumn(4, true);
    menu = menuAt(table->headerRect(1).center());
    ASSERT_NE(menu, nullptr);
    QStringList offered;
    for (QAction* action : menu->actions())
        offered.append(action->text());
    EXPECT_EQ(offered, QStringList({"Name", "Count", "Amount", "Volume"}));
    menu->actions().at(1)->trigger();
    delete menu;
    EXPECT_EQ(table->headerTexts(), QStringList({"Name", "Amount", "Volume"}));
}

TEST_F(HpfTable, WithoutFlagsClicksSelectOneRowNoGridAndDoubleClickAndWheelWork)
{
    auto bodyLines = [&]() {
        int lines = 0;
        for (const PaintOp& op : PaintRecorder::record(table))
            lines += op.kind == PaintOp::Line && op.line.y1() >= CStandardHpfTable::kHeaderHeight;
        return lines;
    };
    EXPECT_GT(bodyLines(), 0);
    table->setTableFlags(0);
    click(1);
    click(3, Qt::ControlModifier);
    click(4, Qt::ShiftModifier);
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(4)}));
    EXPECT_EQ(bodyLines(), 0);

    QTest::mouseDClick(table, Qt::LeftButton, {}, table->cellRect(3, 0).center());
    EXPECT_TRUE(received({222, 7, 3, key(3), table}));
    const QPoint pos = table->cellRect(0, 0).center();
    QWheelEvent down(pos, table->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &down);
    EXPECT_EQ(table->firstShownRow(), 3);
}

TEST_F(HpfTable, UpdateTableDropsSelectedRowsThatLeftTheModel)
{
    click(1);
    click(2, Qt::ControlModifier);
    model.removeDataByKey(key(1));
    model.addData(row(key(2), QStringLiteral("name002b"), 98));
    table->updateTable();
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({key(2)})) << "a replaced row stays selected";
    EXPECT_EQ(painted(PaintRecorder::record(table), "name").mid(0, 3),
              QStringList({"name000", "name002b", "name003"}));
    EXPECT_EQ(table->currentRow(), 1);
}

TEST_F(HpfTable, ALargeCopyIsBuiltAwayFromTheGuiThread)
{
    for (int i = 100; i < CStandardHpfTable::kCopyAwayFrom; ++i)
        model.addData(row(key(i), QStringLiteral("name%1").arg(i), 100 - i));
    table->updateTable();
    QTest::keyClick(table, Qt::Key_Home);
    QTest::keyClick(table, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(table->selectedCount(), CStandardHpfTable::kCopyAwayFrom);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "before") << "handed over through the event loop";
    ASSERT_TRUE(QTest::qWaitFor([&]() { return clipboard->text() != "before"; }, 5000));
    const QStringList lines = clipboard->text().split('\n');
    EXPECT_EQ(lines.size(), CStandardHpfTable::kCopyAwayFrom);
    EXPECT_EQ(lines.first(), "name000\t100\t0.0000\t0\t");
    EXPECT_EQ(lines.last(), QStringLiteral("name%1\t%2\t0.0000\t0\t")
                                .arg(CStandardHpfTable::kCopyAwayFrom - 1)
                                .arg(101 - CStandardHpfTable::kCopyAwayFrom));
}

} // namespace
