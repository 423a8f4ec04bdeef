#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace nimbrel::app {

// Splits a message text into the lines it shows. "\n\r" and "\r\n" are one break each, a lone
// "\n" or "\r" is a break too; a break at the very end closes the last line rather than
// opening an empty one. Tabs and blanks are kept.
QStringList displayLines(const QString& text);

// A line as a message box shows it; `grid` lines go in a fixed-pitch font.
struct ShownLine {
    QString text;
    bool grid = false;
};

// The area maps build their rows from cells of different widths ("005 " and "---  "), which
// drift in any font. A row of at least six cells (digits or hyphens, each followed by
// blanks) ending in "| first:last" is shown with every cell and the "|" in fixed columns;
// other lines are shown as they are.
QList<ShownLine> shownLines(const QStringList& lines);

// What Ctrl+C puts on the clipboard for a message box: rules of 27 hyphens around the title,
// the text (unchanged) and the button texts, every line ended by CR LF.
QString messageBoxClipboardText(const QString& title, const QString& text,
                                const QStringList& buttons);

enum class MessageIcon { None, Error, Question, Warning, Information };

struct MessageButton {
    QString text;
    int answer = 0;
};

struct MessageBoxLayout {
    QList<MessageButton> buttons; // in display order
    int defaultButton = 0;        // the one Enter presses
    MessageIcon icon = MessageIcon::None;
    int escapeAnswer = 0; // answer for Esc and the close box; 0 when they must not close the box
};

// Buttons and icon of a message box kind: the low four bits choose the buttons (0 OK,
// 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No), the next four the icon (16 error, 32 question,
// 48 warning, 64 information), 0x100 makes the second button the default. Unknown button sets
// fall back to OK.
MessageBoxLayout messageBoxLayout(int kind);

QStringList buttonTexts(const MessageBoxLayout& layout);

} // namespace nimbrel::app
