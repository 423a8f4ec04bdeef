#include "backup/Backup.h"
#include "cli/LogoTransfer.h"
#include "cli/PortChoice.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace nimbrel::cli {

namespace {

// The steps on a terminal, overwritten in place.
class TerminalSteps final : public backup::Steps {
public:
    explicit TerminalSteps(Job& job) : m_job(job) {}
    bool next(int index, int total, const backup::Slot& slot) override {
        m_job.progress(
            QCoreApplication::translate("CliBackup", "Резервная копия: %1/%2, %3")
                .arg(QString::number(index + 1), QString::number(total), backup::slotName(slot)));
        return true;
    }

private:
    Job& m_job;
};

int failure(Job& job, const backup::BackupResult& result) {
    using End = backup::BackupResult::End;
    switch (result.end) {
    case End::Version:
        return versionCode(job, result.version);
    case End::Link:
        return job.linkFailure(result.linkError);
    case End::BadLogo:
        return job.fail(kExitLink, logoDataErrorText(result.slot.number, result.answer));
    case End::File:
        return job.fail(kExitFile,
                        result.fileWriteError ? oneLine(result.fileError) : result.fileError);
    case End::Saved:
    case End::Stopped:
        break;
    }
    return kExitOk;
}

} // namespace

int runBackup(Job& job) {
    if (job.inv().words.size() != 2)
        return job.usage(QCoreApplication::translate("CliBackup", "нужно: backup ПАПКА"));
    const QString folder = job.inv().words[1];
    if (const QString refusal = backup::folderRefusal(folder); !refusal.isEmpty())
        return job.fail(kExitFile, refusal);
    if (const int code = job.connect())
        return code;
    TerminalSteps steps(job);
    const backup::BackupResult result =
        backup::backUpPrinter(job.line(), folder, &steps, QStringLiteral("nimbrel-cli"));
    if (!result.ok())
        return failure(job, result);
    if (job.inv().json) {
        job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("folder"), folder},
                                                {QStringLiteral("model"), result.manifest.model},
                                                {QStringLiteral("marks"), result.marks},
                                                {QStringLiteral("logos"), result.logos}}));
    } else {
        job.print(QCoreApplication::translate(
                      "CliBackup", "Резервная копия %1 (%2) в папке %3: марок %4, логотипов %5.")
                      .arg(job.portName(), result.manifest.model, folder,
                           QString::number(result.marks), QString::number(result.logos)));
    }
    return kExitOk;
}

} // namespace nimbrel::cli
