#include "base/WelcomeLog.h"

#include <gtest/gtest.h>

TEST(LogLine, MethodNameIsQualifiedWithoutReturnTypeOrArguments)
{
    EXPECT_EQ(Ocv::qualifiedMethodName("void Ocv::CWelcomeWidget::refresh()"),
              QStringLiteral("Ocv::CWelcomeWidget::refresh"));
    EXPECT_EQ(Ocv::qualifiedMethodName("void Ocv::CWelcomeWidget::onQueryData(const utils::TTError&, int)"),
              QStringLiteral("Ocv::CWelcomeWidget::onQueryData"));
    EXPECT_EQ(Ocv::qualifiedMethodName("Ocv::CMiddleWidget::CMiddleWidget(QWidget*)"),
              QStringLiteral("Ocv::CMiddleWidget::CMiddleWidget"));
}
