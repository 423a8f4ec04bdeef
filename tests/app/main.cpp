#include "app/ProgramFont.h"

#include <QApplication>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // Widget tests need no display; a developer may still pick a platform to watch them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleMock(&argc, argv);
    QApplication app(argc, argv);
    // Widgets are measured in the font the program itself runs with.
    QApplication::setFont(nimbrel::app::programFont());
    return RUN_ALL_TESTS();
}
