#include "session/LogoRoutines.h"

#include "logos/LogoOperations.h"
#include "session/Talk.h"

#include "logos/LogoBlock.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoSplit.h"
#include "platform/NumberText.h"

#include <QCoreApplication>
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
    return {
        QCoreApplication::translate("LogoTransferRoutines", "Read Printer LOGO#"),
        QCoreApplication::translate("LogoTransferRoutines", "Input Logo Number (0..255)"),
        QCoreApplication::translate("LogoTransferRoutines", "Illegal Logo Number. Repeat Input?"),
        255};
}

NumberPrompt writePrompt(const QString& title) {
    return {title,
            QCoreApplication::translate("LogoTransferRoutines", "Введите номер Логотипа (0..127)"),
            QCoreApplication::translate("LogoTransferRoutines",
                                        "Недопустимый номер Логотипа. Повторить?"),
            127};
}

QString writeTitle() {
    return QCoreApplication::translate("LogoTransferRoutines", "Запись Логотипа в Маркиратор");
}

QString deleteTitle() {
    return QCoreApplication::translate("LogoTransferRoutines", "Удаление Логотипа Маркиратора");
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
        if (ctx.link.dialogs.message(errorTitle(), p.error, platform::kErrorQuestion) !=
            platform::kYes)
            return -1;
    }
}

// The logo transfers show their state in the graphics window's own link field.
void setLogoLinkIcon(LogoContext& ctx, LinkIcon icon) {
    ctx.link.shell.graphicsLinkIcon = icon;
    ctx.link.shell.notify();
}

void reportLogoFailure(LogoContext& ctx, const QString& text) {
    ctx.link.conn.setLinkResult(false);
    setLogoLinkIcon(ctx, LinkIcon::Error);
    ctx.link.dialogs.message(errorTitle(), text, platform::kError);
}

// `what` is "Передача Логотипа #%1 не подтверждена:" or the delete's, with the slot in it.
QString notConfirmedText(const QString& what, const QString& ddd, const QString& why) {
    return what.arg(ddd) + QStringLiteral("\n\r") + why;
}

// Why a logo read back after a write is not the one sent.
QString differenceText(const ReadBackCheck& check) {
    switch (check.result) {
    case ReadBackCheck::Result::Same:
    case ReadBackCheck::Result::NoLogo:
        break;
    case ReadBackCheck::Result::OtherSize:
        return QCoreApplication::translate("LogoTransferRoutines",
                                           "Логотип в Маркираторе другого размера.");
    case ReadBackCheck::Result::OtherColumn:
        return QCoreApplication::translate("LogoTransferRoutines",
                                           "столбец %1 в Маркираторе отличается от записанного.")
            .arg(check.column);
    }
    return QCoreApplication::translate("LogoTransferRoutines",
                                       "в Маркираторе нет Логотипа с этим номером.");
}

// Sends the write (a block) or the delete (no block), then reads the slot back. True when the
// printer holds what was sent; every other end has been told.
bool sendAndConfirm(LogoContext& ctx, int number, const QByteArray& block, const QString& what) {
    const bool deleting = block.isEmpty();
    LogoWrite done;
    {
        TalkingScope talking(ctx.link.shell);
        ctx.link.conn.setLinkResult(true);
        setLogoLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.link.line();
        done = deleting ? logos::deleteLogoVerified(line, number)
                        : logos::writeLogoVerified(line, number, block);
    }
    switch (done.outcome) {
    case link::WriteOutcome::NotSent:
        reportLogoFailure(ctx, link::writeErrorText(ctx.link.conn.portName));
        return false;
    case link::WriteOutcome::Unanswered:
        reportLogoFailure(ctx, logoUncheckedText(number, deleting));
        return false;
    case link::WriteOutcome::Differs:
        setLogoLinkIcon(ctx, LinkIcon::Ok);
        ctx.link.dialogs.message(errorTitle(),
                                 notConfirmedText(what, logoNumberDigits(number),
                                                  deleting ? QCoreApplication::translate(
                                                                 "LogoTransferRoutines",
                                                                 "Логотип остался в Маркираторе.")
                                                           : differenceText(done.check)),
                                 platform::kError);
        return false;
    case link::WriteOutcome::Confirmed:
        break;
    }
    setLogoLinkIcon(ctx, LinkIcon::Ok);
    return true;
}

