#include "session/PrinterRoutines.h"

#include "printer/PrinterOperations.h"

#include "platform/NumberText.h"
#include "printer/ClockCommands.h"
#include "printer/LineCount.h"
#include "session/Talk.h"

#include <QCoreApplication>

namespace nimbrel::session {

namespace {

constexpr int kMaxDateOffset = 9999;

QString clockTitle() {
    return QCoreApplication::translate("SettingRoutines", "Установка Часов Маркиратора");
}

// The set commands get no reply; a write that failed is told, as every other failed write.
void showSent(Context& ctx, link::ExchangeError error) {
    if (error != link::ExchangeError::None) {
        reportWriteError(ctx);
        return;
    }
    ctx.conn.setLinkResult(true);
    ctx.shell.setLinkIcon(LinkIcon::Ok);
}

// The number of lines is read back after it is set: a printer that refused it, or never got
// it, is told; a confirmed number shows nothing, as the setting always did.
void showLineCountCheck(Context& ctx, const link::WriteCheck& check, int reported) {
    switch (check.outcome) {
    case link::WriteOutcome::NotSent:
        reportWriteError(ctx);
        return;
    case link::WriteOutcome::Unanswered:
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
        ctx.dialogs.message(errorTitle(), printer::lineCountUncheckedText(), platform::kError);
        return;
    case link::WriteOutcome::Differs:
        ctx.conn.setLinkResult(true);
        ctx.dialogs.message(errorTitle(), printer::lineCountDiffersText(reported),
                            platform::kError);
        return;
    case link::WriteOutcome::Confirmed:
        ctx.conn.setLinkResult(true);
        return;
    }
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
            clockTitle(),
            QCoreApplication::translate("SettingRoutines",
                                        "Введите дату и время в формате\n\r     'ДДММГГ ЧЧММСС'"),
            printer::clockProposedText(ctx.clock.now()));
        if (typed.isEmpty())
            return;
        QString date;
        QString time;
        if (printer::splitTypedClock(typed, date, time)) {
            sendClock(ctx, date, time);
            return;
        }
        if (!askAgain(ctx, QCoreApplication::translate("SettingRoutines",
                                                       "НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ!\n\r"
                                                       "Повторить ввод даты+времени?")))
            return;
    }
}

void setDateOffset(Context& ctx) {
    for (;;) {
        const QString typed = ctx.dialogs.requester(
            QCoreApplication::translate("SettingRoutines", "Установка Смещения Даты (ПостДата)"),
            QCoreApplication::translate("SettingRoutines",
                                        "Введите смещение даты в днях (0..9999)"),
            QString());
        const long long days = platform::parseWholeNumber(typed);
        if (days < 0 || days > kMaxDateOffset) {
            if (!askAgain(ctx, QCoreApplication::translate("SettingRoutines",
                                                           "НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ!\n\r"
                                                           "Повторить ввод?")))
                return;
            continue;
        }
        const QString postDate =
            printer::postDateText(ctx.clock.now().date(), static_cast<int>(days));
        const int answer = ctx.dialogs.message(
            QCoreApplication::translate("SettingRoutines", "СМЕЩЕНИЕ ДАТЫ"),
            printer::postDateQuestionText(postDate), platform::kQuestionYesNoCancel);
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
        proposed = printer::lineCountDefault(current.reply);

    for (;;) {
        const QString& model = ctx.conn.printerModel;
        const QString typed = ctx.dialogs.questionDialog(printer::lineCountTitle(model),
                                                         printer::lineCountPrompt(model), proposed);
        if (typed.isEmpty())
            return;
        const long long n = platform::parseWholeNumber(typed);
        if (n >= 1 && n <= printer::lineCountLimit(model)) {
            int reported = 0;
            link::WriteCheck check;
            {
                TalkingScope talking(ctx.shell);
                link::Line line = ctx.line();
                check = printer::setLineCount(line, typed, reported);
            }
            showLineCountCheck(ctx, check, reported);
            return;
        }
        if (!askAgain(ctx,
                      QCoreApplication::translate("SettingRoutines", "НЕРЕАЛЬНОЕ ЧИСЛО СТРОК!\n\r"
                                                                     "Повторить ввод?")))
            return;
    }
}

} // namespace nimbrel::session
