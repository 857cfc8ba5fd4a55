#include <QCoreApplication>

#include <gtest/gtest.h>

// The fuzz test's entry point: that executable is built apart from the others, with its own
// sanitizer flags and only Qt Core, so it brings its own main with a core application.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