// A block of 12 column bytes cannot be sent as it is: its request reads as a delete.
bool avoidDeleteLookalike(LogoContext& ctx, QByteArray& block) {
    if (!readsAsDelete(block))
        return true;
    const int answer = ctx.link.dialogs.message(
        writeTitle(),
        QCoreApplication::translate(
            "LogoTransferRoutines",
            "Логотип %1x%2 нельзя передать как есть: его запрос совпадает с "
            "запросом удаления Логотипа.\n\rДобавить справа один пустой столбец?")
            .arg(ctx.logo.width)
            .arg(ctx.logo.height),
        platform::kWarningQuestion);
    if (answer != platform::kYes)
        return false;
    block = withEmptyColumn(block);
    return true;
}

} // namespace

void readLogo(LogoContext& ctx) {
    const int number = askLogoNumber(ctx, readPrompt());
    if (number < 0)
        return;
    const QString ddd = logoNumberDigits(number);
    auto& shell = ctx.link.shell;
    LogoSlot slot;
    {
        TalkingScope talking(shell);
        ctx.link.conn.setLinkResult(true);
        setLogoLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.link.line();
        slot = logos::readSlot(line, number);
    }
    if (slot.error == link::ExchangeError::NotOpen ||
        slot.error == link::ExchangeError::WriteFailed) {
        ctx.link.conn.setLinkResult(false);
        setLogoLinkIcon(ctx, LinkIcon::Error);
        return;
    }
    if (slot.silent) {
        setLogoLinkIcon(ctx, LinkIcon::Ok);
        ctx.link.dialogs.message(
            QCoreApplication::translate("LogoTransferRoutines", "RECEIVE PRINTER LOGO"),
            QCoreApplication::translate("LogoTransferRoutines", "    LOGO#%1 EMPTY.     ").arg(ddd),
            platform::kError);
        return;
    }
    if (!slot.ok()) {
        reportLogoFailure(ctx, link::readErrorText(ctx.link.conn.portName));
        return;
    }
    const LogoAnswer& answer = slot.answer;
    setLogoLinkIcon(ctx, LinkIcon::Ok);
    const QString dataError =
        QCoreApplication::translate("LogoTransferRoutines", "Logo#%1 Data Error").arg(ddd);
    switch (answer.kind) {
    case LogoAnswer::Kind::Empty:
        ctx.link.dialogs.message(
            QCoreApplication::translate("LogoTransferRoutines", "Load LOGO from Inkovar"),
            QCoreApplication::translate("LogoTransferRoutines",
                                        "LOGO#%1 is EMPTY or have FORMAT ERROR.")
                .arg(ddd),
            platform::kInformation);
        return;
    case LogoAnswer::Kind::BadWidth:
        ctx.link.dialogs.message(
            dataError,
            QCoreApplication::translate("LogoTransferRoutines", "Illegal Logo X-size (%1)!")
                .arg(answer.width),
            platform::kError);
        return;
    case LogoAnswer::Kind::BadRows:
        ctx.link.dialogs.message(
            dataError,
            QCoreApplication::translate("LogoTransferRoutines", "Illegal Logo Y-size (%1)!")
                .arg(answer.bytesPerColumn),
            platform::kError);
        return;
    case LogoAnswer::Kind::Logo:
        break;
    }

    const QString name = QStringLiteral("logo") + ddd + QStringLiteral(".bin");
    const QString path = QDir(ctx.folder).filePath(name);
    unpackColumns(ctx.logo, answer.columns, answer.width, answer.bytesPerColumn);
    show(ctx);
    shell.showSizeStatus([width = answer.width, height = 8 * answer.bytesPerColumn] {
        return QCoreApplication::translate("LogoTransferRoutines", "XY-размер: %1x%2")
            .arg(width)
            .arg(height);
    });
    const QString error = logos::writeLogoFile(path, logoAnswerFile(answer));
    if (!error.isEmpty()) {
        ctx.link.dialogs.message(errorTitle(), error, platform::kError);
        return;
    }
    ctx.logo.file = {path, QStringLiteral("bin"), path};
    shell.showPictureStatus([ddd, name] {
        return QCoreApplication::translate("LogoTransferRoutines", "LOGO#%1 (Файл '%2')")
            .arg(ddd, name);
    });
}

