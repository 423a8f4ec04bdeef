#include "logos/UndoHistory.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace nimbrel::logos {

namespace {

// Black-and-white logo pixels shrink a hundredfold at the fastest level.
constexpr int kCompressionLevel = 1;

int bytesPerPixel(const QImage& image) {
    return std::max(1, image.depth() / 8);
}

QByteArray packRect(const QImage& image, QRect rect) {
    rect = rect.intersected(image.rect());
    if (rect.isEmpty())
        return {};
    const int bpp = bytesPerPixel(image);
    const qsizetype rowBytes = static_cast<qsizetype>(rect.width()) * bpp;
    QByteArray raw(rowBytes * rect.height(), Qt::Uninitialized);
    for (int y = 0; y < rect.height(); ++y)
        std::memcpy(raw.data() + y * rowBytes,
                    image.constScanLine(rect.top() + y) + static_cast<qsizetype>(rect.left()) * bpp,
                    static_cast<std::size_t>(rowBytes));
    return qCompress(raw, kCompressionLevel);
}

// The bounding rectangle of the pixels in which two images of one size and format differ.
QRect changedRect(const QImage& a, const QImage& b) {
    const int bpp = bytesPerPixel(a);
    const auto rowBytes = static_cast<std::size_t>(a.width()) * bpp;
    int left = a.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* pa = a.constScanLine(y);
        const uchar* pb = b.constScanLine(y);
        if (std::memcmp(pa, pb, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        for (int x = 0; x < a.width(); ++x)
            if (std::memcmp(pa + x * bpp, pb + x * bpp, bpp) != 0) {
                left = std::min(left, x);
                break;
            }
        for (int x = a.width() - 1; x >= 0; --x)
            if (std::memcmp(pa + x * bpp, pb + x * bpp, bpp) != 0) {
                right = std::max(right, x);
                break;
            }
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void fillBox(QImage& grid, int x, int y, QRgb colour) {
    const QRect box =
        QRect(kCellPitch * x + 1, kCellPitch * y + 1, kCellBox, kCellBox).intersected(grid.rect());
    for (int row = box.top(); row <= box.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grid.scanLine(row));
        std::fill(line + box.left(), line + box.right() + 1, colour);
    }
}

// The grid shows dot (x, y) as a box by the dark test of its logo pixel, and the background
// outside the logo; the grid lines between the boxes never change.
void redrawCell(LogoState& logo, int x, int y) {
    if (x < 0 || y < 0 || x >= kGridColumns || y >= kMaxLogoHeight)
        return;
    QRgb colour = kBackgroundColour;
    if (x < logo.width && y < logo.height && x < logo.logo.width() && y < logo.logo.height())
        colour = isDark(logo.logo.pixel(x, y)) ? kDarkColour : kLightCellColour;
    fillBox(logo.grid, x, y, colour);
}

QRect gridArea(QRect cells) {
    return QRect(kCellPitch * cells.left(), kCellPitch * cells.top(),
                 kCellPitch * cells.width() + 1, kCellPitch * cells.height() + 1);
}

void redrawCells(LogoState& logo, QRect cells) {
    cells = cells.intersected(QRect(0, 0, kGridColumns, kMaxLogoHeight));
    if (cells.isEmpty())
        return;
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            redrawCell(logo, x, y);
    logo.gridDirty |= gridArea(cells);
}

} // namespace

qsizetype UndoHistory::Step::bytes() const {
    const auto sideBytes = [](const Side& side) {
        return side.pixels.size() +
               (side.file.name.size() + side.file.type.size() + side.file.chosen.size()) * 2;
    };
    return static_cast<qsizetype>(sizeof(Step)) + sideBytes(before) + sideBytes(after);
}

UndoHistory::UndoHistory(int maxSteps, qsizetype maxBytes)
    : m_maxSteps(std::max(1, maxSteps)), m_maxBytes(maxBytes) {}

void UndoHistory::begin(const LogoState& logo) {
    if (m_open)
        end(logo);
    // A shallow copy: the editor's first change detaches it from the logo image.
    m_open =
        Snapshot{logo.logo, logo.width, logo.height, logo.bytesPerColumn, logo.changed, logo.file};
}

bool UndoHistory::end(const LogoState& logo) {
    if (!m_open)
        return false;
    const Snapshot was = std::move(*m_open);
    m_open.reset();

    Step step;
    step.whole = was.image.size() != logo.logo.size() || was.image.format() != logo.logo.format();
    step.fileChanged = was.file.name != logo.file.name || was.file.type != logo.file.type ||
                       was.file.chosen != logo.file.chosen;
    const bool sizeChanged = was.width != logo.width || was.height != logo.height ||
                             was.bytesPerColumn != logo.bytesPerColumn;
    if (!step.whole)
        step.rect = changedRect(was.image, logo.logo);
    // A save renames the file without touching a dot: nothing for the user to take back.
    if (!step.whole && step.rect.isEmpty() && !sizeChanged)
        return false;

    step.before =
        Side{was.width,          was.height,
             was.bytesPerColumn, was.changed,
             was.file,           was.image.size(),
             was.image.format(), packRect(was.image, step.whole ? was.image.rect() : step.rect)};
    step.after =
        Side{logo.width,          logo.height,
             logo.bytesPerColumn, logo.changed,
             logo.file,           logo.logo.size(),
             logo.logo.format(),  packRect(logo.logo, step.whole ? logo.logo.rect() : step.rect)};
    for (const Step& dropped : m_redo)
        m_bytes -= dropped.bytes();
    m_redo.clear();
    m_bytes += step.bytes();
    m_undo.push_back(std::move(step));
    trim();
    return true;
}

UndoOutcome UndoHistory::undo(LogoState& logo) {
    if (m_open)
        end(logo);
    if (m_undo.empty())
        return {};
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    const UndoOutcome outcome = apply(logo, step, false);
    m_redo.push_back(std::move(step));
    return outcome;
}

UndoOutcome UndoHistory::redo(LogoState& logo) {
    if (m_open)
        end(logo);
    if (m_redo.empty())
        return {};
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    const UndoOutcome outcome = apply(logo, step, true);
    m_undo.push_back(std::move(step));
    return outcome;
}

void UndoHistory::clear() {
    m_open.reset();
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
}

void UndoHistory::trim() {
    while (!m_undo.empty() &&
           (static_cast<int>(m_undo.size()) > m_maxSteps || m_bytes > m_maxBytes)) {
        m_bytes -= m_undo.front().bytes();
        m_undo.pop_front();
    }
}

UndoOutcome UndoHistory::apply(LogoState& logo, const Step& step, bool forward) {
    const Side& side = forward ? step.after : step.before;
    UndoOutcome outcome;
    outcome.done = true;
    outcome.sizeChanged = logo.width != side.width || logo.height != side.height;
    const QRect oldExtent(0, 0, logo.width, logo.height);

    const QByteArray raw = qUncompress(side.pixels);
    const bool whole =
        step.whole || logo.logo.size() != side.imageSize || logo.logo.format() != side.format;
    const QRect rect = step.whole ? QRect(QPoint(0, 0), side.imageSize) : step.rect;
    if (whole) {
        // The logo image itself changes size (a picture replaced it): rebuild it.
        QImage image(side.imageSize, side.format);
        image.fill(kBackgroundColour);
        logo.logo = image;
    }
    const int bpp = bytesPerPixel(logo.logo);
    const qsizetype rowBytes = static_cast<qsizetype>(rect.width()) * bpp;
    std::vector<QPoint> changedDots;
    for (int y = 0; y < rect.height() && (y + 1) * rowBytes <= raw.size(); ++y) {
        const char* from = raw.constData() + y * rowBytes;
        uchar* to = logo.logo.scanLine(rect.top() + y) + static_cast<qsizetype>(rect.left()) * bpp;
        if (!whole)
            for (int x = 0; x < rect.width(); ++x)
                if (std::memcmp(to + x * bpp, from + x * bpp, bpp) != 0)
                    changedDots.emplace_back(rect.left() + x, rect.top() + y);
        std::memcpy(to, from, static_cast<std::size_t>(rowBytes));
    }
    logo.width = side.width;
    logo.height = side.height;
    logo.bytesPerColumn = side.bytesPerColumn;
    logo.changed = side.changed;
    if (step.fileChanged) {
        outcome.fileChanged = logo.file.name != side.file.name || logo.file.type != side.file.type;
        logo.file = side.file;
    }

    if (whole || outcome.sizeChanged) {
        redrawCells(logo, oldExtent.united(QRect(0, 0, logo.width, logo.height)).united(rect));
        logo.logoDirty |= QRect(0, 0, std::max(kStripWidth, logo.logo.width()),
                                std::max(kStripHeight, logo.logo.height()));
    } else {
        for (const QPoint& dot : changedDots)
            redrawCells(logo, QRect(dot, QSize(1, 1)));
        logo.logoDirty |= rect;
    }
    return outcome;
}

} // namespace nimbrel::logos
