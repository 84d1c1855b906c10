#include "PaintLog.h"

#include "kx/CBaseWidget.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(PaintLog, RecordsFrameworkAndModuleWidgetsOfThePanelAndItsShownDialogs)
{
    Kx::CBaseWidget panel("panel", true, nullptr);
    auto* inner = new Kx::CBaseWidget("inner", true, &panel);
    inner->move(10, 20);
    (new Kx::CBaseWidget("deep", false, new QLabel(inner)))->move(5, 6);
    (new Kx::CBaseWidget("hidden", true, &panel))->hide();
    auto* dialog = new Kx::CBaseWidget("dialog", true, inner);
    dialog->setWindowFlags(Qt::Dialog);
    (new Kx::CBaseWidget("closed", true, inner))->setWindowFlags(Qt::Dialog);
    new Kx::CBaseWidget("in_dialog", false, dialog);
    panel.show();
    dialog->show();

    QStringList blocks; // a widget's record, then its paint operations
    QMap<QString, QJsonObject> records;
    for (const QJsonObject& line : kit::paintLog(&panel)) {
        const QString name = line["widget"].toString();
        if (line["op"] == "widget")
            records[name] = line;
        const QString block = line["op"] == "widget" ? name : name + " ops";
        if (blocks.isEmpty() || blocks.last() != block)
            blocks << block;
    }
    EXPECT_EQ(blocks, QStringList({"panel", "panel ops", "inner", "inner ops", "deep", "hidden", "dialog",
                                   "dialog ops", "in_dialog"}));
    EXPECT_EQ(records["deep"]["x"].toInt(), 15);
    EXPECT_EQ(records["deep"]["y"].toInt(), 26);
    EXPECT_FALSE(records["hidden"]["visible"].toBool());
    EXPECT_EQ(records["in_dialog"]["window"], "dialog");
}

} // namespace
