#include "backup/Restore.h"
#include "cli/LogoTransfer.h"
#include "cli/PortChoice.h"
#include "logos/LogoOperations.h"
#include "marks/MarkOperations.h"
#include "printer/Version.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace nimbrel::cli {

namespace {

// Each slot's line (or JSON object) as it is restored; the first slot the printer did not take
// ends the run with its failure.
class RestoreLines final : public backup::RestoreSteps {
public:
    explicit RestoreLines(Job& job) : m_job(job) {}

    bool next(int index, int total, const backup::Slot& slot) override {
        m_job.progress(
            QCoreApplication::translate("CliRestore", "Восстановление: %1/%2, %3")
                .arg(QString::number(index + 1), QString::number(total), backup::slotName(slot)));
        return true;
    }

    void restored(const backup::SlotRestore& done) override {
        QString result;
        int code = kExitOk;
        if (done.readOnly) {
            result = QCoreApplication::translate("CliRestore", "только для чтения, пропущен");
        } else {
            code = m_job.writeCheckCode(
                done.check, done.slot.mark ? marks::markUncheckedText(done.slot.number)
                                           : logos::logoUncheckedText(done.slot.number, false));
            if (code == kExitOk)
                result = done.slot.mark
                             ? QCoreApplication::translate("CliRestore", "записана, проверена")
                             : QCoreApplication::translate("CliRestore", "записан, проверен");
            else if (code == kExitVerify)
                result = QCoreApplication::translate("CliRestore", "ПРОВЕРКА НЕ ПРОЙДЕНА");
        }
        if (code != kExitOk && code != kExitVerify) {
            m_code = code;
            return;
        }
        m_failed += code == kExitVerify ? 1 : 0;
        if (m_job.inv().json)
            m_results.append(QJsonObject{{QStringLiteral("kind"), done.slot.mark ? "mark" : "logo"},
                                         {QStringLiteral("slot"), done.slot.number},
                                         {QStringLiteral("file"), done.file},
                                         {QStringLiteral("verified"), code == kExitOk},
                                         {QStringLiteral("result"), result}});
        else
            m_job.print(backup::slotName(done.slot) + QStringLiteral(" (") + done.file +
                        QStringLiteral("): ") + result);
    }

    int code() const { return m_code; }
    int failed() const { return m_failed; }
    const QJsonArray& results() const { return m_results; }

private:
    Job& m_job;
    int m_code = kExitOk;
    int m_failed = 0;
    QJsonArray m_results;
};

int checkModel(Job& job, const backup::Manifest& manifest) {
    QByteArray version;
    if (const int code = readVersion(job, version))
        return code;
    const QString model = printer::modelFromVersion(version);
    if (backup::modelFamily(model) == backup::modelFamily(manifest.model) || job.inv().force)
        return kExitOk;
    return job.fail(kExitFile, QCoreApplication::translate(
                                   "CliRestore", "Копия сделана с %1, а к %2 подключён %3 другого "
                                                 "семейства: восстановление не начато (--force "
                                                 "записывает всё равно).")
                                   .arg(manifest.model, job.portName(), model));
}

} // namespace

int runRestore(Job& job) {
    if (job.inv().words.size() != 2)
        return job.usage(QCoreApplication::translate(
            "CliRestore", "нужно: restore ПАПКА [--marks] [--logos] --yes"));
    if (!job.inv().yes)
        return job.usage(QCoreApplication::translate(
            "CliRestore", "восстановление перезаписывает марки и логотипы Маркиратора: "
                          "подтвердите параметром --yes"));
    const bool onlySome = job.inv().marks || job.inv().logos;
    const backup::OpenResult opened = backup::openBackup(
        job.inv().words[1],
        {!onlySome || job.inv().marks, !onlySome || job.inv().logos, pictureRefusalText()});
    if (!opened.backup) {
        const backup::OpenRefusal& refusal = opened.refusal;
        return job.fail(
            kExitFile,
            backup::refusalText(refusal, refusal.kind == backup::OpenRefusal::Kind::FileRefused
                                             ? oneLine(refusal.reason)
                                             : refusal.reason));
    }
    if (const int code = job.connect())
        return code;
    if (const int code = checkModel(job, opened.backup->manifest))
        return code;
    RestoreLines lines(job);
    const backup::RestoreResult result = backup::restorePrinter(job.line(), *opened.backup, &lines);
    if (lines.code() != kExitOk)
        return lines.code();
    if (job.inv().json)
        job.printJson(QJsonDocument(lines.results()));
    if (lines.failed() > 0)
        return job.fail(
            kExitVerify,
            QCoreApplication::translate("CliRestore", "проверка чтением не пройдена для %1 из %2")
                .arg(QString::number(lines.failed()), QString::number(result.total)));
    return kExitOk;
}

} // namespace nimbrel::cli
