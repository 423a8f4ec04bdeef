#pragma once

#include "backup/Manifest.h"
#include "backup/Slots.h"
#include "link/Exchange.h"
#include "link/WriteCheck.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace nimbrel::backup {

// One slot to write, its block made from its file before anything is sent. Logos above 127
// only answer: they have no block and are passed over.
struct RestoreItem {
    Slot slot;
    QString file;
    QByteArray block;
    bool readOnly() const { return !slot.mark && slot.number > kHighestWritableLogo; }
};

struct OpenedBackup {
    Manifest manifest;
    std::vector<RestoreItem> items; // in the manifest's order
    int marks() const;
    int logos() const;
};

// Why a folder is no backup to restore from, before anything is sent.
struct OpenRefusal {
    enum class Kind {
        Partial,            // a partial folder a backup left: `path` is the folder
        ManifestUnreadable, // `path` is manifest.json
        ManifestBad,        // `reason` says what is wrong with `path`
        FileUnreadable,
        FileChanged, // the file's SHA-256 is not the manifest's
        FileRefused, // `reason` says why the file is no mark or logo
    };
    Kind kind = Kind::ManifestUnreadable;
    QString path;
    QString reason;
};

struct OpenResult {
    std::optional<OpenedBackup> backup;
    OpenRefusal refusal;
};

// Which files a restore takes.
struct RestoreChoice {
    bool marks = true;
    bool logos = true;
    // The answer to a picture named in the manifest (a logo needs converting first).
    QString pictureRefusal;
};

// Reads manifest.json and every file it names for `choice`, each checked against its SHA-256
// and made into the block it is written as.
OpenResult openBackup(const QString& folder, const RestoreChoice& choice);

// The refusal as a message; `reason` is the refusal's reason as the caller shows it (one line
// on a terminal, as it is in a box).
QString refusalText(const OpenRefusal& refusal, const QString& reason);

// One slot as the restore left it.
struct SlotRestore {
    Slot slot;
    QString file;
    bool readOnly = false; // passed over
    link::WriteCheck check;
    int differingRow = -1; // a mark that came back otherwise: its first differing row
    bool verified() const { return readOnly || check.confirmed(); }
    // The printer took no more: the write failed, or its check read got no answer.
    bool broken() const {
        return !readOnly && (check.outcome == link::WriteOutcome::NotSent ||
                             check.outcome == link::WriteOutcome::Unanswered);
    }
};

// Told after each slot, as it is restored.
class RestoreSteps : public Steps {
public:
    virtual void restored(const SlotRestore& slot) = 0;
};

struct RestoreResult {
    int total = 0;
    // The slots tried, in order. The restore ends after a broken one: the printer no longer
    // takes what is sent.
    std::vector<SlotRestore> tried;
    bool stopped = false; // the steps said stop before the slot after the last one tried
    bool broken() const { return !tried.empty() && tried.back().broken(); }
};

// Writes every item of `backup` and reads it back.
RestoreResult restorePrinter(link::Line& line, const OpenedBackup& backup, RestoreSteps* steps);

} // namespace nimbrel::backup
