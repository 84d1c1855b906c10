#pragma once

#include "AnswerWait.h"
#include "ScenarioBuilder.h"
#include "Theme.h"

#include "data/CVornClient.h"
#include "data/CVornClientCenter.h"
#include "data/ttservice/CVornBaseInfoStatistics.h"
#include "data/ttservice/CVornQueryDataReq.h"
#include "kx/CComboBox.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "sim/SimPlatform.h"
#include "siblings/CAccountOpeningDialog.h"
#include "siblings/CCreateAccountDialog.h"
#include "siblings/CCreateUserDialog.h"
#include "siblings/CProductBatchCreateDialog.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

namespace siblingstest {

using Stats = ttservice::CVornBaseInfoStatistics;

// Two servers with small populations on a fixed day, so that the "today" counts are exact.
class CreationDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kit::loadShippedTheme();
        kit::ScenarioBuilder()
            .now(QDateTime(QDate(2026, 12, 5), QTime(10, 30)))
            .server("主服务器", 20)
            .population({30, 10, 20, 7, {}})
            .server("备用服务器", 20)
            .population({5, 3, 4, 9, {}})
            .install();
    }
    void TearDown() override { sim::SimPlatform::install(sim::Scenario()); }

    // The first record of the server's next answer, of class T, as a widget would query it.
    template <class T>
    boost::shared_ptr<T> first(const std::string& server, int dataType, const std::string& param = "")
    {
        auto req = boost::make_shared<ttservice::CVornQueryDataReq>();
        req->dataType = dataType;
        req->param = param;
        boost::shared_ptr<T> found; // written on the worker, read once the answer is counted as done
        center->getClientByName(server)->queryData_async(
            req,
            [&found](const utils::TTError&, const std::vector<ttservice::IDataPtr>& records, int,
                     const bson::BSONObj&) {
                if (!records.empty())
                    found = boost::dynamic_pointer_cast<T>(records[0]);
            },
            0);
        EXPECT_TRUE(kit::waitForAnswers());
        return found;
    }
    // The server's next base statistics, as the dashboard would query them.
    Stats statistics(const std::string& server = "主服务器")
    {
        const auto stats = first<Stats>(server, 12254);
        return stats ? *stats : Stats();
    }

    template <class W = QLineEdit> static W* field(QWidget* dialog, const QString& name)
    {
        auto* widget = dialog->findChild<W*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    // As a user would: select all, delete, then the input method's commit.
    static void type(QWidget* dialog, const QString& name, const QString& text)
    {
        QLineEdit* edit = field(dialog, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QInputMethodEvent input;
        input.setCommitString(text);
        QCoreApplication::sendEvent(edit, &input);
    }
    static void choose(QWidget* dialog, const char* name, int code)
    {
        field<Kx::CComboBox>(dialog, name)
            ->setCurrentIndex(field<Kx::CComboBox>(dialog, name)->findData(code));
    }
    // The message line's text while it is shown.
    static QString message(QWidget* dialog, const QString& name)
    {
        auto* line = field<Kx::CSimpleTextWidget>(dialog, name);
        return line && line->isVisible() ? line->text() : QString();
    }
    static void click(QWidget* d, const char* b)
    {
        QTest::mouseClick(field<Kx::CPushButton>(d, b), Qt::LeftButton);
    }

    // Clicks OK and waits for the answers. While they are out the dialog must stay open and
    // take no second OK. Returns the records the click sent.
    std::vector<Ocv::CVornClientCenter::SentOperation> submit(QDialog* dialog)
    {
        const std::size_t before = center->sentOperations().size();
        click(dialog, "common_dialog_ok");
        auto sent = center->sentOperations();
        sent.erase(sent.begin(), sent.begin() + before);
        if (!sent.empty()) {
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_FALSE(field<Kx::CPushButton>(dialog, "common_dialog_ok")->isEnabled());
            click(dialog, "common_dialog_ok");
            QTest::keyClick(dialog, Qt::Key_Return);
            EXPECT_EQ(center->sentOperations().size(), before + sent.size()) << "submitted twice";
        }
        EXPECT_TRUE(kit::waitForAnswers());
        return sent;
    }

    // The texts of the success reports, each an information with the usual flags.
    std::vector<QString> shownMessages() const
    {
        std::vector<QString> texts;
        for (const auto& shown : center->serverMessages())
            texts.push_back(shown.ok && shown.type == 0 && shown.title == "提示" && shown.b1 && !shown.b2
                                ? shown.text
                                : "(not a success report)");
        return texts;
    }

    Ocv::CVornClientCenter* center = kit::center();
};

} // namespace siblingstest
