#include "marks/MarkOperations.h"

#include "link/Transaction.h"
#include "marks/LinkSteps.h"
#include "platform/Cp1251.h"
#include "platform/NumberText.h"

namespace nimbrel::marks {

namespace {

constexpr int kReplyBufferSize = 8192;

// 1..highest, anything else (an empty answer too) 1.
int askPosition(link::Context& ctx, const QString& prompt, int highest) {
    const QString typed = ctx.dialogs.requester(QStringLiteral("Чтение Фрагмента Марки"), prompt,
                                                QStringLiteral("1"));
    const long long n = platform::parseWholeNumber(typed);
    return n >= 1 && n <= highest ? static_cast<int>(n) : 1;
}

} // namespace

void readFragment(link::Context& ctx) {
    const int line = askPosition(ctx, QStringLiteral("Введите Номер Строки (1...4)"), kLines);
    const int fragment = askPosition(
        ctx, QStringLiteral("Введите Номер Фрагмента в Строке (1...8)"), kFragmentsPerLine);
    ctx.shell.setLinkIcon(link::LinkIcon::Busy);
    const int waiting = link::runCommand(ctx, fragmentReadCommand(line, fragment));
    if (ctx.conn.linkError != 0 || waiting <= 0)
        return;
    const QByteArray reply = link::readReply(ctx, waiting, kReplyBufferSize);
    ctx.shell.setLinkIcon(link::LinkIcon::Ok);
    ctx.dialogs.message(QStringLiteral("Информация Системы Печати"),
                        fragmentReport(line, fragment, reply), platform::kInformation);
}

void writeFragment(link::Context& ctx, const MarkState& state) {
    const FragmentEdit edit = state.fragmentEdit();
    const qsizetype length = platform::encodeCp1251(edit.text).size();
    if (length > kMaxFragmentText) {
        ctx.dialogs.message(errorTitle(),
                            QStringLiteral("Текст фрагмента длиннее 44 символов (") +
                                QString::number(length) +
                                QStringLiteral(").\n\rФрагмент не записан."),
                            platform::kError);
        return;
    }
    const int answer = ctx.dialogs.message(QStringLiteral("Изменение Печатной Марки"),
                                           fragmentWriteQuestion(edit), platform::kWarningQuestion);
    if (answer != platform::kYes)
        return;
    bool sent = false;
    {
        link::TalkingScope talking(ctx.shell);
        setMarkLinkIcon(ctx, link::LinkIcon::Busy);
        sent = link::sendCommand(ctx, fragmentWriteCommand(edit)) && waitForOutputSent(ctx);
    }
    if (!sent) {
        reportWriteError(ctx);
        return;
    }
    ctx.conn.linkError = 0;
    setMarkLinkIcon(ctx, link::LinkIcon::Ok);
}

} // namespace nimbrel::marks
