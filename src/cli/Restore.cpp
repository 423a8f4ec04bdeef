#include "cli/LogoTransfer.h"
#include "cli/Manifest.h"
#include "cli/MarkTransfer.h"
#include "cli/PortChoice.h"
#include "printer/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace nimbrel::cli {

namespace {

constexpr int kHighestWritableLogo = 127;

// One slot to write, its block made from its file before anything is sent.
struct Item {
    bool mark;
    int slot;
    QString file;
    QByteArray block;
};

QString slotName(const Item& item) {
    return item.mark ? QStringLiteral("марка #%1").arg(item.slot, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("логотип #%1").arg(item.slot, 3, 10, QLatin1Char('0'));
}

class RestoreRun {
public:
    RestoreRun(Job& job, const QString& folder) : m_job(job), m_folder(folder) {}
    int run();

private:
    int prepare(const Manifest& manifest);
    int checkModel(const Manifest& manifest);
    int restore(const Item& item, QString& result);

    Job& m_job;
    QString m_folder;
    std::vector<Item> m_items;
};

int RestoreRun::prepare(const Manifest& manifest) {
    const bool onlySome = m_job.inv().marks || m_job.inv().logos;
    const bool wantMarks = !onlySome || m_job.inv().marks;
    const bool wantLogos = !onlySome || m_job.inv().logos;
    const QDir dir(m_folder);
    logos::LogoState work;
    for (const ManifestFile& f : manifest.files) {
        const bool mark = f.kind == QStringLiteral("mark");
        const bool logo = f.kind == QStringLiteral("logo");
        if ((!mark || !wantMarks) && (!logo || !wantLogos))
            continue;
        const QString path = dir.filePath(f.file);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return m_job.fail(kExitFile, QStringLiteral("Файл ") + path +
                                             QStringLiteral(" не читается: восстановление не "
                                                            "начато."));
        const QByteArray bytes = file.readAll();
        if (sha256Hex(bytes) != f.sha256)
            return m_job.fail(kExitFile, QStringLiteral("Файл ") + path +
                                             QStringLiteral(" изменён после копирования (SHA-256 "
                                                            "не совпадает): восстановление не "
                                                            "начато."));
        Item item{mark, f.slot, f.file, {}};
        QString error;
        if (mark) {
            const EncodedMarkFile encoded = encodeMarkFile(bytes);
            item.block = encoded.block;
            error = encoded.error;
            if (f.slot < 0 || f.slot > 85)
                error = QStringLiteral("номер марки вне 0..85");
        } else if (f.slot >= 0 && f.slot <= kHighestWritableLogo) {
            const LogoFileBlock encoded = logoBlockFromFile(path, work);
            item.block = encoded.block;
            error = encoded.error;
        }
        if (!error.isEmpty())
            return m_job.fail(kExitFile, QStringLiteral("Файл ") + path + QStringLiteral(": ") +
                                             oneLine(error) +
                                             QStringLiteral(" Восстановление не начато."));
        m_items.push_back(item);
    }
    return kExitOk;
}

int RestoreRun::checkModel(const Manifest& manifest) {
    QByteArray version;
    if (const int code = readVersion(m_job, version))
        return code;
    const QString model = printer::modelFromVersion(version);
    if (modelFamily(model) == modelFamily(manifest.model) || m_job.inv().force)
        return kExitOk;
    return m_job.fail(kExitFile, QStringLiteral("Копия сделана с ") + manifest.model +
                                     QStringLiteral(", а к ") + m_job.portName() +
                                     QStringLiteral(" подключён ") + model +
                                     QStringLiteral(" другого семейства: восстановление не "
                                                    "начато (--force записывает всё равно)."));
}

int RestoreRun::restore(const Item& item, QString& result) {
    if (!item.mark && item.slot > kHighestWritableLogo) {
        result = QStringLiteral("только для чтения, пропущен");
        return kExitOk;
    }
    int row = -1;
    const int code = item.mark ? writeMarkVerified(m_job, item.slot, item.block, row)
                               : writeLogoVerified(m_job, item.slot, item.block);
    if (code == kExitOk)
        result =
            item.mark ? QStringLiteral("записана, проверена") : QStringLiteral("записан, проверен");
    else if (code == kExitVerify)
        result = QStringLiteral("ПРОВЕРКА НЕ ПРОЙДЕНА");
    return code;
}

int RestoreRun::run() {
    if (!m_job.inv().yes)
        return m_job.usage(QStringLiteral("восстановление перезаписывает марки и логотипы "
                                          "Маркиратора: подтвердите параметром --yes"));
    // A backup's partial folder may hold a manifest already (killed just before its rename):
    // it is never taken for a finished copy.
    static const QRegularExpression partial(QStringLiteral("^\\..+\\.partial-.{6}$"));
    if (partial.match(QFileInfo(QDir::cleanPath(m_folder)).fileName()).hasMatch())
        return m_job.fail(kExitFile, QStringLiteral("Папка ") + m_folder +
                                         QStringLiteral(" — незавершённая резервная копия: "
                                                        "восстановление не начато."));
    const QString manifestPath = QDir(m_folder).filePath(QStringLiteral("manifest.json"));
    QFile file(manifestPath);
    if (!file.open(QIODevice::ReadOnly))
        return m_job.fail(kExitFile, QStringLiteral("Файл ") + manifestPath +
                                         QStringLiteral(" не читается: это не папка резервной "
                                                        "копии?"));
    const ManifestRead read = parseManifest(file.readAll());
    if (!read.manifest)
        return m_job.fail(kExitFile,
                          read.error + QStringLiteral(" (") + manifestPath + QStringLiteral(")"));
    if (const int code = prepare(*read.manifest))
        return code;
    if (const int code = m_job.connect())
        return code;
    if (const int code = checkModel(*read.manifest))
        return code;
    QJsonArray results;
    int failed = 0;
    const int total = static_cast<int>(m_items.size());
    for (int i = 0; i < total; ++i) {
        const Item& item = m_items[i];
        m_job.progress(QStringLiteral("Восстановление: %1/%2, ").arg(i + 1).arg(total) +
                       slotName(item));
        QString result;
        const int code = restore(item, result);
        if (code != kExitOk && code != kExitVerify)
            return code;
        failed += code == kExitVerify ? 1 : 0;
        if (m_job.inv().json)
            results.append(QJsonObject{{QStringLiteral("kind"), item.mark ? "mark" : "logo"},
                                       {QStringLiteral("slot"), item.slot},
                                       {QStringLiteral("file"), item.file},
                                       {QStringLiteral("verified"), code == kExitOk},
                                       {QStringLiteral("result"), result}});
        else
            m_job.print(slotName(item) + QStringLiteral(" (") + item.file + QStringLiteral("): ") +
                        result);
    }
    if (m_job.inv().json)
        m_job.printJson(QJsonDocument(results));
    if (failed > 0)
        return m_job.fail(kExitVerify, QStringLiteral("проверка чтением не пройдена для ") +
                                           QString::number(failed) + QStringLiteral(" из ") +
                                           QString::number(total));
    return kExitOk;
}

} // namespace

int runRestore(Job& job) {
    if (job.inv().words.size() != 2)
        return job.usage(QStringLiteral("нужно: restore ПАПКА [--marks] [--logos] --yes"));
    RestoreRun run(job, job.inv().words[1]);
    return run.run();
}

} // namespace nimbrel::cli
