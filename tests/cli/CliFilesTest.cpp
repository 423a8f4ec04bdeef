#include "CliProcess.h"

#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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
struct OutputCase {
    const char* name;
    const char* output; // relative to the work folder unless absolute
    rlim_t sizeLimit;   // RLIM_INFINITY: none
    int code;
    bool rootOnly;
};

class CliOutput : public CliFixture, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(CliOutput, OutputSurvivesWhatStandsThereAndTheLimit) {
    const OutputCase& c = GetParam();
    if (c.rootOnly && ::geteuid() != 0)
        GTEST_SKIP() << "only root may replace a device node";
    SimProcess& sim = startSim({"--model", "T936", "--occupy-marks", "5"});
    const QString out = QDir::isAbsolutePath(c.output) ? QString(c.output) : path(c.output);
    // The regular file is the one kept past the limit; the device is written.
    const bool regular = !c.rootOnly;
    if (regular) {
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    p.setProcessEnvironment(env);
    const rlim_t limit = c.sizeLimit;
    p.setChildProcessModifier([limit] {
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
    });
    p.start(QStringLiteral(NIMBREL_CLI_PATH),
            {"mark", "read", "5", "-o", out, "-p", portName(sim)});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), c.code) << p.readAllStandardError().toStdString();
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(out).constData(), &st), 0);
    if (regular) {
        QFile kept(out);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("old"));
        EXPECT_EQ(hiddenEntries(work.path()), QStringList{QFileInfo(out).fileName()});
    } else {
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, CliOutput,
                         ::testing::Values(OutputCase{"PastTheSizeLimit", "m.mrt", 100, 6, false},
                                           OutputCase{"DevNullAsRoot", "/dev/null", RLIM_INFINITY,
                                                      0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
