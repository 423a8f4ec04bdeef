#pragma once

#include <QStringList>
#include <QTextEdit>

namespace nimbrel::app {

// Read-only, frameless text on the dialog's background with real tab stops, for texts whose
// tabbed columns must line up (message boxes, the port list). It takes no focus and offers no
// selection, so keys such as Ctrl+C go to the dialog.
class DialogTextView final : public QTextEdit {
    Q_OBJECT
public:
    explicit DialogTextView(QWidget* parent = nullptr);

    // Shows the lines with tab stops chosen so that their columns line up.
    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }

    // Long lines wrap at the view's width instead of scrolling sideways.
    void setWrapping(bool wrap);

    // Size of the whole text: its widest line (or `maxWidth` when wrapping and wider) by the
    // height of all lines.
    QSize contentSize(int maxWidth) const;

private:
    QStringList m_lines;
    bool m_wrap = false;
};

} // namespace nimbrel::app
