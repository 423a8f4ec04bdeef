#include "app/DialogTextView.h"

#include "app/DialogTabStops.h"

#include <QFontMetricsF>
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

void DialogTextView::setLines(const QStringList& lines) {
    m_lines = lines;
    const QFontMetricsF metrics(font());
    const qreal tab = chooseTabStopDistance(
        lines, [&metrics](const QString& run) { return metrics.horizontalAdvance(run); },
        8 * metrics.averageCharWidth(), metrics.horizontalAdvance(u' '));
    setTabStopDistance(tab);
    setPlainText(lines.join(u'\n'));
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
    doc.setPlainText(m_lines.join(u'\n'));
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
