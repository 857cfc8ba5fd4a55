#include <QCoreApplication>

#include <gtest/gtest.h>

// Network replies, timers and the local servers need a Qt application and its event loop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
