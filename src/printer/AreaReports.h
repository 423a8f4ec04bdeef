#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// Occupancy grids of the printer's memory: one reply byte per slot, "Y" meaning occupied.

// Marks 0..85 in rows of ten; byte k-1 describes mark k, and mark 0 (the one being printed)
// has no byte and always shows free.
QString buildMarkAreaReport(const QByteArray& reply, int xpFlag);
// Logos 0..127 in rows of eight; byte k describes logo k.
QString buildLogoAreaReport(const QByteArray& reply);

} // namespace nimbrel::printer
