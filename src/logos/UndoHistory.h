#pragma once

#include "logos/LogoState.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include <deque>
#include <optional>

namespace nimbrel::logos {

// What an undo or redo changed, so the windows know which status fields to refresh.
struct UndoOutcome {
    bool done = false;        // false: nothing to undo or redo
    bool sizeChanged = false; // the logo's width or height changed
    bool fileChanged = false; // the logo's file name or type changed
};

// Undo and redo for the logo editor. A step is whatever happens to the logo between begin()
// and end(): a mouse stroke from press to release, an invert, a clear, a new logo, a resize,
// a load. A step keeps only the rectangle of the logo image that changed, compressed, before
// and after; the grid image is redrawn from the logo image, which is the store of record.
class UndoHistory {
public:
    static constexpr int kDefaultMaxSteps = 200;
    // Two full, incompressible 819 x 32 logo images take 210 KB: 100 such steps fit.
    static constexpr qsizetype kDefaultMaxBytes = 32 * 1024 * 1024;

    explicit UndoHistory(int maxSteps = kDefaultMaxSteps, qsizetype maxBytes = kDefaultMaxBytes);

    // Notes the logo as it is before a change. A step still open is ended first.
    void begin(const LogoState& logo);
    // Records the change since begin() as one step; a step that changed no dot and no size
    // (a save, a cancelled command) is dropped. Returns whether a step was recorded.
    bool end(const LogoState& logo);
    bool isOpen() const { return m_open.has_value(); }

    // Restores the logo, its size, its changed flag (and its file, where the step changed it)
    // as they were before the last step, or after the last undone one.
    UndoOutcome undo(LogoState& logo);
    UndoOutcome redo(LogoState& logo);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    int undoCount() const { return static_cast<int>(m_undo.size()); }
    int redoCount() const { return static_cast<int>(m_redo.size()); }

    // Bytes the recorded steps hold.
    qsizetype memoryBytes() const { return m_bytes; }
    int maxSteps() const { return m_maxSteps; }
    qsizetype maxBytes() const { return m_maxBytes; }
    void clear();

    // One side of a step: the logo as it was before or after it.
    struct Side {
        int width = 0;
        int height = 0;
        int bytesPerColumn = 0;
        bool changed = false;
        LogoFileState file;
        QSize imageSize;
        QImage::Format format = QImage::Format_RGB32;
        QByteArray pixels; // the step's rectangle of the logo image, compressed
    };
    struct Step {
        QRect rect; // in logo image pixels; the whole image when its size changed
        bool whole = false;
        bool fileChanged = false;
        Side before;
        Side after;
        qsizetype bytes() const;
    };

private:
    struct Snapshot {
        QImage image;
        int width = 0;
        int height = 0;
        int bytesPerColumn = 0;
        bool changed = false;
        LogoFileState file;
    };

    UndoOutcome apply(LogoState& logo, const Step& step, bool forward);
    void trim();

    int m_maxSteps;
    qsizetype m_maxBytes;
    std::optional<Snapshot> m_open;
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    qsizetype m_bytes = 0;
};

} // namespace nimbrel::logos
