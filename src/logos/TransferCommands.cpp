#include "logos/LogoCommands.h"

#include "link/Transaction.h"
#include "logos/LogoBlock.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoSplit.h"
#include "platform/NumberText.h"

#include <QDir>

namespace nimbrel::logos {

namespace {

constexpr int kAfterBlockMs = 200;
constexpr int kBeforeBlockMs = 1;
constexpr int kBitmapSettleMs = 100;
// A 6-byte request leaves the output queue in well under a millisecond; a queue that stays
// full this long belongs to a line that no longer moves.
constexpr int kOutputDrainPolls = 1000;

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

void reportPortWriteError(LogoContext& ctx) {
    ctx.link.conn.linkError = 1;
    ctx.link.shell.setLinkIcon(link::LinkIcon::Error);
    ctx.link.dialogs.message(QStringLiteral("ОШИБКА"),
                             QStringLiteral("Ошибка записи данных в порт ") +
                                 ctx.link.conn.portName + QStringLiteral("!"),
                             platform::kError);
}

bool waitOutputDrained(LogoContext& ctx) {
    return link::waitForOutputSent(ctx.link.port, ctx.link.clock, kOutputDrainPolls);
}

void dropWaitingInput(LogoContext& ctx) {
    const int waiting = ctx.link.port.bytesWaitingInput();
    if (waiting > 0)
        ctx.link.port.read(waiting);
}

// The request, then 256 bytes once it has left; the printer's answer is taken, not examined.
bool sendWithBlock(LogoContext& ctx, const QByteArray& request, const QByteArray& block) {
    link::TalkingScope talking(ctx.link.shell);
    ctx.link.conn.linkError = 0;
    ctx.link.shell.setLinkIcon(link::LinkIcon::Busy);
    if (!link::sendCommand(ctx.link, request)) {
        ctx.link.shell.setTalking(false);
        reportPortWriteError(ctx);
        return false;
    }
    bool sent = waitOutputDrained(ctx);
    if (sent) {
        ctx.link.clock.sleepMs(kBeforeBlockMs);
        sent = ctx.link.port.write(block);
    }
    ctx.link.clock.sleepMs(kAfterBlockMs);
    dropWaitingInput(ctx);
    ctx.link.shell.setTalking(false);
    if (!sent) {
        reportPortWriteError(ctx);
        return false;
    }
    ctx.link.shell.setLinkIcon(link::LinkIcon::Ok);
    return true;
}

} // namespace

void readLogo(LogoContext& ctx) {
    const int number = askLogoNumber(ctx, readPrompt());
    if (number < 0)
        return;
    const QString ddd = logoNumberDigits(number);
    auto& shell = ctx.link.shell;
    int waiting = 0;
    {
        link::TalkingScope talking(shell);
        ctx.link.conn.linkError = 0;
        shell.setLinkIcon(link::LinkIcon::Busy);
        if (!link::sendCommand(ctx.link, readLogoRequest(number))) {
            ctx.link.conn.linkError = 1;
            shell.setLinkIcon(link::LinkIcon::Error);
            return;
        }
        waiting = link::waitForReply(ctx.link.port, ctx.link.clock, link::kLogoReadWait);
    }
    if (waiting <= 0) {
        // A slot the printer does not answer for is taken as empty.
        shell.setLinkIcon(link::LinkIcon::Ok);
        ctx.link.dialogs.message(QStringLiteral("RECEIVE PRINTER LOGO"),
                                 QStringLiteral("    LOGO#") + ddd + QStringLiteral(" EMPTY.     "),
                                 platform::kError);
        return;
    }
    int received = 0;
    const QByteArray buffer = link::readReply(ctx.link, waiting, kLogoReadBuffer, &received);
    if (received <= 0) {
        link::reportReadError(ctx.link);
        return;
    }
    const LogoAnswer answer = decodeLogoAnswer(buffer.left(std::min(waiting, kLogoReadBuffer)));
    shell.setLinkIcon(link::LinkIcon::Ok);
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
    const QString error = writeLogoFile(path, logoAnswerFile(answer));
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
    if (sendWithBlock(ctx, writeLogoRequest(number, static_cast<int>(block.size())),
                      blockTransfer(block)))
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
    if (sendWithBlock(ctx, deleteLogoRequest(number), QByteArray(kBlockTransferSize, '\0')))
        ctx.link.dialogs.message(writeTitle(),
                                 QStringLiteral("Очистка Логотипа #") + ddd +
                                     QStringLiteral(" завершена."),
                                 platform::kInformation);
}

void readCurrentMarkBitmap(LogoContext& ctx) {
    auto& shell = ctx.link.shell;
    int waiting = 0;
    {
        link::TalkingScope talking(shell);
        ctx.link.conn.linkError = 0;
        shell.setLinkIcon(link::LinkIcon::Busy);
        if (link::sendCommand(ctx.link, bitmapRequest()))
            waiting = link::waitForReply(ctx.link.port, ctx.link.clock, link::kBitmapWait);
    }
    if (waiting <= 0) {
        link::reportReadError(ctx.link);
        return;
    }
    ctx.link.clock.sleepMs(kBitmapSettleMs);
    const int n = ctx.link.port.bytesWaitingInput();
    const QByteArray buffer = link::readReply(ctx.link, n, kBitmapBuffer);
    const BitmapAnswer answer = decodeBitmapAnswer(buffer.left(std::min(n, kBitmapBuffer)));
    shell.setLinkIcon(link::LinkIcon::Ok);
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

} // namespace nimbrel::logos
