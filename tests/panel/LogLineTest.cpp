#include "LogCapture.h"

#include "base/WelcomeLog.h"
#include "data/CLogCenter.h"
#include "utils/CSingletonT.h"

#include <gtest/gtest.h>

namespace Ocv {
// Writes one line the way the module's widgets do.
struct LogProbe
{
    void write(const QString& text) { WELCOME_LOG(text); }
};
} // namespace Ocv

namespace {

Ocv::CLogCenter* logCenter()
{
    return utils::CSingletonT<Ocv::CLogCenter>::instance();
}

class LogLine : public ::testing::Test
{
protected:
    void TearDown() override
    {
        logCenter()->setLogEnabled(true);
        logCenter()->logger()->setLevel(log4cxx::Level::getInfo());
    }
    kit::LogCapture log{"client"};
    Ocv::LogProbe probe;
};

TEST_F(LogLine, ReadsObjectMethodAndTextAtInfoOnlyWhenEnabledAndTheLoggerTakesInfo)
{
    probe.write(QStringLiteral("query 12235 on 's1'"));
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].level, log4cxx::Level::INFO_INT);
    const QString address = QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(&probe), 16);
    EXPECT_EQ(lines[0].message,
              QStringLiteral("[%1] [Ocv::LogProbe::write] query 12235 on 's1'").arg(address));
    EXPECT_TRUE(lines[0].function.contains(QStringLiteral("write"))) << lines[0].function.toStdString();
    EXPECT_GT(lines[0].lineNumber, 0);

    // Written only when enabled and the logger takes info.
    logCenter()->setLogEnabled(false);
    probe.write(QStringLiteral("off"));
    logCenter()->setLogEnabled(true);
    logCenter()->logger()->setLevel(log4cxx::Level::getWarn());
    probe.write(QStringLiteral("warn only"));
    EXPECT_EQ(log.lines().size(), 1u);
    logCenter()->logger()->setLevel(log4cxx::Level::getInfo());
    probe.write(QStringLiteral("on"));
    EXPECT_EQ(log.lines().size(), 2u);
}

TEST_F(LogLine, MethodNameIsQualifiedWithoutReturnTypeOrArguments)
{
    EXPECT_EQ(Ocv::qualifiedMethodName("void Ocv::CWelcomeWidget::refresh()"),
              QStringLiteral("Ocv::CWelcomeWidget::refresh"));
    EXPECT_EQ(Ocv::qualifiedMethodName("void Ocv::CWelcomeWidget::onQueryData(const utils::TTError&, int)"),
              QStringLiteral("Ocv::CWelcomeWidget::onQueryData"));
    EXPECT_EQ(Ocv::qualifiedMethodName("Ocv::CMiddleWidget::CMiddleWidget(QWidget*)"),
              QStringLiteral("Ocv::CMiddleWidget::CMiddleWidget"));
}

} // namespace
