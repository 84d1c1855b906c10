#include "ControlTestKit.h"
#include "HpfTableTestKit.h"
#include "PaintLog.h"

#include "kx/CBaseTableColumnCheckBoxDelegate.h"
#include "kx/CBaseTableColumnMultiButtonsDelegate.h"
#include "kx/CStandardHpfTable.h"

#include <QApplication>
#include <QJsonArray>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kit::Events;
using kit::PaintOp;
using kit::PaintRecorder;
using kit::themeColor;
using Kx::CBaseTableColumnCheckBoxDelegate;
using Kx::CBaseTableColumnMultiButtonsDelegate;
using Kx::CStandardHpfTable;
using kxtest::row;
using ButtonData = CBaseTableColumnMultiButtonsDelegate::ButtonData;

class TableDelegates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        for (int i = 0; i < 4; ++i)
            model.addData(row(QStringLiteral("k%1").arg(i), QStringLiteral("user%1").arg(i), i));
        table->setDataModel(&model);
        table->setColumnDelegate(3, buttons);
        table->setColumnDelegate(4, boxes);
        table->setColumnWidth(3, 200);
        table->setGeometry(0, 0, 580, 200);
        sink.resize(600, 300);
        sink.show();
    }

    void clickAt(const QPoint& pos) { QTest::mouseClick(table, Qt::LeftButton, {}, pos); }
    QPoint boxOf(int row) const { return table->cellRect(row, 4).center(); }

    kxtest::TestModel model;
    kit::EventSink sink;
    CStandardHpfTable* table = new CStandardHpfTable(3, &sink, 0);
    CBaseTableColumnCheckBoxDelegate* boxes = new CBaseTableColumnCheckBoxDelegate(table);
    CBaseTableColumnMultiButtonsDelegate* buttons = new CBaseTableColumnMultiButtonsDelegate(nullptr);
};

TEST_F(TableDelegates, ACheckBoxClickTogglesItAndTheStatusMapHoldsTheRowsWithBoxes)
{
    boxes->setItemVisible("k1", true, true);
    boxes->setItemChecked("k2", true, true, false);
    EXPECT_EQ(boxes->getStatusMap(), (QMap<QString, bool>{{"k1", false}, {"k2", true}}));

    clickAt(boxOf(1));
    clickAt(boxOf(2));
    clickAt(boxOf(0));
    EXPECT_EQ(boxes->getStatusMap(), (QMap<QString, bool>{{"k1", true}, {"k2", false}}));
    EXPECT_EQ(sink.received, (Events{{227, 3, 1, "k1", nullptr},
                                     {227, 3, 0, "k2", nullptr},
                                     {223, 3, 1, "k0", table},
                                     {221, 3, 0, "k0", table}}))
        << "a row without a box is selected instead";
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({"k0"}));

    boxes->setItemVisible("k1", false, true);
    clickAt(boxOf(1));
    EXPECT_EQ(boxes->getStatusMap(), (QMap<QString, bool>{{"k2", false}}));
    EXPECT_TRUE(boxes->isItemChecked("k1")) << "kept for when it is shown again";
    sink.received.clear();
    boxes->setItemChecked("k2", true, false, true);
    EXPECT_EQ(sink.received, (Events{{227, 3, 1, "k2", nullptr}}));
    table->clear();
    EXPECT_TRUE(boxes->getStatusMap().isEmpty());
}

TEST_F(TableDelegates, AButtonClickDeliversTheRowKeyAndTheButtonId)
{
    buttons->setItemButtons(
        "k2", {ButtonData{0, "强制退出", 11, false, {}}, ButtonData{1, "锁定", 12, true, {}}}, true);
    const QVector<QRect> rects = buttons->buttonRects("k2", table->cellRect(2, 3));
    ASSERT_EQ(rects.size(), 2);
    clickAt(rects[0].center());
    clickAt(rects[1].center());
    ASSERT_EQ(sink.received.size(), 1u) << "the disabled button does not click";
    const auto& [id, a, b, text, data] = sink.received.front();
    EXPECT_EQ(std::tie(id, a, b, text), std::make_tuple(228, 3, 11, QString("k2")));
    EXPECT_NE(data, nullptr);
    EXPECT_TRUE(table->selectedKeys().isEmpty());

    buttons->setItemVisible("k2", false, true);
    clickAt(rects[0].center());
    EXPECT_EQ(PaintRecorder::countText(PaintRecorder::record(table), "强制退出"), 0);
    EXPECT_EQ(std::get<0>(sink.received.back()), 221) << "with its buttons hidden the click selects the row";
    EXPECT_EQ(table->selectedKeys(), QSet<QString>({"k2"}));
}

TEST_F(TableDelegates, ThePaintLogRecordsTheRowsCellsBoxesAndButtons)
{
    boxes->setItemChecked("k1", true, false, false);
    buttons->setItemButtons("k1", {ButtonData{0, "Logout", 5, false, {}}}, false);
    model.sortByColumnID(0, Qt::DescendingOrder);
    table->updateTable();
    QList<QJsonObject> headers;
    QList<QJsonObject> cells;
    for (const QJsonObject& line : kit::paintLog(&sink)) {
        if (line["op"] == "header")
            headers.append(line);
        if (line["op"] == "cell" && line["key"] == "k1")
            cells.append(line);
    }
    ASSERT_EQ(headers.size(), 5);
    EXPECT_EQ(headers[0]["sort"], "descending");
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0]["row"], 2);
    EXPECT_EQ(cells[3]["buttons"].toArray().first().toObject()["text"], "Logout");
    EXPECT_EQ(cells[4]["checked"], true);
    EXPECT_FALSE(cells[2].contains("checked"));
}

TEST_F(TableDelegates, WidthsMakeRoomForTheButtonsAndADoubleClickOnABoxTogglesTwice)
{
    buttons->setItemButtons("k0", {ButtonData{0, "A", 1, false, {}}, ButtonData{0, "Longer", 2, false, {}}},
                            false);
    table->adjustColumnWidth();
    const QRect cell = table->cellRect(0, 3);
    const QVector<QRect> rects = buttons->buttonRects("k0", cell);
    EXPECT_EQ(cell.right() + 1, rects.last().right() + 1 + CStandardHpfTable::kCellPadding);

    boxes->setItemVisible("k3", true, false);
    QTest::mouseClick(table, Qt::LeftButton, {}, boxOf(3));
    QMouseEvent second(QEvent::MouseButtonDblClick, boxOf(3), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table, &second);
    QTest::mouseRelease(table, Qt::LeftButton, {}, boxOf(3));
    EXPECT_FALSE(boxes->isItemChecked("k3"));
    EXPECT_EQ(std::count_if(sink.received.begin(), sink.received.end(),
                            [](const kit::Event& e) { return std::get<0>(e) == 227; }),
              2);
}

} // namespace
