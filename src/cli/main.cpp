#include "cli/Cli.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/SystemSerialPort.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The environment's language; --lang, read by runCli, overrides it for the run.
    nimbrel::platform::useLanguage(nimbrel::platform::environmentLanguage(),
                                   nimbrel::platform::QtTexts::English);
    nimbrel::platform::ignoreFileSizeSignal();
    nimbrel::platform::SystemDeviceLister lister;
    nimbrel::platform::SystemSerialPort port;
    nimbrel::platform::SystemClock clock;
    nimbrel::cli::Console console;
    console.out = [](const QString& text) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    };
    console.err = [](const QString& text) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
        std::fflush(stderr);
    };
    console.progress = isatty(STDERR_FILENO) == 1;
    nimbrel::cli::Environment env{lister, port, clock, console};
    env.makePort = [] { return std::make_unique<nimbrel::platform::SystemSerialPort>(); };
    return nimbrel::cli::runCli(app.arguments().mid(1), env);
}
