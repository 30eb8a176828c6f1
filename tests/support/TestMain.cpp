// Test entry point: a GUI application object on Qt's offscreen platform (unless the test
// environment chose another), so that tests of every floor can use events, timers and widgets.
// The libraries the test program links are started as the tool starts them, so their classes are
// found by name as in the tool.
#include <QApplication>
#include <gtest/gtest.h>

void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvoProgramStartup();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
