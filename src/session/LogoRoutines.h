#pragma once

#include "logos/LogoState.h"
#include "logos/StatusTexts.h"
#include "session/Context.h"

#include <QString>

namespace nimbrel::session {

// What a logo command works with.
struct LogoContext {
    Context& link;
    logos::LogoState& logo;
    QString folder; // the working folder: file dialogs start there, printer reads save there
};

// Lets the windows show the logo's latest drawing; every command that draws ends with it.
inline void show(LogoContext& ctx) {
    ctx.link.shell.notify();
}

// The graphics window's file field names `path`; its size field the logo's size (made again
// after a change of language, it names the size the logo has then).
inline void showOpenedFile(LogoContext& ctx, const QString& path) {
    ctx.link.shell.showPictureStatus([path] { return logos::openedFileStatus(path); });
}
inline void showSize(LogoContext& ctx) {
    ctx.link.shell.showSizeStatus([&logo = ctx.logo] { return logos::sizeStatus(logo); });
}

// Menu "РедакторГрафики" and "Создать Новый Логотип".
void newLogo(LogoContext& ctx);
void changeLogoWidth(LogoContext& ctx);
void changeLogoHeight(LogoContext& ctx);
void invertLogoCommand(LogoContext& ctx);
void clearEditingAreaCommand(LogoContext& ctx);
void countActiveDropsCommand(LogoContext& ctx);

// Logo files.
void openLogoFile(LogoContext& ctx);
void saveLogoAs(LogoContext& ctx);
// Loads a BIN (bin) or PBM file into the editor; false (and the user told) when refused.
bool loadBinPbmFile(LogoContext& ctx, const QString& path, bool bin);
// Writes the logo into `path` by its extension: BMP, BIN (one file or parts), a PBM name as
// BIN beside it. `offerOpenFirst` asks whether to open the first of several parts.
bool writeLogoFile(LogoContext& ctx, const QString& path, bool offerOpenFirst);

// Cutting wide logos: the strips made (0 when the logo fits), -1 when refused.
int wideLogoCheck(LogoContext& ctx);
// Writes N BIN part files of the logo after `chosen` (a ".bin" name).
bool multiPartConversion(LogoContext& ctx, const QString& chosen, int parts, bool offerOpenFirst);

// Transfers; the caller makes sure a port is open.
void readLogo(LogoContext& ctx);
void writeLogo(LogoContext& ctx);
void deleteLogo(LogoContext& ctx);
void readCurrentMarkBitmap(LogoContext& ctx);

} // namespace nimbrel::session
