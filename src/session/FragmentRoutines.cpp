#include "session/MarkRoutines.h"

#include "marks/MarkOperations.h"
#include "platform/Cp1251.h"
#include "platform/NumberText.h"
#include "session/MarkLinkSteps.h"
#include "session/Talk.h"

#include <QCoreApplication>

namespace nimbrel::session {

using namespace marks;

namespace {

// 1..highest, anything else (an empty answer too) 1.
int askPosition(Context& ctx, const QString& prompt, int highest) {
    const QString typed = ctx.dialogs.requester(
        QCoreApplication::translate("FragmentRoutines", "Чтение Фрагмента Марки"), prompt,
        QStringLiteral("1"));
    const long long n = platform::parseWholeNumber(typed);
    return n >= 1 && n <= highest ? static_cast<int>(n) : 1;
}

} // namespace

void readFragment(Context& ctx) {
    const int line = askPosition(
        ctx, QCoreApplication::translate("FragmentRoutines", "Введите Номер Строки (1...4)"),
        kLines);
    const int fragment = askPosition(
        ctx,
        QCoreApplication::translate("FragmentRoutines", "Введите Номер Фрагмента в Строке (1...8)"),
        kFragmentsPerLine);
    const link::ExchangeResult result =
        transact(ctx, [&](link::Line& l) { return marks::readFragment(l, line, fragment); });
    if (!result.ok())
        return;
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    ctx.dialogs.message(
        QCoreApplication::translate("FragmentRoutines", "Информация Системы Печати"),
        fragmentReport(line, fragment, result.reply), platform::kInformation);
}

void writeFragment(Context& ctx, const MarkState& state) {
    const FragmentEdit edit = state.fragmentEdit();
    const qsizetype length = platform::encodeCp1251(edit.text).size();
    if (length > kMaxFragmentText) {
        ctx.dialogs.message(errorTitle(),
                            QCoreApplication::translate(
                                "FragmentRoutines",
                                "Текст фрагмента длиннее 44 символов (%1).\n\rФрагмент не записан.")
                                .arg(length),
                            platform::kError);
        return;
    }
    const int answer = ctx.dialogs.message(
        QCoreApplication::translate("FragmentRoutines", "Изменение Печатной Марки"),
        fragmentWriteQuestion(edit), platform::kWarningQuestion);
    if (answer != platform::kYes)
        return;
    bool sent = false;
    {
        TalkingScope talking(ctx.shell);
        setMarkLinkIcon(ctx, LinkIcon::Busy);
        link::Line line = ctx.line();
        sent = marks::writeFragment(line, edit) == link::ExchangeError::None;
    }
    if (!sent) {
        reportMarkWriteError(ctx);
        return;
    }
    ctx.conn.setLinkResult(true);
    setMarkLinkIcon(ctx, LinkIcon::Ok);
}

} // namespace nimbrel::session
