#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ProgramFont.h"
#include "app/QtDialogs.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/Language.h"
#include "platform/SystemSerialPort.h"
#include "session/Dispatcher.h"
#include "session/Session.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    if (const auto text = nimbrel::app::informationOptionText({argv + 1, argv + argc})) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    nimbrel::platform::ignoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nimbrel"));
    // The program's texts and Qt's own (file dialogs, context menus) in the user's language.
    nimbrel::platform::useLanguage(nimbrel::platform::environmentLanguage());
    // Arial's metrics, which the fixed control and status-field sizes were laid out for.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));

    nimbrel::platform::SystemClock clock;
    nimbrel::platform::SystemSerialPort port;
    nimbrel::platform::SystemDeviceLister lister;
    nimbrel::app::QtDialogs dialogs(nullptr);
    nimbrel::session::Session session(port, clock, dialogs, lister);
    // The last port opened is proposed at the next start: ~/.config/nimbrel/nimbrel.conf.
    const auto settings = [] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("nimbrel"), QStringLiteral("nimbrel"));
    };
    session.rememberedPort = {settings()->value(QStringLiteral("port/last")).toString(),
                              [settings](const QString& name) {
                                  settings()->setValue(QStringLiteral("port/last"), name);
                              }};
    nimbrel::session::Dispatcher dispatcher(session);
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
