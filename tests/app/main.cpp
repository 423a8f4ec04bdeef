#include <QApplication>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // Widget tests need no display; a developer may still pick a platform to watch them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleMock(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
