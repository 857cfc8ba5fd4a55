// Default entry point of the GoogleTest executables: a headless Qt application object, so image
// plug-ins, timers and queued signals work, then every test. A test file that defines its own
// main replaces this one.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
