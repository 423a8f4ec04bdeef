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
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// The window's settings: ~/.config/nimbrel/nimbrel.conf.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("nimbrel"), QStringLiteral("nimbrel"));
}

} // namespace

int main(int argc, char* argv[]) {
    using nimbrel::platform::Language;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (nimbrel::app::informationOptionText(args)) {
        // No window: only the translation needs the application object.
        QCoreApplication core(argc, argv);
        nimbrel::platform::useLanguage(nimbrel::platform::environmentLanguage());
        std::fputs(nimbrel::app::informationOptionText(args)->c_str(), stdout);
        return 0;
    }
    nimbrel::platform::ignoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nimbrel"));
    // The program's texts and Qt's own (file dialogs, context menus) in the language chosen
    // in the help menu, or else the user's.
    const auto chosen = nimbrel::platform::languageFromCode(
        settings()->value(QStringLiteral("language")).toString());
    nimbrel::platform::useLanguage(chosen.value_or(nimbrel::platform::environmentLanguage()));
    // Arial's metrics, which the fixed control and status-field sizes were laid out for.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));

    nimbrel::platform::SystemClock clock;
    nimbrel::platform::SystemSerialPort port;
    nimbrel::platform::SystemDeviceLister lister;
    nimbrel::app::QtDialogs dialogs(nullptr);
    nimbrel::session::Session session(port, clock, dialogs, lister);
    session.saveLanguage = [](Language language) {
        settings()->setValue(QStringLiteral("language"), nimbrel::platform::languageCode(language));
    };
    // The last port opened is proposed at the next start.
    session.rememberedPort = {
        settings()->value(QStringLiteral("port/last")).toString(),
        [](const QString& name) { settings()->setValue(QStringLiteral("port/last"), name); }};
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
