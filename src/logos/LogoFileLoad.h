#pragma once

#include "logos/LogoState.h"
#include "logos/PictureConversion.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace nimbrel::logos {

// A logo file taken without the editor on screen (nimbrel-cli, a restore from a backup).

// A BIN, PBM or BMP file, or a picture converted with `options`, as the editor's logo `work`,
// the way the window opens it; a picture without options is refused with `pictureRefusal`.
// Returns why the file is refused, empty when it is loaded.
QString loadLogoFile(const QString& path, LogoState& work,
                     const std::optional<ConversionOptions>& options,
                     const QString& pictureRefusal);

// The file as the block the program would send for it (see loadLogoFile). `error` says why
// the file is refused.
struct LogoFileBlock {
    QByteArray block;
    QString error;
};
LogoFileBlock logoBlockFromFile(const QString& path, LogoState& work,
                                const std::optional<ConversionOptions>& options,
                                const QString& pictureRefusal);

} // namespace nimbrel::logos
