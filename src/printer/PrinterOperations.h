#pragma once

#include "link/Exchange.h"

#include <QString>

namespace nimbrel::printer {

// The printer's information and settings commands as exchanges: no questions, no messages,
// no icons. A failed exchange leaves its error in the result.

// The nine models the program knows.
bool isKnownModel(const QString& model);

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
link::ExchangeResult readPrintMode(link::Line& line);
// One byte per slot, "Y" for an occupied one.
link::ExchangeResult readMarkArea(link::Line& line);
link::ExchangeResult readLogoArea(link::Line& line);
link::ExchangeResult readLineCount(link::Line& line);

// The set commands get no reply: only a refused write is an error.
link::ExchangeError setClock(link::Line& line, const QString& dateDigits,
                             const QString& timeDigits);
link::ExchangeError setDateOffset(link::Line& line, int days);
// `typed` goes out exactly as the user typed it.
link::ExchangeError setLineCount(link::Line& line, const QString& typed);

} // namespace nimbrel::printer
