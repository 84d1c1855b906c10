#include <QApplication>

#include <gtest/gtest.h>

// The offscreen platform plugin keeps allocations for the life of the process; nothing else
// is excused from the leak check of sanitizer builds.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n";
}

// Widgets need a QApplication; tests run headless unless the caller chose a platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
