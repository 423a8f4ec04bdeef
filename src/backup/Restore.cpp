#include "backup/Restore.h"

#include "logos/LogoFileLoad.h"
#include "logos/LogoOperations.h"
#include "marks/MarkFileBlock.h"
#include "marks/MarkOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace nimbrel::backup {

namespace {

OpenResult refused(OpenRefusal::Kind kind, const QString& path, const QString& reason = {}) {
    return {std::nullopt, {kind, path, reason}};
}

// The block of one file, or why the file cannot be written to its slot.
QString makeBlock(RestoreItem& item, const QByteArray& bytes, const QString& path,
                  logos::LogoState& work, const QString& pictureRefusal) {
    if (item.slot.mark) {
        const marks::EncodedMarkFile encoded = marks::encodeMarkFile(bytes);
        item.block = encoded.block;
        if (item.slot.number < 0 || item.slot.number >= kMarkSlots)
            return QCoreApplication::translate("Restore", "номер марки вне 0..85");
        return encoded.error;
    }
    // A logo without a slot, or with one the printer does not have, would be sent nowhere.
    if (item.slot.number < 0 || item.slot.number >= kLogoSlots)
        return QCoreApplication::translate("Restore", "номер логотипа вне 0..255");
    if (item.readOnly())
        return QString();
    const logos::LogoFileBlock encoded =
        logos::logoBlockFromFile(path, work, std::nullopt, pictureRefusal);
    item.block = encoded.block;
    return encoded.error;
}

} // namespace

int OpenedBackup::marks() const {
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [](const RestoreItem& i) { return i.slot.mark; }));
}

int OpenedBackup::logos() const {
    return static_cast<int>(items.size()) - marks();
}

OpenResult openBackup(const QString& folder, const RestoreChoice& choice) {
    // A backup's partial folder may hold a manifest already (killed just before its rename):
    // it is never taken for a finished copy.
    static const QRegularExpression partial(QStringLiteral("^\\..+\\.partial-.{6}$"));
    if (partial.match(QFileInfo(QDir::cleanPath(folder)).fileName()).hasMatch())
        return refused(OpenRefusal::Kind::Partial, folder);
    const QDir dir(folder);
    const QString manifestPath = dir.filePath(QStringLiteral("manifest.json"));
    QFile manifestFile(manifestPath);
    if (!manifestFile.open(QIODevice::ReadOnly))
        return refused(OpenRefusal::Kind::ManifestUnreadable, manifestPath);
    const ManifestRead read = parseManifest(manifestFile.readAll());
    if (!read.manifest)
        return refused(OpenRefusal::Kind::ManifestBad, manifestPath, read.error);
    OpenedBackup out{*read.manifest, {}};
    logos::LogoState work;
    for (const ManifestFile& f : out.manifest.files) {
        const bool mark = f.kind == QStringLiteral("mark");
        const bool logo = f.kind == QStringLiteral("logo");
        if ((!mark || !choice.marks) && (!logo || !choice.logos))
            continue;
        const QString path = dir.filePath(f.file);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return refused(OpenRefusal::Kind::FileUnreadable, path);
        const QByteArray bytes = file.readAll();
        if (sha256Hex(bytes) != f.sha256)
            return refused(OpenRefusal::Kind::FileChanged, path);
        RestoreItem item{{mark, f.slot}, f.file, {}};
        const QString error = makeBlock(item, bytes, path, work, choice.pictureRefusal);
        if (!error.isEmpty())
            return refused(OpenRefusal::Kind::FileRefused, path, error);
        out.items.push_back(item);
    }
    return {out, {}};
}

QString refusalText(const OpenRefusal& refusal, const QString& reason) {
    switch (refusal.kind) {
    case OpenRefusal::Kind::Partial:
        return QCoreApplication::translate(
                   "Restore", "Папка %1 — незавершённая резервная копия: восстановление не начато.")
            .arg(refusal.path);
    case OpenRefusal::Kind::ManifestUnreadable:
        return QCoreApplication::translate("Restore",
                                           "Файл %1 не читается: это не папка резервной копии?")
            .arg(refusal.path);
    case OpenRefusal::Kind::ManifestBad:
        return QStringLiteral("%1 (%2)").arg(reason, refusal.path);
    case OpenRefusal::Kind::FileUnreadable:
        return QCoreApplication::translate("Restore",
                                           "Файл %1 не читается: восстановление не начато.")
            .arg(refusal.path);
    case OpenRefusal::Kind::FileChanged:
        return QCoreApplication::translate("Restore",
                                           "Файл %1 изменён после копирования (SHA-256 не "
                                           "совпадает): восстановление не начато.")
            .arg(refusal.path);
    case OpenRefusal::Kind::FileRefused:
        break;
    }
    return QCoreApplication::translate("Restore", "Файл %1: %2 Восстановление не начато.")
        .arg(refusal.path, reason);
}

RestoreResult restorePrinter(link::Line& line, const OpenedBackup& backup, RestoreSteps* steps) {
    RestoreResult result;
    result.total = static_cast<int>(backup.items.size());
    for (int i = 0; i < result.total; ++i) {
        const RestoreItem& item = backup.items[i];
        if (steps && !steps->next(i, result.total, item.slot)) {
            result.stopped = true;
            break;
        }
        SlotRestore done;
        done.slot = item.slot;
        done.file = item.file;
        if (item.readOnly()) {
            done.readOnly = true;
        } else if (item.slot.mark) {
            const marks::MarkWrite written =
                marks::writeMarkVerified(line, item.slot.number, item.block);
            done.check = written;
            done.differingRow = written.differingRow;
        } else {
            done.check = logos::writeLogoVerified(line, item.slot.number, item.block);
        }
        result.tried.push_back(done);
        if (steps)
            steps->restored(done);
        if (done.broken())
            break;
    }
    return result;
}

} // namespace nimbrel::backup
