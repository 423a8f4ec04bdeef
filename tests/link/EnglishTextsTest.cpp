#include "link/PortControl.h"
#include "logos/LogoOperations.h"
#include "logos/StatusTexts.h"
#include "marks/FragmentRecord.h"
#include "marks/MarkOperations.h"
#include "marks/MarkTable.h"
#include "platform/Language.h"
#include "printer/LineCount.h"
#include "printer/PrintModeReport.h"
#include "printer/SettingsReport.h"

#include <gtest/gtest.h>

using namespace nimbrel;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// English for the test's length, Russian again whatever happens.
struct EnglishScope {
    EnglishScope() { loaded = platform::useLanguage(platform::Language::English); }
    ~EnglishScope() { platform::useLanguage(platform::Language::Russian); }
    bool loaded = false;
};

// The reports, messages and names of the layers below the window in English; what files and
// scripts read stays Russian.
TEST(EnglishTexts, KeyTextsAndWhatStaysRussian) {
    const EnglishScope english;
    ASSERT_TRUE(english.loaded);
    const QByteArray settings(80, '\0'); // byte 16 clear: the test threshold is automatic
    const printer::Report report = printer::settingsReport(settings, QStringLiteral("T260"), 0);
    const QStringList lines = report.text.split(QStringLiteral("\n\r"));
    const QByteArray mode("\x00\x40", 2);
    platform::OpenResult notFound;
    notFound.error = platform::OpenError::NotFound;
    marks::MarkTable table;
    logos::LogoState logo;
    logo.width = 120;
    logo.height = 16;

    const struct {
        const char* what;
        QString text;
        const char* expected;
    } cases[] = {
        {"settings heading", lines.at(0),
         "PRINT SYSTEM SETTINGS  ( T260 ) :\r\n\nAutoprint interval by time, ms\t\t0"},
        {"settings line", lines.at(4), "Drop frequency\t\t\t100.0 kHz  "},
        {"settings value", lines.at(13), "Charge phase test threshold\t\t0 (auto)"},
        {"settings field for scripts",
         report.fields.at(13).label + u'=' + report.fields.at(13).value,
         "Порог тестирования фазы заряда=0 (авто)"},
        {"print mode line",
         printer::buildPrintModeReport(mode, 0).split(QStringLiteral("\n\r")).at(1),
         "Reverse print\t\t\tYES"},
        {"print mode switch for scripts", printer::printModeSwitches(mode).at(1).label,
         "Реверс печати"},
        {"port not found",
         link::openFailureText(QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0"), notFound),
         "SERIAL PORT COM3 (/dev/ttyUSB0) NOT FOUND:\n\rthe device is missing or "
         "disconnected.\n\rChoose another port."},
        {"read error", link::readErrorText(QStringLiteral("COM3")),
         "Error reading data from the printer (COM3)!"},
        {"line count differs", printer::lineCountDiffersText(3),
         "The number of print lines is not set: the printer reports 3."},
        {"mark unchecked", marks::markUncheckedText(5),
         "Mark #05 was written, but could not be checked: the printer did not answer the read."},
        {"logo unchecked", logos::logoUncheckedText(7, true),
         "Logo #007 was deleted, but this could not be checked: the printer did not answer the "
         "read."},
        {"fragment report", marks::fragmentReport(1, 2, QByteArray("\x1D\x03\x02OK", 5)),
         "FRAGMENT #12:\r\n\nType:    POST-DATE\n\rFont:    03\n\rText:    'OK'."},
        {"type shown", table.data(table.index(0, marks::MarkTable::kType)).toString(), "Text"},
        {"type kept", table.cell(0, marks::MarkTable::kType), "Текст"},
        {"logo size", logos::sizeStatus(logo), "Size XY: 120x16"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, u(c.expected)) << c.what;
}

} // namespace
