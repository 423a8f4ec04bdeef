#include "app/MessageBoxText.h"

#include "platform/Dialogs.h"

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

QString messageBoxClipboardText(const QString& title, const QString& text,
                                const QStringList& buttons) {
    const QString rule = QString(27, u'-') + QStringLiteral("\r\n");
    const QString eol = QStringLiteral("\r\n");
    return rule + title + eol + rule + text + eol + rule + buttons.join(QStringLiteral("   ")) +
           eol + rule;
}

MessageBoxLayout messageBoxLayout(int kind) {
    const MessageButton ok{QStringLiteral("OK"), platform::kOk};
    const MessageButton yes{QStringLiteral("Да"), platform::kYes};
    const MessageButton no{QStringLiteral("Нет"), platform::kNo};
    const MessageButton cancel{QStringLiteral("Отмена"), platform::kCancel};

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
