#pragma once

#include <QStringList>

#include <functional>

namespace nimbrel::app {

// Message texts line their columns up with tabs, counted for the tab width of the font they
// were written with. This picks, between half and twice `preferred`, the tab distance under
// which the text looks as intended: first the fewest distinct starts of the lines' last
// columns (the values) with no text run ending closer than `minimumGap` before its tab stop,
// then the fewest distinct starts of the columns in between; ties go to the distance nearest
// `preferred`. `advance` measures a run of text without tabs.
qreal chooseTabStopDistance(const QStringList& lines,
                            const std::function<qreal(const QString&)>& advance, qreal preferred,
                            qreal minimumGap);

} // namespace nimbrel::app
