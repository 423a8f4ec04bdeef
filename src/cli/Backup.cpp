#include "cli/LogoTransfer.h"
#include "cli/Manifest.h"
#include "cli/MarkTransfer.h"
#include "cli/PortChoice.h"
#include "logos/LogoFiles.h"
#include "platform/PartialFolder.h"
#include "printer/AreaReports.h"
#include "printer/Counters.h"
#include "printer/PrinterOperations.h"
#include "printer/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace nimbrel::cli {

namespace {

// The logo map covers the writable slots; the read-only ones above it are asked one by one.
constexpr int kFirstUnmappedLogo = 128;
constexpr int kLastLogo = 255;

struct Slot {
    bool mark;
    int number;
};

class BackupRun {
public:
    BackupRun(Job& job, const QString& folder) : m_job(job), m_folder(folder) {}

    int run();

private:
    int addFile(const QString& kind, int slot, const QString& name, const QByteArray& bytes);
    int readSummary();
    int backUp(const Slot& slot);
    int commit(const QString& temporary);

    Job& m_job;
    QString m_folder;
    QString m_temporary;
    Manifest m_manifest;
    std::vector<Slot> m_slots;
    int m_marks = 0;
    int m_logos = 0;
};

int BackupRun::addFile(const QString& kind, int slot, const QString& name,
                       const QByteArray& bytes) {
    const QString error = logos::writeLogoFile(QDir(m_temporary).filePath(name), bytes);
    if (!error.isEmpty())
        return m_job.fail(kExitFile, oneLine(error));
    m_manifest.files.push_back({kind, slot, name, sha256Hex(bytes)});
    return kExitOk;
}

int BackupRun::readSummary() {
    QByteArray version;
    if (const int code = readVersion(m_job, version))
        return code;
    m_manifest.model = printer::modelFromVersion(version);
    m_manifest.version = printer::versionText(version);
    const QDateTime now = m_job.env().clock.now();
    m_manifest.time = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    link::Line& line = m_job.line();
    const link::ExchangeResult hours = printer::readWorkingHours(line);
    if (!hours.ok())
        return m_job.linkFailure(hours.error);
    m_manifest.hours = printer::counterText(hours.reply, 1, 4, true);
    const link::ExchangeResult count = printer::readPrintedCount(line);
    if (!count.ok())
        return m_job.linkFailure(count.error);
    m_manifest.printed = printer::counterText(count.reply, 1, 6, false);
    const link::ExchangeResult settings = printer::readSettings(line, m_manifest.model);
    if (!settings.ok())
        return m_job.linkFailure(settings.error);
    if (const int code = addFile(QStringLiteral("settings"), -1, QStringLiteral("settings.bin"),
                                 printer::settingsBuffer(settings.reply)))
        return code;
    const link::ExchangeResult markMap = printer::readMarkArea(line);
    if (!markMap.ok())
        return m_job.linkFailure(markMap.error);
    const link::ExchangeResult logoMap = printer::readLogoArea(line);
    if (!logoMap.ok())
        return m_job.linkFailure(logoMap.error);
    // Mark 0, the one being printed, has no place in the map: it is always asked for.
    m_slots.push_back({true, 0});
    for (int mark : printer::occupiedMarks(markMap.reply))
        m_slots.push_back({true, mark});
    for (int logo : printer::occupiedLogos(logoMap.reply))
        m_slots.push_back({false, logo});
    for (int logo = kFirstUnmappedLogo; logo <= kLastLogo; ++logo)
        m_slots.push_back({false, logo});
    return kExitOk;
}

int BackupRun::backUp(const Slot& slot) {
    if (slot.mark) {
        const MarkRead read = readMarkCells(m_job, slot.number);
        if (read.code != kExitOk || read.empty)
            return read.code;
        ++m_marks;
        return addFile(QStringLiteral("mark"), slot.number, markFileName(slot.number),
                       markFileOf(read.cells));
    }
    const LogoRead read = readLogoSlot(m_job, slot.number);
    if (read.code != kExitOk || read.empty)
        return read.code;
    ++m_logos;
    return addFile(QStringLiteral("logo"), slot.number, logoFileName(slot.number),
                   logos::logoAnswerFile(read.answer));
}

int BackupRun::commit(const QString& temporary) {
    const QString manifestError = logos::writeLogoFile(
        QDir(temporary).filePath(QStringLiteral("manifest.json")), manifestJson(m_manifest));
    if (!manifestError.isEmpty())
        return m_job.fail(kExitFile, oneLine(manifestError));
    // The temporary folder is private while it is filled; the backup is an ordinary folder with
    // the permissions the user's umask gives.
    ::chmod(QFile::encodeName(temporary).constData(),
            static_cast<mode_t>(platform::newFolderMode()));
    // An empty folder of that name gives way; one with content was refused before.
    QDir().rmdir(m_folder);
    if (!QDir().rename(temporary, m_folder))
        return m_job.fail(kExitFile, QStringLiteral("Папку ") + m_folder +
                                         QStringLiteral(" создать невозможно: копия не "
                                                        "сохранена."));
    return kExitOk;
}

int BackupRun::run() {
    const QFileInfo target(m_folder);
    if (target.exists() &&
        (!target.isDir() || !QDir(m_folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                    QDir::Hidden | QDir::System)))
        return m_job.fail(kExitFile, QStringLiteral("Папка ") + m_folder +
                                         QStringLiteral(" уже существует и не пуста: укажите "
                                                        "новую папку для копии."));
    const QDir parent = target.absoluteDir();
    if (!parent.exists())
        return m_job.fail(kExitFile, QStringLiteral("Папка ") + parent.path() +
                                         QStringLiteral(" не существует."));
    if (const int code = m_job.connect())
        return code;
    // Written beside the final folder and renamed at the end: an interrupted backup leaves
    // nothing under the final name, and SIGINT or SIGTERM take the partial folder with them.
    // One left by a killed run is removed here.
    const QString partialPrefix =
        QStringLiteral(".") + target.fileName() + QStringLiteral(".partial-");
    platform::removeAbandonedFolders(parent.path(), partialPrefix);
    QTemporaryDir temporary(parent.filePath(partialPrefix + QStringLiteral("XXXXXX")));
    if (!temporary.isValid())
        return m_job.fail(kExitFile, QStringLiteral("Папку в ") + parent.path() +
                                         QStringLiteral(" создать невозможно: ") +
                                         temporary.errorString());
    const platform::PartialFolder partial(temporary.path());
    m_temporary = temporary.path();
    if (const int code = readSummary())
        return code;
    const int total = static_cast<int>(m_slots.size());
    for (int i = 0; i < total; ++i) {
        const Slot& slot = m_slots[i];
        m_job.progress(QStringLiteral("Резервная копия: %1/%2, %3 #%4")
                           .arg(i + 1)
                           .arg(total)
                           .arg(slot.mark ? QStringLiteral("марка") : QStringLiteral("логотип"))
                           .arg(slot.number, slot.mark ? 2 : 3, 10, QLatin1Char('0')));
        if (const int code = backUp(slot))
            return code;
    }
    if (const int code = commit(temporary.path()))
        return code;
    temporary.setAutoRemove(false);
    if (m_job.inv().json) {
        m_job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("folder"), m_folder},
                                                  {QStringLiteral("model"), m_manifest.model},
                                                  {QStringLiteral("marks"), m_marks},
                                                  {QStringLiteral("logos"), m_logos}}));
    } else {
        m_job.print(QStringLiteral("Резервная копия ") + m_job.portName() + QStringLiteral(" (") +
                    m_manifest.model + QStringLiteral(") в папке ") + m_folder +
                    QStringLiteral(": марок ") + QString::number(m_marks) +
                    QStringLiteral(", логотипов ") + QString::number(m_logos) +
                    QStringLiteral("."));
    }
    return kExitOk;
}

} // namespace

int runBackup(Job& job) {
    if (job.inv().words.size() != 2)
        return job.usage(QStringLiteral("нужно: backup ПАПКА"));
    BackupRun run(job, job.inv().words[1]);
    return run.run();
}

} // namespace nimbrel::cli
