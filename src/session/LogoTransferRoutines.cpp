#include "session/LogoRoutines.h"

#include "logos/LogoOperations.h"
#include "session/Talk.h"

#include "logos/LogoBlock.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoSplit.h"
#include "platform/NumberText.h"

#include <QDir>

namespace nimbrel::session {

using namespace logos;

namespace {

struct NumberPrompt {
    QString title;
    QString prompt;
    QString error;
    int last;
};

NumberPrompt readPrompt() {
    return {QStringLiteral("Read Printer LOGO#"), QStringLiteral("Input Logo Number (0..255)"),
            QStringLiteral("Illegal Logo Number. Repeat Input?"), 255};
}

NumberPrompt writePrompt(const QString& title) {
    return {title, QStringLiteral("Введите номер Логотипа (0..127)"),
            QStringLiteral("Недопустимый номер Логотипа. Повторить?"), 127};
}

QString writeTitle() {
    return QStringLiteral("Запись Логотипа в Маркиратор");
}

QString deleteTitle() {
    return QStringLiteral("Удаление Логотипа Маркиратора");
}

// The slot number, or -1 when the user closed the requester or gave up.
int askLogoNumber(LogoContext& ctx, const NumberPrompt& p) {
    for (;;) {
        const QString typed = ctx.link.dialogs.requester(p.title, p.prompt, QString());
        if (typed.isEmpty())
            return -1;
        const long long n = platform::parseWholeNumber(typed.left(3));
        if (n >= 0 && n <= p.last)
            return static_cast<int>(n);
        if (ctx.link.dialogs.message(QStringLiteral("ОШИБКА"), p.error, platform::kErrorQuestion) !=
            platform::kYes)
            return -1;
    }
}

// Both link fields, as the logo transfers show their state.
bool sendWithBlock(LogoContext& ctx,
                   const std::function<link::ExchangeError(link::Line&)>& operation) {
    link::ExchangeError error;
    {
        TalkingScope talking(ctx.link.shell);
        setLinkResult(ctx.link, true);
        ctx.link.shell.setLinkIcon(LinkIcon::Busy);
        link::Line line = ctx.link.line();
        error = operation(line);
    }
    if (error != link::ExchangeError::None) {
        reportWriteError(ctx.link);
        return false;
    }
    ctx.link.shell.setLinkIcon(LinkIcon::Ok);
    return true;
}

} // namespace

void readLogo(LogoContext& ctx) {
    const int number = askLogoNumber(ctx, readPrompt());
    if (number < 0)
        return;
    const QString ddd = logoNumberDigits(number);
    auto& shell = ctx.link.shell;
    link::ExchangeResult result;
    {
        TalkingScope talking(shell);
        setLinkResult(ctx.link, true);
        shell.setLinkIcon(LinkIcon::Busy);
        link::Line line = ctx.link.line();
        result = logos::readLogo(line, number);
    }
    if (result.writeFailed()) {
        setLinkResult(ctx.link, false);
        shell.setLinkIcon(LinkIcon::Error);
        return;
    }
    if (result.error == link::ExchangeError::NoReply) {
        // A slot the printer does not answer for is taken as empty.
        shell.setLinkIcon(LinkIcon::Ok);
        ctx.link.dialogs.message(QStringLiteral("RECEIVE PRINTER LOGO"),
                                 QStringLiteral("    LOGO#") + ddd + QStringLiteral(" EMPTY.     "),
                                 platform::kError);
        return;
    }
    if (!result.ok()) {
        reportReadError(ctx.link);
        return;
    }
    const LogoAnswer answer = decodeLogoAnswer(result.reply);
    shell.setLinkIcon(LinkIcon::Ok);
    const QString dataError = QStringLiteral("Logo#") + ddd + QStringLiteral(" Data Error");
    switch (answer.kind) {
    case LogoAnswer::Kind::Empty:
        ctx.link.dialogs.message(QStringLiteral("Load LOGO from Inkovar"),
                                 QStringLiteral("LOGO#") + ddd +
                                     QStringLiteral(" is EMPTY or have FORMAT ERROR."),
                                 platform::kInformation);
        return;
    case LogoAnswer::Kind::BadWidth:
        ctx.link.dialogs.message(dataError,
                                 QStringLiteral("Illegal Logo X-size (%1)!").arg(answer.width),
                                 platform::kError);
        return;
    case LogoAnswer::Kind::BadRows:
        ctx.link.dialogs.message(
            dataError, QStringLiteral("Illegal Logo Y-size (%1)!").arg(answer.bytesPerColumn),
            platform::kError);
        return;
    case LogoAnswer::Kind::Logo:
        break;
    }

    const QString name = QStringLiteral("logo") + ddd + QStringLiteral(".bin");
    const QString path = QDir(ctx.folder).filePath(name);
    unpackColumns(ctx.logo, answer.columns, answer.width, answer.bytesPerColumn);
    show(ctx);
    shell.sizeStatus =
        QStringLiteral("XY-размер: %1x%2").arg(answer.width).arg(8 * answer.bytesPerColumn);
    const QString error = logos::writeLogoFile(path, logoAnswerFile(answer));
    if (!error.isEmpty()) {
        ctx.link.dialogs.message(QStringLiteral("ОШИБКА"), error, platform::kError);
        return;
    }
    ctx.logo.file = {path, QStringLiteral("bin"), path};
    shell.pictureStatus =
        QStringLiteral("LOGO#") + ddd + QStringLiteral(" (Файл '") + name + QStringLiteral("')");
}

void writeLogo(LogoContext& ctx) {
    if (wideLogoCheck(ctx) < 0)
        return;
    LogoState& logo = ctx.logo;
    const QByteArray block = encodeLogoBlock(logo);
    // The request announces the length in one byte: a longer block cannot be sent at all.
    if (block.size() > kMaxBlockLength) {
        ctx.link.dialogs.message(
            QStringLiteral("ОШИБКА"),
            blockTooLongText(logo.width, logo.height, static_cast<int>(block.size())),
            platform::kError);
        return;
    }
    const int number = askLogoNumber(ctx, writePrompt(writeTitle()));
    if (number < 0)
        return;
    if (sendWithBlock(ctx, [&](link::Line& line) { return logos::writeLogo(line, number, block); }))
        ctx.link.dialogs.message(writeTitle(),
                                 QStringLiteral("Передача Логотипа #") + logoNumberDigits(number) +
                                     QStringLiteral(" завершена."),
                                 platform::kInformation);
}

void deleteLogo(LogoContext& ctx) {
    const int number = askLogoNumber(ctx, writePrompt(deleteTitle()));
    if (number < 0)
        return;
    const QString ddd = logoNumberDigits(number);
    if (ctx.link.dialogs.message(deleteTitle(),
                                 QStringLiteral("Вы действительно хотите удалить Логотип #") + ddd +
                                     QStringLiteral("?"),
                                 platform::kWarningQuestion) != platform::kYes)
        return;
    if (sendWithBlock(ctx, [number](link::Line& line) { return logos::deleteLogo(line, number); }))
        ctx.link.dialogs.message(writeTitle(),
                                 QStringLiteral("Очистка Логотипа #") + ddd +
                                     QStringLiteral(" завершена."),
                                 platform::kInformation);
}

void readCurrentMarkBitmap(LogoContext& ctx) {
    auto& shell = ctx.link.shell;
    link::ExchangeResult result;
    {
        TalkingScope talking(shell);
        setLinkResult(ctx.link, true);
        shell.setLinkIcon(LinkIcon::Busy);
        link::Line line = ctx.link.line();
        result = logos::readBitmap(line);
    }
    if (!result.ok()) {
        reportReadError(ctx.link);
        return;
    }
    const BitmapAnswer answer = decodeBitmapAnswer(result.reply);
    shell.setLinkIcon(LinkIcon::Ok);
    if (answer.empty) {
        ctx.link.dialogs.message(QStringLiteral("ПРОСМОТР БИТ-КАРТЫ МАРКИ "),
                                 QStringLiteral("НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ)."),
                                 platform::kInformation);
    } else {
        unpackColumns(ctx.logo, answer.picture.columns, answer.picture.width,
                      answer.picture.bytesPerColumn);
        show(ctx);
    }
    shell.sizeStatus = sizeStatus(ctx.logo);
}

} // namespace nimbrel::session
