#include "session/LogoRoutines.h"

#include "logos/LogoEditor.h"
#include "platform/NumberText.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <algorithm>

namespace nimbrel::session {

using namespace logos;

namespace {

constexpr int kMaxWidthAnswer = 256;

QString sizeTitle() {
    return QCoreApplication::translate("LogoEditorRoutines", "Изменение Размеров Логотипа");
}

// Sizes of 0 or less: Yes asks again.
bool askAgainAfterBadSize(LogoContext& ctx) {
    return ctx.link.dialogs.message(
               errorTitle(),
               QCoreApplication::translate("LogoEditorRoutines",
                                           "Недопустимые размеры Логотипа. Повторить ввод?"),
               platform::kErrorQuestion) == platform::kYes;
}

void showSizeAnswered(LogoContext& ctx) {
    ctx.link.shell.showSizeStatus([width = ctx.logo.width, height = ctx.logo.height] {
        return QCoreApplication::translate("LogoEditorRoutines", "XY-size = %1:%2")
            .arg(width)
            .arg(height);
    });
}

// Asks one size with the question dialog until it is above 0; 0 when the user gave up.
long long askSize(LogoContext& ctx, const QString& prompt, int current) {
    for (;;) {
        const QString typed =
            ctx.link.dialogs.questionDialog(sizeTitle(), prompt, QString::number(current));
        if (typed.isEmpty())
            return 0;
        showSizeAnswered(ctx);
        const long long value = platform::parseWholeNumber(typed);
        if (value > 0)
            return value;
        if (!askAgainAfterBadSize(ctx))
            return 0;
    }
}

struct HeightChoice {
    int height;
    int limit; // widest logo of this height that fits a slot
};

HeightChoice heightFor(long long answer) {
    if (answer <= 8)
        return {8, 250};
    if (answer <= 16)
        return {16, 126};
    if (answer <= 24)
        return {24, 83};
    return {32, 63};
}

} // namespace

void changeLogoWidth(LogoContext& ctx) {
    const long long w =
        askSize(ctx,
                QCoreApplication::translate("LogoEditorRoutines",
                                            "Введите размер 'X', точек (не более 256)"),
                ctx.logo.width);
    if (w <= 0 || w > kMaxWidthAnswer)
        return;
    resizeLogo(ctx.logo, static_cast<int>(w), ctx.logo.height);
    ctx.logo.changed = true;
    showSizeAnswered(ctx);
    show(ctx);
}

void changeLogoHeight(LogoContext& ctx) {
    const long long h =
        askSize(ctx,
                QCoreApplication::translate("LogoEditorRoutines",
                                            "Введите размер 'Y', точек (не более 32)"),
                ctx.logo.height);
    if (h <= 0 || h > kMaxLogoHeight)
        return;
    const int r = bytesPerColumnFor(static_cast<int>(h));
    resizeLogo(ctx.logo, ctx.logo.width, 8 * r);
    ctx.logo.changed = true;
    showSizeAnswered(ctx);
    show(ctx);
}

void newLogo(LogoContext& ctx) {
    auto& dialogs = ctx.link.dialogs;
    if (!ctx.logo.file.name.isEmpty() && ctx.logo.changed) {
        const int answer =
            dialogs.message(QCoreApplication::translate("LogoEditorRoutines", "Information"),
                            QCoreApplication::translate("LogoEditorRoutines",
                                                        "Логотип изменен. Сохранить изменения?"),
                            platform::kWarningQuestion);
        if (answer == platform::kYes)
            saveLogoAs(ctx);
        ctx.logo.changed = false;
    }
    const QString title =
        QCoreApplication::translate("LogoEditorRoutines", "СОЗДАНИЕ НОВОГО ЛОГОТИПА");
    for (;;) {
        const QString typedHeight =
            dialogs.requester(title,
                              QCoreApplication::translate("LogoEditorRoutines",
                                                          "Введите размер 'Y' в точках (8...32)"),
                              QStringLiteral("32"));
        if (typedHeight.isEmpty())
            return;
        // Every height has its place: up to 8 (also 0 and below) makes 8 dots.
        const HeightChoice choice = heightFor(platform::parseWholeNumber(typedHeight));
        const QString typedWidth =
            dialogs.requester(title,
                              QCoreApplication::translate("LogoEditorRoutines",
                                                          "Введите размер 'X' в точках (1...%1)")
                                  .arg(choice.limit),
                              QStringLiteral("63"));
        if (typedWidth.isEmpty())
            return;
        const long long w = platform::parseWholeNumber(typedWidth);
        if (w <= 0) {
            if (askAgainAfterBadSize(ctx))
                continue;
            return;
        }
        // Only now is the drawing replaced: a cancelled size leaves it as it was. The status
        // fields stay as they are.
        makeBlankLogo(ctx.logo, static_cast<int>(std::min<long long>(w, choice.limit)),
                      choice.height);
        show(ctx);
        return;
    }
}

void invertLogoCommand(LogoContext& ctx) {
    invertLogo(ctx.logo);
    show(ctx);
}

void clearEditingAreaCommand(LogoContext& ctx) {
    clearEditingArea(ctx.logo);
    show(ctx);
}

void countActiveDropsCommand(LogoContext& ctx) {
    ctx.link.dialogs.message(QCoreApplication::translate("LogoEditorRoutines", "Параметры Марки"),
                             QCoreApplication::translate("LogoEditorRoutines",
                                                         "Число активных капель в бит-карте:  %1  ")
                                 .arg(countActiveDrops(ctx.logo)),
                             platform::kInformation);
}

} // namespace nimbrel::session
