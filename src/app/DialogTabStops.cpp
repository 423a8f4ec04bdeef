#include "app/DialogTabStops.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace nimbrel::app {

namespace {

struct Run {
    qreal width = 0;
    int tabsBefore = 0; // tabs between the previous run and this one
};

// A line as runs of text separated by tabs; runs after the last tab with no text are dropped.
QList<Run> splitRuns(const QString& line, const std::function<qreal(const QString&)>& advance) {
    QList<Run> runs;
    const QStringList parts = line.split(u'\t');
    int pendingTabs = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            ++pendingTabs;
        if (parts.at(i).isEmpty() && i > 0)
            continue;
        runs.append({parts.at(i).isEmpty() ? 0.0 : advance(parts.at(i)), pendingTabs});
        pendingTabs = 0;
    }
    return runs;
}

struct Score {
    int valueColumns = 0; // distinct starts of the last run of tabbed lines, plus tight gaps
    int otherColumns = 0; // distinct starts of runs after tabs in mid-line
    bool operator<(const Score& other) const {
        return valueColumns != other.valueColumns ? valueColumns < other.valueColumns
                                                  : otherColumns < other.otherColumns;
    }
    bool operator==(const Score& other) const = default;
};

Score scoreFor(const QList<QList<Run>>& lines, qreal tab, qreal minimumGap) {
    std::set<long long> lastStarts;
    std::set<long long> otherStarts;
    int tightGaps = 0;
    for (const auto& runs : lines) {
        qreal x = 0;
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const Run& run = runs.at(i);
            for (int t = 0; t < run.tabsBefore; ++t) {
                const qreal next = (std::floor(x / tab) + 1) * tab;
                if (t == 0 && x > 0 && next - x < minimumGap)
                    ++tightGaps;
                x = next;
            }
            if (run.tabsBefore > 0)
                (i + 1 == runs.size() ? lastStarts : otherStarts).insert(std::llround(x / tab));
            x += run.width;
        }
    }
    return {static_cast<int>(lastStarts.size()) + tightGaps, static_cast<int>(otherStarts.size())};
}

} // namespace

qreal chooseTabStopDistance(const QStringList& lines,
                            const std::function<qreal(const QString&)>& advance, qreal preferred,
                            qreal minimumGap) {
    QList<QList<Run>> split;
    bool anyTab = false;
    for (const auto& line : lines) {
        anyTab = anyTab || line.contains(u'\t');
        split.append(splitRuns(line, advance));
    }
    if (!anyTab || preferred < 2)
        return preferred;

    const int low = std::max(1, static_cast<int>(std::ceil(preferred / 2)));
    const int high = static_cast<int>(std::floor(preferred * 2));
    qreal best = preferred;
    Score bestScore{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    qreal bestDistance = std::numeric_limits<qreal>::max();
    for (int tab = low; tab <= high; ++tab) {
        const Score score = scoreFor(split, tab, minimumGap);
        const qreal distance = std::abs(tab - preferred);
        if (score < bestScore || (score == bestScore && distance < bestDistance)) {
            best = tab;
            bestScore = score;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace nimbrel::app