void writeLogo(LogoContext& ctx) {
    if (wideLogoCheck(ctx) < 0)
        return;
    LogoState& logo = ctx.logo;
    QByteArray block = encodeLogoBlock(logo);
    // The request announces the length in one byte: a longer block cannot be sent at all.
    if (block.size() > kMaxBlockLength) {
        ctx.link.dialogs.message(
            errorTitle(), blockTooLongText(logo.width, logo.height, static_cast<int>(block.size())),
            platform::kError);
        return;
    }
    if (!avoidDeleteLookalike(ctx, block))
        return;
    const int number = askLogoNumber(ctx, writePrompt(writeTitle()));
    if (number < 0)
        return;
    if (sendAndConfirm(ctx, number, block,
                       QCoreApplication::translate("LogoTransferRoutines",
                                                   "Передача Логотипа #%1 не подтверждена:")))
        ctx.link.dialogs.message(
            writeTitle(),
            QCoreApplication::translate("LogoTransferRoutines", "Передача Логотипа #%1 завершена.")
                .arg(logoNumberDigits(number)),
            platform::kInformation);
}

void deleteLogo(LogoContext& ctx) {
    const int number = askLogoNumber(ctx, writePrompt(deleteTitle()));
    if (number < 0)
        return;
    const QString ddd = logoNumberDigits(number);
    if (ctx.link.dialogs.message(
            deleteTitle(),
            QCoreApplication::translate("LogoTransferRoutines",
                                        "Вы действительно хотите удалить Логотип #%1?")
                .arg(ddd),
            platform::kWarningQuestion) != platform::kYes)
        return;
    if (sendAndConfirm(ctx, number, {},
                       QCoreApplication::translate("LogoTransferRoutines",
                                                   "Очистка Логотипа #%1 не подтверждена:")))
        ctx.link.dialogs.message(
            writeTitle(),
            QCoreApplication::translate("LogoTransferRoutines", "Очистка Логотипа #%1 завершена.")
                .arg(ddd),
            platform::kInformation);
}

void readCurrentMarkBitmap(LogoContext& ctx) {
    auto& shell = ctx.link.shell;
    link::ExchangeResult result;
    {
        TalkingScope talking(shell);
        ctx.link.conn.setLinkResult(true);
        setLogoLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.link.line();
        result = logos::readBitmap(line);
    }
    if (!result.ok()) {
        // The one graphics command whose failure shows in both windows' link fields.
        reportReadError(ctx.link);
        return;
    }
    const BitmapAnswer answer = decodeBitmapAnswer(result.reply);
    setLogoLinkIcon(ctx, LinkIcon::Ok);
    if (answer.empty) {
        ctx.link.dialogs.message(
            QCoreApplication::translate("LogoTransferRoutines", "ПРОСМОТР БИТ-КАРТЫ МАРКИ "),
            QCoreApplication::translate("LogoTransferRoutines", "НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ)."),
            platform::kInformation);
    } else {
        unpackColumns(ctx.logo, answer.picture.columns, answer.picture.width,
                      answer.picture.bytesPerColumn);
        ctx.logo.bitmapRead = true;
        show(ctx);
    }
    showSize(ctx);
}

} // namespace nimbrel::session
