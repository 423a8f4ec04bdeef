#pragma once

#include "link/Exchange.h"
#include "link/WriteCheck.h"

#include <QString>

namespace nimbrel::printer {

// The printer's information and settings commands as exchanges: no questions, no messages,
// no icons. A failed exchange leaves its error in the result.

// A model code the program can go by: four letters or digits. Besides the nine it knows, a
// printer may name a model of its own; it is then taken as one of the T7x/T9x family.
bool isModelCode(const QString& model);

struct VersionResult {
    link::ExchangeError error = link::ExchangeError::None;
    QByteArray reply;
    bool ok() const { return error == link::ExchangeError::None; }
    // A printer that is connected but not switched on answers with an empty text.
    bool empty() const;
    QString text() const;
    QString model() const;
};

VersionResult readVersion(link::Line& line);
link::ExchangeResult readWorkingHours(link::Line& line);
link::ExchangeResult readPrintedCount(link::Line& line);
// The print-system settings block; its layout and length follow the model.
link::ExchangeResult readSettings(link::Line& line, const QString& model);
// The settings reply in the 256-byte buffer it is read into, as a backup keeps it.
QByteArray settingsBuffer(const QByteArray& reply);
link::ExchangeResult readPrintMode(link::Line& line);
// One byte per slot, "Y" for an occupied one.
link::ExchangeResult readMarkArea(link::Line& line);
link::ExchangeResult readLogoArea(link::Line& line);
link::ExchangeResult readLineCount(link::Line& line);

// The set commands get no reply: a refused write, or one that never leaves the output queue,
// is an error.
link::ExchangeError setClock(link::Line& line, const QString& dateDigits,
                             const QString& timeDigits);
link::ExchangeError setDateOffset(link::Line& line, int days);
// `typed` goes out exactly as the user typed it; the printer's own count is then read back and
// compared with the number typed. `reported` is the count it reports (Differs, Confirmed).
link::WriteCheck setLineCount(link::Line& line, const QString& typed, int& reported);

} // namespace nimbrel::printer
