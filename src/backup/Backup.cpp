#include "backup/Backup.h"

#include "logos/LogoFiles.h"
#include "logos/LogoOperations.h"
#include "marks/MarkFileBlock.h"
#include "marks/MarkOperations.h"
#include "platform/PartialFolder.h"
#include "printer/AreaReports.h"
#include "printer/Counters.h"
#include "printer/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace nimbrel::backup {

namespace {

// The logo map covers the writable toRead; the read-only ones above it are asked one by one.
constexpr int kFirstUnmappedLogo = kHighestWritableLogo + 1;

QString partialPrefix(const QFileInfo& target) {
    return QStringLiteral(".") + target.fileName() + QStringLiteral(".partial-");
}

class BackupRun {
public:
    BackupRun(link::Line& line, const QString& folder, Steps* steps, const QString& program)
        : m_line(line), m_folder(folder), m_steps(steps), m_program(program) {}

    BackupResult run();

private:
    bool addFile(const QString& kind, int slot, const QString& name, const QByteArray& bytes);
    bool linkFailed(link::ExchangeError error);
    bool readSummary(std::vector<Slot>& toRead);
    bool backUp(const Slot& slot);
    bool commit();

    link::Line& m_line;
    QString m_folder;
    Steps* m_steps;
    QString m_program;
    QString m_temporary;
    BackupResult m_result;
};

bool BackupRun::addFile(const QString& kind, int slot, const QString& name,
                        const QByteArray& bytes) {
    const QString error = logos::writeLogoFile(QDir(m_temporary).filePath(name), bytes);
    if (!error.isEmpty()) {
        m_result.end = BackupResult::End::File;
        m_result.fileError = error;
        m_result.fileWriteError = true;
        return false;
    }
    m_result.manifest.files.push_back({kind, slot, name, sha256Hex(bytes)});
    return true;
}

bool BackupRun::linkFailed(link::ExchangeError error) {
    m_result.end = BackupResult::End::Link;
    m_result.linkError = error;
    return false;
}

bool BackupRun::readSummary(std::vector<Slot>& toRead) {
    Manifest& manifest = m_result.manifest;
    m_result.version = printer::readVersion(m_line);
    const printer::VersionResult& version = m_result.version;
    // A garbled reply names no model: the model decides the layouts, limits and the family a
    // copy may go to, so nothing may follow from it.
    if (!version.ok() || version.empty() || !printer::isModelCode(version.model())) {
        m_result.end = BackupResult::End::Version;
        return false;
    }
    manifest.program = m_program;
    manifest.model = printer::modelFromVersion(version.reply);
    manifest.version = printer::versionText(version.reply);
    const QDateTime now = m_line.clock.now();
    manifest.time = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    const link::ExchangeResult hours = printer::readWorkingHours(m_line);
    if (!hours.ok())
        return linkFailed(hours.error);
    manifest.hours = printer::counterText(hours.reply, 1, 4, true);
    const link::ExchangeResult count = printer::readPrintedCount(m_line);
    if (!count.ok())
        return linkFailed(count.error);
    manifest.printed = printer::counterText(count.reply, 1, 6, false);
    const link::ExchangeResult settings = printer::readSettings(m_line, manifest.model);
    if (!settings.ok())
        return linkFailed(settings.error);
    if (!addFile(QStringLiteral("settings"), -1, QStringLiteral("settings.bin"),
                 printer::settingsBuffer(settings.reply)))
        return false;
    const link::ExchangeResult markMap = printer::readMarkArea(m_line);
    if (!markMap.ok())
        return linkFailed(markMap.error);
    const link::ExchangeResult logoMap = printer::readLogoArea(m_line);
    if (!logoMap.ok())
        return linkFailed(logoMap.error);
    // Mark 0, the one being printed, has no place in the map: it is always asked for.
    toRead.push_back({true, 0});
    for (int mark : printer::occupiedMarks(markMap.reply))
        toRead.push_back({true, mark});
    for (int logo : printer::occupiedLogos(logoMap.reply))
        toRead.push_back({false, logo});
    for (int logo = kFirstUnmappedLogo; logo < kLogoSlots; ++logo)
        toRead.push_back({false, logo});
    return true;
}

bool BackupRun::backUp(const Slot& slot) {
    m_result.slot = slot;
    if (slot.mark) {
        // The exchange takes a mark whole or not at all.
        const marks::MarkRead read = marks::readMark(m_line, slot.number);
        if (!read.ok())
            return linkFailed(read.error);
        if (read.empty())
            return true;
        if (!addFile(QStringLiteral("mark"), slot.number, markFileName(slot.number),
                     marks::markFileOf(
                         marks::decodeMarkBlock(read.block, marks::readFormOf(slot.number)))))
            return false;
        ++m_result.marks;
        m_result.saved.push_back(slot);
        return true;
    }
    // The exchange takes an answer whole, by the size its header announces, or not at all.
    const logos::LogoSlot read = logos::readSlot(m_line, slot.number);
    if (!read.ok())
        return linkFailed(read.error);
    if (read.empty())
        return true;
    if (read.answer.kind != logos::LogoAnswer::Kind::Logo) {
        m_result.end = BackupResult::End::BadLogo;
        m_result.answer = read.answer;
        return false;
    }
    if (!addFile(QStringLiteral("logo"), slot.number, logoFileName(slot.number),
                 logos::logoAnswerFile(read.answer)))
        return false;
    ++m_result.logos;
    m_result.saved.push_back(slot);
    return true;
}

bool BackupRun::commit() {
    const QString manifestError =
        logos::writeLogoFile(QDir(m_temporary).filePath(QStringLiteral("manifest.json")),
                             manifestJson(m_result.manifest));
    if (!manifestError.isEmpty()) {
        m_result.end = BackupResult::End::File;
        m_result.fileError = manifestError;
        m_result.fileWriteError = true;
        return false;
    }
    // The temporary folder is private while it is filled; the backup is an ordinary folder with
    // the permissions the user's umask gives.
    ::chmod(QFile::encodeName(m_temporary).constData(),
            static_cast<mode_t>(platform::newFolderMode()));
    // An empty folder of that name gives way; one with content was refused before.
    QDir().rmdir(m_folder);
    if (!QDir().rename(m_temporary, m_folder)) {
        m_result.end = BackupResult::End::File;
        m_result.fileError = QCoreApplication::translate(
                                 "Backup", "Папку %1 создать невозможно: копия не сохранена.")
                                 .arg(m_folder);
        return false;
    }
    return true;
}

BackupResult BackupRun::run() {
    const QFileInfo target(m_folder);
    const QDir parent = target.absoluteDir();
    // Written beside the final folder and renamed at the end: an interrupted backup leaves
    // nothing under the final name, and SIGINT or SIGTERM take the partial folder with them.
    // One left by a killed run is removed here.
    platform::removeAbandonedFolders(parent.path(), partialPrefix(target));
    QTemporaryDir temporary(parent.filePath(partialPrefix(target) + QStringLiteral("XXXXXX")));
    if (!temporary.isValid()) {
        m_result.end = BackupResult::End::File;
        m_result.fileError =
            QCoreApplication::translate("Backup", "Папку в %1 создать невозможно: %2")
                .arg(parent.path(), temporary.errorString());
        return m_result;
    }
    const platform::PartialFolder partial(temporary.path());
    m_temporary = temporary.path();
    std::vector<Slot> toRead;
    if (!readSummary(toRead))
        return m_result;
    const int total = static_cast<int>(toRead.size());
    for (int i = 0; i < total; ++i) {
        if (m_steps && !m_steps->next(i, total, toRead[i])) {
            m_result.end = BackupResult::End::Stopped;
            return m_result;
        }
        if (!backUp(toRead[i]))
            return m_result;
    }
    if (!commit())
        return m_result;
    temporary.setAutoRemove(false);
    return m_result;
}

} // namespace

QString folderRefusal(const QString& folder) {
    const QFileInfo target(folder);
    if (target.exists() &&
        (!target.isDir() || !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                  QDir::Hidden | QDir::System)))
        return QCoreApplication::translate(
                   "Backup", "Папка %1 уже существует и не пуста: укажите новую папку для копии.")
            .arg(folder);
    const QDir parent = target.absoluteDir();
    if (!parent.exists())
        return QCoreApplication::translate("Backup", "Папка %1 не существует.").arg(parent.path());
    return QString();
}

BackupResult backUpPrinter(link::Line& line, const QString& folder, Steps* steps,
                           const QString& program) {
    BackupRun run(line, folder, steps, program);
    return run.run();
}

} // namespace nimbrel::backup
