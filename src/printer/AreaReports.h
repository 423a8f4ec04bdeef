#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace nimbrel::printer {

// Occupancy grids of the printer's memory: one reply byte per slot, "Y" meaning occupied.

// Marks 0..85 in rows of ten; byte k-1 describes mark k, and mark 0 (the one being printed)
// has no byte and always shows free.
QString buildMarkAreaReport(const QByteArray& reply, int xpFlag);
// Logos 0..127 in rows of eight; byte k describes logo k.
QString buildLogoAreaReport(const QByteArray& reply);

// The occupied slots of each map, ascending: marks 1..85, logos 0..127.
std::vector<int> occupiedMarks(const QByteArray& reply);
std::vector<int> occupiedLogos(const QByteArray& reply);

} // namespace nimbrel::printer
