#include "logos/PictureConversion.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nimbrel::logos {
namespace {

struct KindCase {
    const char* name;
    QByteArray bytes;
    LogoFileKind kind;
};

class LogoFileKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(LogoFileKindTest, ByExtensionAndANetpbmHead) {
    const KindCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(c.name));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.bytes);
    f.close();
    EXPECT_EQ(logoFileKind(path), c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LogoFileKindTest,
    ::testing::Values(KindCase{"p4.pbm", QByteArray("P4\n8 1\n\xFF"), LogoFileKind::Picture},
                      KindCase{"p1.PBM", QByteArray("P1\n1 1\n1\n"), LogoFileKind::Picture},
                      // The maker's layout: R, then the 16-bit width.
                      KindCase{"maker.pbm", QByteArray("\x04\x50\x00", 3), LogoFileKind::Pbm},
                      KindCase{"p2.pbm", QByteArray("P2\n"), LogoFileKind::Pbm},
                      KindCase{"short.pbm", QByteArray("P"), LogoFileKind::Pbm},
                      KindCase{"logo.bin", QByteArray("P4"), LogoFileKind::Bin},
                      KindCase{"logo.BMP", QByteArray("BM"), LogoFileKind::Bmp},
                      KindCase{"photo.png", QByteArray(), LogoFileKind::Picture},
                      KindCase{"notes.txt", QByteArray("P4"), LogoFileKind::Unknown},
                      KindCase{"noext", QByteArray("P4"), LogoFileKind::Unknown}));

TEST(LogoFileKind, AnUnreadablePbmGoesToTheMakersLoaderForItsMessage) {
    EXPECT_EQ(logoFileKind(QStringLiteral("/nonexistent/x.pbm")), LogoFileKind::Pbm);
}

} // namespace
} // namespace nimbrel::logos
