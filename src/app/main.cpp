#include "app/Dispatcher.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/Session.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/SerialPortPosix.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nimbrel"));

    nimbrel::platform::SystemClock clock;
    nimbrel::platform::SerialPortPosix port;
    nimbrel::platform::SystemDeviceLister lister;
    nimbrel::app::QtDialogs dialogs(nullptr);
    nimbrel::app::Session session(port, clock, dialogs, lister);
    nimbrel::app::Dispatcher dispatcher(session);
    nimbrel::app::MainWindow window(session, dispatcher);
    dialogs.setParentWidget(&window);

    const QString startDirectory = QDir::currentPath();
    window.show();
    window.render();
    // The first connection is asked for once the window is on screen.
    QTimer::singleShot(0, &window, [&] {
        dispatcher.startUp(startDirectory);
        window.render();
    });
    return QApplication::exec();
}
