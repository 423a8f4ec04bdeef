#pragma once

#include "SimProcessQt.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace nimbrel::testing {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

// The built nimbrel-cli and nimbrel-sim as child processes sharing one virtual-port folder.
struct CliFixture : ::testing::Test {
    QTemporaryDir runtime;
    QTemporaryDir work;
    std::vector<std::unique_ptr<SimProcess>> sims;

    // Replies in one piece, as in the other end-to-end suites: a loaded machine must not make
    // a paced reply look finished early.
    SimProcess& startSim(QStringList args) {
        args << QStringLiteral("--no-pacing");
        sims.push_back(startSimIn(runtime.path(), args));
        EXPECT_FALSE(portName(*sims.back()).isEmpty())
            << "simulator did not start: " << sims.back()->stderrText();
        return *sims.back();
    }

    // `variables` are set for the run on top of the test's environment.
    CliRun cli(const QStringList& args, const std::map<QString, QString>& variables = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        for (const auto& [name, value] : variables)
            env.insert(name, value);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work.path());
        p.start(QStringLiteral(NIMBREL_CLI_PATH), args);
        if (!p.waitForFinished(120000))
            p.kill();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // cli() on the simulator's port.
    CliRun on(const SimProcess& sim, QStringList args) {
        args << QStringLiteral("-p") << portName(sim);
        return cli(args);
    }

    QString path(const QString& name) const { return work.filePath(name); }

    // file name -> SHA-256 from a backup folder's manifest.
    std::map<QString, QString> hashes(const QString& folder) const {
        QFile f(QDir(folder).filePath(QStringLiteral("manifest.json")));
        f.open(QIODevice::ReadOnly);
        std::map<QString, QString> out;
        for (const QJsonValue& v :
             QJsonDocument::fromJson(f.readAll()).object().value("files").toArray())
            out[v.toObject().value("file").toString()] = v.toObject().value("sha256").toString();
        return out;
    }
};

} // namespace nimbrel::testing
