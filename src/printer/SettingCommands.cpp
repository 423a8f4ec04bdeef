#include "printer/PrinterCommands.h"

#include "link/Transaction.h"
#include "platform/NumberText.h"
#include "printer/ClockCommands.h"
#include "printer/LineCount.h"

namespace nimbrel::printer {

namespace {

constexpr int kReplyBufferSize = 256;
constexpr int kDateTimePauseMs = 50;
constexpr int kMaxDateOffset = 9999;

QString errorTitle() {
    return QStringLiteral("ОШИБКА");
}
QString clockTitle() {
    return QStringLiteral("Установка Часов Маркиратора");
}

// The set commands get no reply; a refused write is shown by the link icon alone.
bool send(link::Context& ctx, const QByteArray& command) {
    const bool written = link::sendCommand(ctx, command);
    ctx.conn.linkError = written ? 0 : 1;
    ctx.shell.setLinkIcon(written ? link::LinkIcon::Ok : link::LinkIcon::Error);
    return written;
}

void sendClock(link::Context& ctx, const QString& date, const QString& time) {
    link::TalkingScope talking(ctx.shell);
    ctx.shell.setLinkIcon(link::LinkIcon::Ok);
    if (!send(ctx, setDateCommand(date)))
        return;
    ctx.clock.sleepMs(kDateTimePauseMs);
    send(ctx, setTimeCommand(time));
}

bool askAgain(link::Context& ctx, const QString& text) {
    return ctx.dialogs.message(errorTitle(), text, platform::kErrorQuestion) == platform::kYes;
}

} // namespace

void setPrinterClock(link::Context& ctx) {
    const int answer = ctx.dialogs.message(clockTitle(), clockQuestionText(ctx.clock.now()),
                                           platform::kYesNoCancel);
    if (answer == platform::kYes) {
        // The clock as it is when the commands go out, not as it was when the question opened.
        const QDateTime at = ctx.clock.now();
        sendClock(ctx, dateDigits(at), timeDigits(at));
        return;
    }
    if (answer != platform::kNo)
        return;
    for (;;) {
        const QString typed = ctx.dialogs.questionDialog(
            clockTitle(), QStringLiteral("Введите дату и время в формате\n\r     'ДДММГГ ЧЧММСС'"),
            clockProposedText(ctx.clock.now()));
        if (typed.isEmpty())
            return;
        QString date;
        QString time;
        if (splitTypedClock(typed, date, time)) {
            sendClock(ctx, date, time);
            return;
        }
        if (!askAgain(ctx, QStringLiteral("НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ!\n\r") +
                               QStringLiteral("Повторить ввод даты+времени?")))
            return;
    }
}

void setDateOffset(link::Context& ctx) {
    for (;;) {
        const QString typed = ctx.dialogs.requester(
            QStringLiteral("Установка Смещения Даты (ПостДата)"),
            QStringLiteral("Введите смещение даты в днях (0..9999)"), QString());
        const long long days = platform::parseWholeNumber(typed);
        if (days < 0 || days > kMaxDateOffset) {
            if (!askAgain(ctx, QStringLiteral("НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ!\n\r") +
                                   QStringLiteral("Повторить ввод?")))
                return;
            continue;
        }
        const QString postDate = postDateText(ctx.clock.now().date(), static_cast<int>(days));
        const int answer =
            ctx.dialogs.message(QStringLiteral("СМЕЩЕНИЕ ДАТЫ"), postDateQuestionText(postDate),
                                platform::kQuestionYesNoCancel);
        if (answer == platform::kNo)
            continue;
        if (answer != platform::kYes)
            return;
        link::TalkingScope talking(ctx.shell);
        ctx.shell.setLinkIcon(link::LinkIcon::Ok);
        send(ctx, dateOffsetCommand(static_cast<int>(days)));
        return;
    }
}

void setLineCount(link::Context& ctx) {
    QString proposed;
    const int waiting = link::runCommand(ctx, QByteArray("\x11\x53\x0E"));
    if (ctx.conn.linkError == 0 && waiting > 0)
        proposed = lineCountDefault(link::readReply(ctx, waiting, kReplyBufferSize));

    for (;;) {
        const QString& model = ctx.shell.printerModel;
        const QString typed =
            ctx.dialogs.questionDialog(lineCountTitle(model), lineCountPrompt(model), proposed);
        if (typed.isEmpty())
            return;
        const long long n = platform::parseWholeNumber(typed);
        if (n >= 1 && n <= lineCountLimit(model)) {
            link::TalkingScope talking(ctx.shell);
            const bool written = link::sendCommand(ctx, setLineCountCommand(typed));
            ctx.conn.linkError = written ? 0 : 1;
            if (!written)
                ctx.shell.setLinkIcon(link::LinkIcon::Error);
            return;
        }
        if (!askAgain(ctx, QStringLiteral("НЕРЕАЛЬНОЕ ЧИСЛО СТРОК!\n\r") +
                               QStringLiteral("Повторить ввод?")))
            return;
    }
}

} // namespace nimbrel::printer
