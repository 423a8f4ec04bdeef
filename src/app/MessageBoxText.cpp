#include "app/MessageBoxText.h"

#include "platform/Dialogs.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

namespace nimbrel::app {

QStringList displayLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r') {
            current += c;
            continue;
        }
        const QChar partner = c == u'\n' ? u'\r' : u'\n';
        if (i + 1 < text.size() && text.at(i + 1) == partner)
            ++i;
        lines << current;
        current.clear();
    }
    if (!current.isEmpty() || lines.isEmpty())
        lines << current;
    return lines;
}

namespace {

constexpr int kFewestGridCells = 6;

struct GridRow {
    QStringList cells;
    QString range;
};

std::optional<GridRow> gridRow(const QString& line) {
    static const QRegularExpression row(
        QStringLiteral("^((?:(?:\\d{2,3}|-{2,3}) +)+)[\\t ]*\\| (\\d{2,3}:\\d{2,3}) *$"));
    static const QRegularExpression cell(QStringLiteral("(\\d{2,3}|-{2,3}) +"));
    const QRegularExpressionMatch m = row.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    GridRow out;
    auto cells = cell.globalMatch(m.captured(1));
    while (cells.hasNext())
        out.cells << cells.next().captured(1);
    if (out.cells.size() < kFewestGridCells)
        return std::nullopt;
    out.range = m.captured(2);
    return out;
}

} // namespace

QList<ShownLine> shownLines(const QStringList& lines) {
    std::vector<std::optional<GridRow>> rows;
    qsizetype cellWidth = 0;
    qsizetype cellsPerRow = 0;
    for (const QString& line : lines) {
        rows.push_back(gridRow(line));
        if (!rows.back())
            continue;
        cellsPerRow = std::max(cellsPerRow, rows.back()->cells.size());
        for (const QString& c : rows.back()->cells)
            cellWidth = std::max(cellWidth, c.size() + 2);
    }
    QList<ShownLine> out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        if (!row) {
            out.append({lines.at(i), false});
            continue;
        }
        QString text;
        for (const QString& c : row->cells)
            text += c.leftJustified(cellWidth);
        text = text.leftJustified(cellWidth * cellsPerRow) + QStringLiteral("| ") + row->range;
        out.append({text, true});
    }
    return out;
}

QString messageBoxClipboardText(const QString& title, const QString& text,
                                const QStringList& buttons) {
    const QString rule = QString(27, u'-') + QStringLiteral("\r\n");
    const QString eol = QStringLiteral("\r\n");
    return rule + title + eol + rule + text + eol + rule + buttons.join(QStringLiteral("   ")) +
           eol + rule;
}

MessageBoxLayout messageBoxLayout(int kind) {
    const MessageButton ok{QStringLiteral("OK"), platform::kOk};
    const MessageButton yes{QCoreApplication::translate("MessageBox", "Да"), platform::kYes};
    const MessageButton no{QCoreApplication::translate("MessageBox", "Нет"), platform::kNo};
    const MessageButton cancel{QCoreApplication::translate("MessageBox", "Отмена"),
                               platform::kCancel};

    MessageBoxLayout layout;
    switch (kind & 0x0F) {
    case 1:
        layout.buttons = {ok, cancel};
        layout.escapeAnswer = platform::kCancel;
        break;
    case 3:
        layout.buttons = {yes, no, cancel};
        layout.escapeAnswer = platform::kCancel;
        break;
    case 4:
        // Neither answer is safe to assume (No may discard unsaved work): the user must choose.
        layout.buttons = {yes, no};
        layout.escapeAnswer = 0;
        break;
    default:
        layout.buttons = {ok};
        layout.escapeAnswer = platform::kOk;
        break;
    }
    if ((kind & platform::kSecondIsDefault) != 0 && layout.buttons.size() > 1)
        layout.defaultButton = 1;
    switch (kind & 0xF0) {
    case 0x10:
        layout.icon = MessageIcon::Error;
        break;
    case 0x20:
        layout.icon = MessageIcon::Question;
        break;
    case 0x30:
        layout.icon = MessageIcon::Warning;
        break;
    case 0x40:
        layout.icon = MessageIcon::Information;
        break;
    default:
        layout.icon = MessageIcon::None;
        break;
    }
    return layout;
}

QStringList buttonTexts(const MessageBoxLayout& layout) {
    QStringList texts;
    for (const auto& button : layout.buttons)
        texts << button.text;
    return texts;
}

} // namespace nimbrel::app
