#include "session/BackupRoutines.h"

#include "backup/Backup.h"
#include "backup/Restore.h"
#include "printer/PrinterOperations.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <optional>

namespace nimbrel::session {

namespace {

QString backupTitle() {
    return QCoreApplication::translate("BackupRoutines", "Резервная Копия Маркиратора");
}

QString restoreTitle() {
    return QCoreApplication::translate("BackupRoutines", "Восстановление Маркиратора");
}

QString lineBreak() {
    return QStringLiteral("\n\r");
}

QString digits(const backup::Slot& slot) {
    return QStringLiteral("%1").arg(slot.number, slot.mark ? 2 : 3, 10, QLatin1Char('0'));
}

// The slots in the progress box: "Марка #23 из 86".
class ProgressSteps final : public backup::RestoreSteps {
public:
    ProgressSteps(Progress* progress, const QString& title)
        : m_progress(progress), m_title(title) {}
    ~ProgressSteps() override { end(); }
    ProgressSteps(const ProgressSteps&) = delete;
    ProgressSteps& operator=(const ProgressSteps&) = delete;

    bool next(int index, int total, const backup::Slot& slot) override {
        if (!m_progress)
            return true;
        if (!m_begun)
            m_progress->begin(m_title, total);
        m_begun = true;
        const QString text =
            slot.mark ? QCoreApplication::translate("BackupRoutines", "Марка #%1 из %2")
                            .arg(digits(slot), QString::number(backup::kMarkSlots))
                      : QCoreApplication::translate("BackupRoutines", "Логотип #%1 из %2")
                            .arg(digits(slot), QString::number(backup::kLogoSlots));
        return m_progress->next(index, text);
    }
    void restored(const backup::SlotRestore&) override {}
    void end() {
        if (m_begun)
            m_progress->end();
        m_begun = false;
    }

private:
    Progress* m_progress;
    QString m_title;
    bool m_begun = false;
};

// Asks for a folder until `check` finds nothing wrong with it (its answer, empty when fine);
// nothing when the user gives up.
template <typename Check>
std::optional<QString> askFolder(Context& ctx, const QString& title, const QString& start,
                                 Check check) {
    for (;;) {
        const QString folder = ctx.dialogs.folderName(title, start);
        if (folder.isEmpty())
            return std::nullopt;
        const QString problem = check(folder);
        if (problem.isEmpty())
            return folder;
        if (ctx.dialogs.message(
                errorTitle(),
                problem + lineBreak() +
                    QCoreApplication::translate("BackupRoutines", "Выбрать другую папку?"),
                platform::kErrorQuestion) != platform::kYes)
            return std::nullopt;
    }
}

// The version read for a backup or restore: false after telling why it names no model.
bool takeModel(Context& ctx, const printer::VersionResult& version, const QString& notDone) {
    if (!version.ok()) {
        reportReadError(ctx);
        return false;
    }
    if (version.empty() || !printer::isModelCode(version.model())) {
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
        const QString why =
            version.empty()
                ? QCoreApplication::translate("BackupRoutines",
                                              "(возможно Маркиратор не включен или не подключен)")
                : QCoreApplication::translate("BackupRoutines", "Ответ Маркиратора не распознан.");
        ctx.dialogs.message(errorTitle(),
                            link::readErrorText(ctx.conn.portName) + lineBreak() + why +
                                lineBreak() + notDone,
                            platform::kError);
        return false;
    }
    ctx.conn.printerModel = version.model();
    ctx.shell.notify();
    return true;
}

void reportBackup(Context& ctx, const QString& folder, const backup::BackupResult& result) {
    using End = backup::BackupResult::End;
    const QString notSaved =
        QCoreApplication::translate("BackupRoutines", "Резервная копия не сохранена.");
    switch (result.end) {
    case End::Version:
        takeModel(ctx, result.version, notSaved);
        return;
    case End::Link:
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
        ctx.dialogs.message(errorTitle(),
                            link::readErrorText(ctx.conn.portName) + lineBreak() + notSaved,
                            platform::kError);
        return;
    case End::BadLogo: {
        ctx.shell.setLinkIcon(LinkIcon::Ok);
        const QString size =
            result.answer.kind == logos::LogoAnswer::Kind::BadWidth
                ? QStringLiteral("Illegal Logo X-size (%1)!").arg(result.answer.width)
                : QStringLiteral("Illegal Logo Y-size (%1)!").arg(result.answer.bytesPerColumn);
        ctx.dialogs.message(QStringLiteral("Logo#") + digits(result.slot) +
                                QStringLiteral(" Data Error"),
                            size + lineBreak() + notSaved, platform::kError);
        return;
    }
    case End::File:
        ctx.shell.setLinkIcon(LinkIcon::Ok);
        ctx.dialogs.message(errorTitle(),
                            result.fileWriteError ? result.fileError + lineBreak() + notSaved
                                                  : result.fileError,
                            platform::kError);
        return;
    case End::Stopped:
        ctx.shell.setLinkIcon(LinkIcon::Ok);
        ctx.dialogs.message(backupTitle(),
                            QCoreApplication::translate(
                                "BackupRoutines", "Резервная копия остановлена и не сохранена."),
                            platform::kInformation);
        return;
    case End::Saved:
        break;
    }
    ctx.conn.printerModel = result.manifest.model;
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    ctx.dialogs.message(backupTitle(),
                        QCoreApplication::translate(
                            "BackupRoutines", "Маркиратор %1 сохранён в папке:\n\r%2\n\rМарок: %3, "
                                              "логотипов: %4.")
                            .arg(result.manifest.model, folder, QString::number(result.marks),
                                 QString::number(result.logos)),
                        platform::kInformation);
}

// "марки 00-22, 40, 41; логотип 064": a run of three slots or more as a range.
QString slotList(const std::vector<backup::Slot>& taken) {
    QStringList kinds;
    for (const bool mark : {true, false}) {
        std::vector<int> numbers;
        for (const backup::Slot& slot : taken)
            if (slot.mark == mark)
                numbers.push_back(slot.number);
        if (numbers.empty())
            continue;
        QStringList runs;
        for (size_t first = 0; first < numbers.size();) {
            size_t last = first;
            while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
                ++last;
            // Two in a row read better as two.
            if (last == first + 1)
                last = first;
            const QString from = digits({mark, numbers[first]});
            runs << (last == first ? from
                                   : from + QLatin1Char('-') + digits({mark, numbers[last]}));
            first = last + 1;
        }
        const bool one = numbers.size() == 1;
        const QString kind =
            mark ? (one ? QCoreApplication::translate("BackupRoutines", "марка")
                        : QCoreApplication::translate("BackupRoutines", "марки"))
                 : (one ? QCoreApplication::translate("BackupRoutines", "логотип")
                        : QCoreApplication::translate("BackupRoutines", "логотипы"));
        kinds << kind + QLatin1Char(' ') + runs.join(QStringLiteral(", "));
    }
    return kinds.join(QStringLiteral("; "));
}

// "Записано и проверено: 2 (марки 00, 01)"
QString summaryLine(const QString& label, const std::vector<backup::Slot>& taken) {
    const QString count = label + QStringLiteral(": ") + QString::number(taken.size());
    return taken.empty() ? count
                         : count + QStringLiteral(" (") + slotList(taken) + QLatin1Char(')');
}

void reportRestore(Context& ctx, const backup::RestoreResult& result) {
    std::vector<backup::Slot> confirmed;
    std::vector<backup::Slot> differs;
    std::vector<backup::Slot> unanswered;
    std::vector<backup::Slot> readOnly;
    for (const backup::SlotRestore& s : result.tried) {
        if (s.readOnly)
            readOnly.push_back(s.slot);
        else if (s.check.outcome == link::WriteOutcome::Confirmed)
            confirmed.push_back(s.slot);
        else if (s.check.outcome == link::WriteOutcome::Differs)
            differs.push_back(s.slot);
        else if (s.check.outcome == link::WriteOutcome::Unanswered)
            unanswered.push_back(s.slot);
    }
    // A write that failed is not in the printer: it counts with the slots never tried.
    const int notWritten =
        result.total - static_cast<int>(result.tried.size()) +
        (result.broken() && result.tried.back().check.outcome == link::WriteOutcome::NotSent ? 1
                                                                                             : 0);
    QStringList lines;
    if (result.broken())
        lines << QCoreApplication::translate("BackupRoutines",
                                             "Восстановление прервано: нет связи с Маркиратором.");
    else if (result.stopped)
        lines << QCoreApplication::translate("BackupRoutines", "Восстановление остановлено.");
    else
        lines << QCoreApplication::translate("BackupRoutines", "Восстановление завершено.");
    lines << summaryLine(QCoreApplication::translate("BackupRoutines", "Записано и проверено"),
                         confirmed);
    if (!differs.empty())
        lines << summaryLine(
            QCoreApplication::translate("BackupRoutines", "Отличается от записанного"), differs);
    if (!unanswered.empty())
        lines << summaryLine(
            QCoreApplication::translate("BackupRoutines", "Записано, но без ответа на проверку"),
            unanswered);
    if (!readOnly.empty())
        lines << summaryLine(
            QCoreApplication::translate("BackupRoutines", "Пропущено, только для чтения"),
            readOnly);
    if (notWritten > 0)
        lines << QCoreApplication::translate("BackupRoutines", "Не записано") +
                     QStringLiteral(": ") + QString::number(notWritten);
    ctx.conn.setLinkResult(!result.broken());
    ctx.shell.setLinkIcon(result.broken() ? LinkIcon::Error : LinkIcon::Ok);
    const bool clean = differs.empty() && !result.broken();
    ctx.dialogs.message(restoreTitle(), lines.join(lineBreak()),
                        clean ? platform::kInformation : platform::kError);
}

QString copyDate(const QString& time) {
    const QDateTime when = QDateTime::fromString(time, Qt::ISODate);
    return when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy hh:mm")) : time;
}

} // namespace

void backUpPrinter(Context& ctx, const QString& workingFolder) {
    const std::optional<QString> folder =
        askFolder(ctx, QCoreApplication::translate("BackupRoutines", "Папка для Резервной Копии"),
                  workingFolder, backup::folderRefusal);
    if (!folder)
        return;
    backup::BackupResult result;
    {
        TalkingScope talking(ctx.shell);
        ctx.shell.setLinkIcon(LinkIcon::Busy);
        link::Line line = ctx.line();
        ProgressSteps steps(ctx.progress, backupTitle());
        result = backup::backUpPrinter(line, *folder, &steps, QStringLiteral("nimbrel"));
    }
    if (result.end != backup::BackupResult::End::Link &&
        result.end != backup::BackupResult::End::Version)
        ctx.conn.setLinkResult(true);
    reportBackup(ctx, *folder, result);
}

void restorePrinter(Context& ctx, const QString& workingFolder) {
    const backup::RestoreChoice choice{
        true, true,
        QCoreApplication::translate("BackupRoutines",
                                    "Картинку нужно сначала преобразовать в логотип.")};
    std::optional<backup::OpenedBackup> opened;
    const auto check = [&](const QString& folder) {
        backup::OpenResult result = backup::openBackup(folder, choice);
        opened = std::move(result.backup);
        return opened ? QString() : backup::refusalText(result.refusal, result.refusal.reason);
    };
    if (!askFolder(ctx, QCoreApplication::translate("BackupRoutines", "Папка Резервной Копии"),
                   workingFolder, check))
        return;
    const backup::Manifest& manifest = opened->manifest;
    const QString question =
        QCoreApplication::translate("BackupRoutines",
                                    "Копия Маркиратора %1 от %2:\n\rмарок %3, логотипов %4.\n\r"
                                    "Марки и логотипы Маркиратора будут заменены.\n\r"
                                    "Восстановить?")
            .arg(manifest.model, copyDate(manifest.time), QString::number(opened->marks()),
                 QString::number(opened->logos()));
    if (ctx.dialogs.message(restoreTitle(), question, platform::kWarningQuestion) != platform::kYes)
        return;
    printer::VersionResult version;
    transact(ctx, [&version](link::Line& line) {
        version = printer::readVersion(line);
        return link::ExchangeResult{version.error, version.reply};
    });
    if (!takeModel(ctx, version,
                   QCoreApplication::translate("BackupRoutines", "Восстановление не начато.")))
        return;
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    if (backup::modelFamily(version.model()) != backup::modelFamily(manifest.model) &&
        ctx.dialogs.message(
            errorTitle(),
            QCoreApplication::translate("BackupRoutines", "Копия сделана с %1, а подключён %2 "
                                                          "другого семейства.\n\rВсё равно "
                                                          "восстановить?")
                .arg(manifest.model, version.model()),
            platform::kErrorQuestion | platform::kSecondIsDefault) != platform::kYes)
        return;
    backup::RestoreResult result;
    {
        TalkingScope talking(ctx.shell);
        ctx.shell.setLinkIcon(LinkIcon::Busy);
        link::Line line = ctx.line();
        ProgressSteps steps(ctx.progress, restoreTitle());
        result = backup::restorePrinter(line, *opened, &steps);
    }
    reportRestore(ctx, result);
}

} // namespace nimbrel::session
