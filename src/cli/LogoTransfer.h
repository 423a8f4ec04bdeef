#pragma once

#include "cli/Job.h"
#include "logos/LogoBlock.h"
#include "logos/LogoFileLoad.h"
#include "logos/LogoState.h"
#include "logos/PictureConversion.h"

#include <optional>

namespace nimbrel::cli {

// A logo read from the printer; `empty` when the slot holds none (or does not answer).
struct LogoRead {
    int code = kExitOk;
    bool empty = false;
    logos::LogoAnswer answer;
};
LogoRead readLogoSlot(Job& job, int slot);
// "Logo#005 Data Error: Illegal Logo X-size (300)!" for an answer of a size no logo has.
QString logoDataErrorText(int slot, const logos::LogoAnswer& answer);

// --height, --threshold, --dither and --invert as the conversion dialog's answer; `error`
// (a usage message) when one is wrong or --height is missing.
struct ConversionChoice {
    logos::ConversionOptions options;
    QString error;
};
ConversionChoice conversionChoiceOf(const Invocation& inv);

// A BIN, PBM or BMP file, or a picture converted with `options`, as the editor's logo `work`,
// the way the window opens it. Returns why the file is refused, empty when it is loaded.
QString loadLogoFile(const QString& path, logos::LogoState& work,
                     const std::optional<logos::ConversionOptions>& options = std::nullopt);

using logos::LogoFileBlock;

// nimbrel-cli's answer to a picture given without conversion options.
QString pictureRefusalText();

// The file as the block the program would send for it (see loadLogoFile).
LogoFileBlock
logoBlockFromFile(const QString& path, logos::LogoState& work,
                  const std::optional<logos::ConversionOptions>& options = std::nullopt);

// Writes the block and reads the slot back; kExitVerify when the logo that came back is not
// the one sent. A failed write, or a check read that got no answer, has been told.
int writeLogoVerified(Job& job, int slot, const QByteArray& block);

} // namespace nimbrel::cli
