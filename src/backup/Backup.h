#pragma once

#include "backup/Manifest.h"
#include "backup/Slots.h"
#include "link/Exchange.h"
#include "logos/LogoBlock.h"
#include "printer/PrinterOperations.h"

#include <QString>

#include <vector>

namespace nimbrel::backup {

// Why `folder` cannot take a backup, empty when it can: a new name, or an empty folder, in a
// folder that exists. Asked before the printer is.
QString folderRefusal(const QString& folder);

struct BackupResult {
    enum class End {
        Saved,
        Stopped, // the steps said stop
        Version, // the version read failed, or its answer names no model: see `version`
        Link,    // an exchange failed: `linkError`
        BadLogo, // a logo slot answered with a size no logo has: `slot`, `answer`
        File,    // a file or the folder could not be written: `fileError`
    };
    End end = End::Saved;
    printer::VersionResult version;
    link::ExchangeError linkError = link::ExchangeError::None;
    Slot slot; // the slot read last
    logos::LogoAnswer answer;
    QString fileError;
    // The file error is the message of a file write (which may have several lines), not one of
    // this layer's one-line texts.
    bool fileWriteError = false;

    Manifest manifest; // the model, version, time and counters read; the files saved so far
    std::vector<Slot> saved;
    int marks = 0;
    int logos = 0;
    bool ok() const { return end == End::Saved; }
};

// Reads the version, counters, settings and maps, then every occupied mark (0 always) and
// logo (128..255 always: they have no map) into `folder`: one .mrt or .bin file a slot,
// settings.bin and manifest.json. The files are written into a hidden partial folder beside
// `folder`, which SIGINT and SIGTERM remove, and renamed to `folder` at the end; whatever ends
// the backup before (a failure, a stop) leaves no folder behind. `folder` should have passed
// folderRefusal. The manifest names `program` as the one that made the copy.
BackupResult backUpPrinter(link::Line& line, const QString& folder, Steps* steps,
                           const QString& program);

} // namespace nimbrel::backup
