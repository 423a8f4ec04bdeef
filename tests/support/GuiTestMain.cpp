#include <QGuiApplication>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // The preview draws text, which needs a GUI application; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleMock(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
