#include "platform/AtomicFile.h"
#include "LimitedWrites.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nimbrel::testing {
namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(AtomicFile, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray(5000, 'x')).ok());
    const auto r = platform::writeFileAtomically(path, QByteArray("abc"));
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(contents(path), QByteArray("abc"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.bin"});
}

TEST(AtomicFile, EmptyBytesMakeAnEmptyFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("e.bin"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("old")).ok());
    EXPECT_TRUE(platform::writeFileAtomically(path, QByteArray()).ok());
    EXPECT_EQ(contents(path), QByteArray());
}

TEST(AtomicFile, MissingFolderIsAFailureWithAReason) {
    QTemporaryDir dir;
    const auto r = platform::writeFileAtomically(dir.filePath(QStringLiteral("no/x.bin")), "x");
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.isEmpty());
}

// What stands at the output name, and what it must still be after the write.
struct Existing {
    const char* name;
    bool fifo;
    bool link;
};

class AtomicFileOver : public ::testing::TestWithParam<Existing> {};

TEST_P(AtomicFileOver, NonRegularTargetIsWrittenInPlaceNotReplaced) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString path = GetParam().link ? dir.filePath(QStringLiteral("link")) : target;
    const bool made = GetParam().fifo ? ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0
                                      : platform::writeFileAtomically(target, "old").ok();
    ASSERT_TRUE(made);
    if (GetParam().link) {
        ASSERT_TRUE(QFile::link(target, path));
    }
    QByteArray received;
    std::thread reader;
    if (GetParam().fifo)
        reader = std::thread([&] { received = contents(target); });
    const auto r = platform::writeFileAtomically(path, "new bytes");
    if (reader.joinable())
        reader.join();
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(S_ISFIFO(st.st_mode), GetParam().fifo);
    EXPECT_EQ(QFileInfo(path).isSymLink(), GetParam().link);
    EXPECT_EQ(GetParam().fifo ? received : contents(target), QByteArray("new bytes"));
}

INSTANTIATE_TEST_SUITE_P(Targets, AtomicFileOver,
                         ::testing::Values(Existing{"Fifo", true, false},
                                           Existing{"LinkToFifo", true, true},
                                           Existing{"LinkToFile", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicFile, DevNullStaysADeviceWhenRoot) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may replace /dev/null";
    ASSERT_TRUE(platform::writeFileAtomically(QStringLiteral("/dev/null"), "x").ok());
    struct stat st {};
    ASSERT_EQ(::lstat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

class AtomicFileLimited : public ::testing::TestWithParam<DiskLimit> {};

TEST_P(AtomicFileLimited, OldFileStaysAndNothingIsLeftBeside) {
    QTemporaryDir dir;
    LimitedWrites limit(GetParam());
    QString why;
    if (!limit.prepare(dir.path(), why))
        GTEST_SKIP() << why.toStdString();
    const QString path = dir.filePath(QStringLiteral("keep.bmp"));
    const QByteArray old = QByteArray("BM") + QByteArray(1972, '\x33');
    ASSERT_TRUE(platform::writeFileAtomically(path, old).ok());
    limit.engage();
    // Small enough to sit in the write buffer until the flush, large enough to need pages.
    for (int size : {1, 100, 20000, 300000}) {
        const auto r = platform::writeFileAtomically(path, QByteArray(size, 'n'));
        EXPECT_FALSE(r.ok()) << size;
        EXPECT_FALSE(r.error.isEmpty()) << size;
    }
    limit.release();
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Limits, AtomicFileLimited,
                         ::testing::Values(DiskLimit::FullDisk, DiskLimit::FileSizeLimit),
                         [](const auto& info) { return std::string(diskLimitName(info.param)); });

// Past the file-size limit the kernel sends SIGXFSZ, which ends a process by default.
int childSavingPastTheLimit(bool ignoreSignal, const QString& path) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (ignoreSignal)
            platform::ignoreFileSizeSignal();
        rlimit none{0, 0};
        ::getrlimit(RLIMIT_FSIZE, &none);
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
        const bool failed = !platform::writeFileAtomically(path, QByteArray(10, 'x')).ok();
        ::_exit(failed ? 7 : 0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(AtomicFile, FileSizeLimitIsAFailureNotAnExitOnceTheSignalIsIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    const int killed = childSavingPastTheLimit(false, path);
    ASSERT_TRUE(WIFSIGNALED(killed));
    EXPECT_EQ(WTERMSIG(killed), SIGXFSZ);
    const int ignored = childSavingPastTheLimit(true, path);
    ASSERT_TRUE(WIFEXITED(ignored));
    EXPECT_EQ(WEXITSTATUS(ignored), 7);
}

} // namespace
} // namespace nimbrel::testing
