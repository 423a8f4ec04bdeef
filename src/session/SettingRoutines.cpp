#include "session/PrinterRoutines.h"

#include "printer/PrinterOperations.h"

#include "platform/NumberText.h"
#include "printer/ClockCommands.h"
#include "printer/LineCount.h"
#include "session/Talk.h"

namespace nimbrel::session {

namespace {

constexpr int kMaxDateOffset = 9999;

QString clockTitle() {
    return QStringLiteral("Установка Часов Маркиратора");
}

// The set commands get no reply; a refused write is shown by the link icon alone.
void showSent(Context& ctx, link::ExchangeError error) {
    const bool ok = error == link::ExchangeError::None;
    ctx.conn.setLinkResult(ok);
    ctx.shell.setLinkIcon(ok ? LinkIcon::Ok : LinkIcon::Error);
}

void sendClock(Context& ctx, const QString& date, const QString& time) {
    TalkingScope talking(ctx.shell);
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    link::Line line = ctx.line();
    showSent(ctx, printer::setClock(line, date, time));
}

bool askAgain(Context& ctx, const QString& text) {
    return ctx.dialogs.message(errorTitle(), text, platform::kErrorQuestion) == platform::kYes;
}

} // namespace

void setPrinterClock(Context& ctx) {
    const int answer = ctx.dialogs.message(
        clockTitle(), printer::clockQuestionText(ctx.clock.now()), platform::kYesNoCancel);
    if (answer == platform::kYes) {
        // The clock as it is when the commands go out, not as it was when the question opened.
        const QDateTime at = ctx.clock.now();
        sendClock(ctx, printer::dateDigits(at), printer::timeDigits(at));
        return;
    }
    if (answer != platform::kNo)
        return;
    for (;;) {
        const QString typed = ctx.dialogs.questionDialog(
            clockTitle(), QStringLiteral("Введите дату и время в формате\n\r     'ДДММГГ ЧЧММСС'"),
            printer::clockProposedText(ctx.clock.now()));
        if (typed.isEmpty())
            return;
        QString date;
        QString time;
        if (printer::splitTypedClock(typed, date, time)) {
            sendClock(ctx, date, time);
            return;
        }
        if (!askAgain(ctx, QStringLiteral("НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ!\n\r") +
                               QStringLiteral("Повторить ввод даты+времени?")))
            return;
    }
}

void setDateOffset(Context& ctx) {
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
        const QString postDate =
            printer::postDateText(ctx.clock.now().date(), static_cast<int>(days));
        const int answer = ctx.dialogs.message(QStringLiteral("СМЕЩЕНИЕ ДАТЫ"),
                                               printer::postDateQuestionText(postDate),
                                               platform::kQuestionYesNoCancel);
        if (answer == platform::kNo)
            continue;
        if (answer != platform::kYes)
            return;
        TalkingScope talking(ctx.shell);
        ctx.shell.setLinkIcon(LinkIcon::Ok);
        link::Line line = ctx.line();
        showSent(ctx, printer::setDateOffset(line, static_cast<int>(days)));
        return;
    }
}

void setLineCount(Context& ctx) {
    QString proposed;
    const link::ExchangeResult current = transact(ctx, printer::readLineCount, false);
    if (current.ok())
        proposed = printer::lineCountDefault(link::zeroFilled(current.reply, 256));

    for (;;) {
        const QString& model = ctx.conn.printerModel;
        const QString typed = ctx.dialogs.questionDialog(printer::lineCountTitle(model),
                                                         printer::lineCountPrompt(model), proposed);
        if (typed.isEmpty())
            return;
        const long long n = platform::parseWholeNumber(typed);
        if (n >= 1 && n <= printer::lineCountLimit(model)) {
            TalkingScope talking(ctx.shell);
            link::Line line = ctx.line();
            const bool written = printer::setLineCount(line, typed) == link::ExchangeError::None;
            ctx.conn.setLinkResult(written);
            if (!written)
                ctx.shell.setLinkIcon(LinkIcon::Error);
            return;
        }
        if (!askAgain(ctx, QStringLiteral("НЕРЕАЛЬНОЕ ЧИСЛО СТРОК!\n\r") +
                               QStringLiteral("Повторить ввод?")))
            return;
    }
}

} // namespace nimbrel::session
