#pragma once

#include "cli/Job.h"
#include "logos/LogoBlock.h"
#include "logos/LogoState.h"

namespace nimbrel::cli {

// A logo read from the printer; `empty` when the slot holds none (or does not answer).
struct LogoRead {
    int code = kExitOk;
    bool empty = false;
    logos::LogoAnswer answer;
};
LogoRead readLogoSlot(Job& job, int slot);

// A BIN, PBM or BMP file (by extension) as the block the program would send for it, through
// the editor's logo `work` as the program does. `error` says why the file is refused.
struct LogoFileBlock {
    QByteArray block;
    QString error;
};
LogoFileBlock logoBlockFromFile(const QString& path, logos::LogoState& work);

// Writes the block and reads the slot back; kExitVerify when the logo that came back is not
// the one sent. A failed write, or a check read that got no answer, has been told.
int writeLogoVerified(Job& job, int slot, const QByteArray& block);

} // namespace nimbrel::cli
