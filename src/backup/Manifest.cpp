#include "backup/Manifest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace nimbrel::backup {

namespace {

constexpr int kFormat = 1;

} // namespace

QByteArray manifestJson(const Manifest& m) {
    QJsonArray files;
    for (const ManifestFile& f : m.files) {
        QJsonObject entry{{QStringLiteral("kind"), f.kind},
                          {QStringLiteral("file"), f.file},
                          {QStringLiteral("sha256"), f.sha256}};
        if (f.slot >= 0)
            entry.insert(QStringLiteral("slot"), f.slot);
        files.append(entry);
    }
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},    {QStringLiteral("program"), m.program},
        {QStringLiteral("model"), m.model},     {QStringLiteral("version"), m.version},
        {QStringLiteral("time"), m.time},       {QStringLiteral("hours"), m.hours},
        {QStringLiteral("printed"), m.printed}, {QStringLiteral("files"), files}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ManifestRead parseManifest(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (doc.isNull() || !doc.isObject())
        return {std::nullopt,
                QCoreApplication::translate("Manifest", "manifest.json не читается: %1")
                    .arg(error.errorString())};
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toInt() != kFormat)
        return {std::nullopt,
                QCoreApplication::translate("Manifest", "manifest.json другого формата")};
    Manifest m;
    m.model = root.value(QStringLiteral("model")).toString();
    m.version = root.value(QStringLiteral("version")).toString();
    m.time = root.value(QStringLiteral("time")).toString();
    m.hours = root.value(QStringLiteral("hours")).toString();
    m.printed = root.value(QStringLiteral("printed")).toString();
    // A name is a plain file inside the folder: never a path that leads out of it.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    // One slot written twice would leave only the second and still be reported as restored.
    QSet<QString> names;
    QSet<QString> takenSlots;
    for (const QJsonValue& v : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject o = v.toObject();
        ManifestFile f{o.value(QStringLiteral("kind")).toString(),
                       o.value(QStringLiteral("slot")).toInt(-1),
                       o.value(QStringLiteral("file")).toString(),
                       o.value(QStringLiteral("sha256")).toString()};
        if (!plain.match(f.file).hasMatch() || f.file.startsWith(QLatin1Char('.')))
            return {std::nullopt, QCoreApplication::translate(
                                      "Manifest", "manifest.json: недопустимое имя файла '%1'")
                                      .arg(f.file)};
        if (names.contains(f.file))
            return {std::nullopt, QCoreApplication::translate(
                                      "Manifest", "manifest.json: файл '%1' назван дважды")
                                      .arg(f.file)};
        names.insert(f.file);
        const QString slot = f.kind + QLatin1Char(' ') + QString::number(f.slot);
        if (f.slot >= 0 && takenSlots.contains(slot))
            return {std::nullopt, f.kind == QStringLiteral("mark")
                                      ? QCoreApplication::translate(
                                            "Manifest", "manifest.json: марка #%1 названа дважды")
                                            .arg(f.slot)
                                      : QCoreApplication::translate(
                                            "Manifest", "manifest.json: логотип #%1 назван дважды")
                                            .arg(f.slot)};
        takenSlots.insert(slot);
        m.files.push_back(f);
    }
    if (m.model.isEmpty())
        return {std::nullopt,
                QCoreApplication::translate("Manifest", "manifest.json: не указана модель")};
    return {m, QString()};
}

QString sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString modelFamily(const QString& model) {
    return model.left(2).toUpper();
}

QString markFileName(int mark) {
    return QStringLiteral("mark%1.mrt").arg(mark, 2, 10, QLatin1Char('0'));
}

QString logoFileName(int logo) {
    return QStringLiteral("logo%1.bin").arg(logo, 3, 10, QLatin1Char('0'));
}

} // namespace nimbrel::backup
