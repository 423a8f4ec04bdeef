#include "app/CommandLine.h"

#include "nimbrel/Version.h"

#include <QCoreApplication>

namespace nimbrel::app {

std::optional<std::string> informationOptionText(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--version")
            return std::string("nimbrel ") + kVersion + "\n";
        if (arg == "--help")
            return QCoreApplication::translate(
                       "CommandLine",
                       "Использование: nimbrel [--version | --help]\n"
                       "Программа для работы с текстовыми марками и логотипами маркираторов\n"
                       "T2x/T7x/T9x через последовательный порт. Порт выбирается по номеру COM\n"
                       "в окне, которое открывается при запуске (см. man nimbrel).\n"
                       "\n"
                       "  --version  показать версию и выйти\n"
                       "  --help     показать эту справку и выйти\n")
                .toStdString();
    }
    return std::nullopt;
}

} // namespace nimbrel::app
