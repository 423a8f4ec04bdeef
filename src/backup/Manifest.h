#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace nimbrel::backup {

// manifest.json of a backup folder: what the printer was, and every file with its slot and
// SHA-256.
struct ManifestFile {
    QString kind; // "mark", "logo", "settings"
    int slot = -1;
    QString file; // name inside the folder
    QString sha256;
};

struct Manifest {
    QString model;
    QString version;
    QString time; // ISO 8601, local time with its offset
    QString hours;
    QString printed;
    std::vector<ManifestFile> files;
    // Which program made the copy: "nimbrel-cli" or "nimbrel" (the window).
    QString program = QStringLiteral("nimbrel-cli");
};

QByteArray manifestJson(const Manifest& manifest);

struct ManifestRead {
    std::optional<Manifest> manifest;
    QString error;
};
ManifestRead parseManifest(const QByteArray& bytes);

QString sha256Hex(const QByteArray& bytes);

// "T2", "T7" or "T9": marks and logos move freely inside a family.
QString modelFamily(const QString& model);

// "mark05.mrt", "logo005.bin"
QString markFileName(int mark);
QString logoFileName(int logo);

} // namespace nimbrel::backup
