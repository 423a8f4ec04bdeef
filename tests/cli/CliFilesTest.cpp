#include "CliProcess.h"

#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace nimbrel::testing {
namespace {

using CliFiles = CliFixture;

QStringList everyMark() {
    QStringList marks;
    for (int n = 1; n <= 85; ++n)
        marks << QString::number(n);
    return marks;
}

QStringList hiddenEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

struct EndCase {
    const char* name;
    int signal;
    bool partialLeft; // only SIGKILL leaves it, for the next backup to remove
};

class CliBackupEnd : public CliFixture, public ::testing::WithParamInterface<EndCase> {};

TEST_P(CliBackupEnd, SignalMidBackupLeavesNoPartialFolder) {
    // Paced at the line's rate with every mark stored: the backup runs for many seconds.
    sims.push_back(startSimIn(
        runtime.path(), {"--model", "T936", "--occupy-marks", everyMark().join(QLatin1Char(','))}));
    ASSERT_FALSE(portName(*sims.back()).isEmpty()) << sims.back()->stderrText();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NIMBREL_CLI_PATH),
            {"backup", path("copy"), "-p", portName(*sims.back())});
    // Under way once the partial folder holds its first marks.
    QString partial;
    for (int i = 0; i < 600 && partial.isEmpty(); ++i) {
        QThread::msleep(50);
        const QStringList names = hiddenEntries(work.path());
        if (names.size() == 1 && QDir(path(names[0])).entryList(QDir::Files).size() >= 3)
            partial = path(names[0]);
    }
    ASSERT_FALSE(partial.isEmpty()) << hiddenEntries(work.path()).join(' ').toStdString();
    ASSERT_TRUE(QFileInfo(partial).fileName().startsWith(QStringLiteral(".copy.partial-")));
    ::kill(static_cast<pid_t>(p.processId()), GetParam().signal);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(hiddenEntries(work.path()),
              GetParam().partialLeft ? QStringList{QFileInfo(partial).fileName()} : QStringList());
    if (!GetParam().partialLeft)
        return;
    // What a killed run left is no backup, even with a manifest in it.
    QFile manifest(QDir(partial).filePath(QStringLiteral("manifest.json")));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.write(R"({"format": 1, "model": "T936", "files": []})");
    manifest.close();
    SimProcess& quick = startSim({"--model", "T936", "--occupy-marks", "4"});
    const CliRun restore = on(quick, {"restore", partial, "--yes"});
    EXPECT_EQ(restore.code, 6);
    EXPECT_TRUE(restore.err.contains(QStringLiteral("незавершённая резервная копия")))
        << restore.err.toStdString();
    const CliRun next = on(quick, {"backup", path("copy")});
    EXPECT_EQ(next.code, 0) << next.err.toStdString();
    EXPECT_EQ(hiddenEntries(work.path()), QStringList{"copy"});
}

INSTANTIATE_TEST_SUITE_P(Signals, CliBackupEnd,
                         ::testing::Values(EndCase{"Term", SIGTERM, false},
                                           EndCase{"Int", SIGINT, false},
                                           EndCase{"Kill", SIGKILL, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// An output of mark read: what stands there before, the size limit, what must follow.
// A file-size limit is a failed write: the file already at the name stays as it was.
TEST_F(CliFiles, OutputPastTheSizeLimitKeepsTheOldFile) {
    SimProcess& sim = startSim({"--model", "T936", "--occupy-marks", "5"});
    const QString out = path("m.mrt");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    p.setProcessEnvironment(env);
    p.setChildProcessModifier([] {
        const rlimit r{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &r);
    });
    p.start(QStringLiteral(NIMBREL_CLI_PATH),
            {"mark", "read", "5", "-o", out, "-p", portName(sim)});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 6) << p.readAllStandardError().toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_EQ(hiddenEntries(work.path()), QStringList{"m.mrt"});
}

} // namespace
} // namespace nimbrel::testing
