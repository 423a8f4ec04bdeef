#include "app/DialogTextView.h"

#include "app/DialogTabStops.h"
#include "app/MessageBoxText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace nimbrel::app {

DialogTextView::DialogTextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptRichText(false);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::ArrowCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    pal.setColor(QPalette::Text, pal.color(QPalette::WindowText));
    setPalette(pal);
    setWrapping(false);
}

namespace {

// The lines as shown, grid rows in a fixed-pitch font of the view's size.
void fillDocument(QTextDocument& doc, const QStringList& lines, const QFont& font) {
    const QList<ShownLine> shown = shownLines(lines);
    QStringList texts;
    for (const ShownLine& line : shown)
        texts << line.text;
    doc.setPlainText(texts.join(u'\n'));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font.pointSizeF());
    QTextCharFormat grid;
    grid.setFont(fixed);
    QTextBlock block = doc.begin();
    for (const ShownLine& line : shown) {
        if (line.grid) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.setCharFormat(grid);
        }
        block = block.next();
    }
}

QStringList shownTexts(const QStringList& lines) {
    QStringList texts;
    for (const ShownLine& line : shownLines(lines))
        texts << line.text;
    return texts;
}

} // namespace

void DialogTextView::setLines(const QStringList& lines) {
    m_lines = lines;
    const QFontMetricsF metrics(font());
    const qreal tab = chooseTabStopDistance(
        shownTexts(lines),
        [&metrics](const QString& run) { return metrics.horizontalAdvance(run); },
        8 * metrics.averageCharWidth(), metrics.horizontalAdvance(u' '));
    setTabStopDistance(tab);
    fillDocument(*document(), lines, font());
}

void DialogTextView::setWrapping(bool wrap) {
    m_wrap = wrap;
    setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    setWordWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

QSize DialogTextView::contentSize(int maxWidth) const {
    // Measured on a copy so the view's own layout is not disturbed.
    QTextDocument doc;
    doc.setDefaultFont(font());
    doc.setDocumentMargin(0);
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    fillDocument(doc, m_lines, font());
    // One spare pixel keeps rounding from wrapping or scrolling the widest line.
    qreal width = std::ceil(doc.idealWidth()) + 1;
    if (m_wrap && width > maxWidth) {
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        doc.setDefaultTextOption(option);
        doc.setTextWidth(maxWidth);
        width = maxWidth;
    }
    return {static_cast<int>(width), static_cast<int>(std::ceil(doc.size().height()))};
}

} // namespace nimbrel::app
