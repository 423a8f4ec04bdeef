#include "logos/LogoFiles.h"
#include "LogoTestSupport.h"

#include <QtEndian>

namespace nimbrel::testing {
namespace {

using logos::LogoState;

void put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}
void put32(QByteArray& out, qint64 v) {
    put16(out, static_cast<int>(v & 0xFFFF));
    put16(out, static_cast<int>((v >> 16) & 0xFFFF));
}

// A Windows bitmap with a 40-byte header, built by hand so every variant can be tried.
QByteArray bmpFile(int w, int h, int bpp, int compression, const QByteArray& palette,
                   const QByteArray& pixels) {
    QByteArray out("BM");
    const int offset = 14 + 40 + static_cast<int>(palette.size());
    put32(out, offset + pixels.size());
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, w);
    put32(out, h);
    put16(out, 1);
    put16(out, bpp);
    put32(out, compression);
    put32(out, pixels.size());
    put32(out, 2835);
    put32(out, 2835);
    put32(out, palette.size() / 4);
    put32(out, 0);
    return out + palette + pixels;
}

const QByteArray kBlackWhitePalette = bytes({0, 0, 0, 0, 255, 255, 255, 0});

struct BmpCase {
    const char* name;
    QByteArray file;
};

class BmpVariants : public ::testing::TestWithParam<BmpCase> {};

// Every variant holds the same 4 x 2 picture: top row "#..#", bottom row ".##.".
TEST_P(BmpVariants, ReadAsTheSamePicture) {
    const auto read = logos::decodeBmp(GetParam().file);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    LogoState logo;
    logos::showPicture(logo, read.picture);
    EXPECT_EQ(dotRows(logo), (std::vector<std::string>{"#..#", ".##."}));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, BmpVariants,
    ::testing::Values(
        // Rows bottom-up, each padded to 4 bytes.
        BmpCase{"Mono",
                bmpFile(4, 2, 1, 0, kBlackWhitePalette, bytes({0x90, 0, 0, 0, 0x60, 0, 0, 0}))},
        BmpCase{"FourBit", bmpFile(4, 2, 4, 0, kBlackWhitePalette,
                                   bytes({0x10, 0x01, 0, 0, 0x01, 0x10, 0, 0}))},
        BmpCase{"EightBit",
                bmpFile(4, 2, 8, 0, kBlackWhitePalette, bytes({1, 0, 0, 1, 0, 1, 1, 0}))},
        BmpCase{"Rle8", bmpFile(4, 2, 8, 1, kBlackWhitePalette,
                                bytes({1, 1, 2, 0, 1, 1, 0, 0, 1, 0, 2, 1, 1, 0, 0, 1}))},
        BmpCase{"SixteenBit", bmpFile(4, 2, 16, 0, QByteArray(),
                                      bytes({0xFF, 0x7F, 0, 0, 0, 0, 0xFF, 0x7F, 0, 0, 0xFF, 0x7F,
                                             0xFF, 0x7F, 0, 0}))},
        BmpCase{"TwentyFourBit",
                bmpFile(4, 2, 24, 0, QByteArray(),
                        bytes({255, 255, 255, 0,   0,   0,   0,   0,   0,   255, 255, 255,
                               0,   0,   0,   255, 255, 255, 255, 255, 255, 0,   0,   0}))},
        BmpCase{"ThirtyTwoBit", bmpFile(4, 2, 32, 0, QByteArray(),
                                        bytes({255, 255, 255, 0,   0,   0, 0, 0, 0, 0,   0,
                                               0,   255, 255, 255, 0,   0, 0, 0, 0, 255, 255,
                                               255, 0,   255, 255, 255, 0, 0, 0, 0, 0}))}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedBmp {
    const char* name;
    QByteArray file;
    const char16_t* error;
};

class BmpRefused : public ::testing::TestWithParam<RefusedBmp> {};

TEST_P(BmpRefused, WithAClearMessage) {
    const auto read = logos::decodeBmp(GetParam().file);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, u(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BmpRefused,
    ::testing::Values(
        RefusedBmp{"Taller", bmpFile(1, 40, 8, 0, kBlackWhitePalette, QByteArray(160, '\0')),
                   u"Файл открыть невозможно. Размер 'Y'>32! (Y=40)."},
        RefusedBmp{"Wider", bmpFile(820, 1, 8, 0, kBlackWhitePalette, QByteArray(820, '\0')),
                   u"Файл открыть невозможно. Размер 'X'>819! (X=820)."},
        RefusedBmp{"NotABitmap", QByteArray("GIF89a not a bitmap at all"),
                   u"Файл открыть невозможно. Рисунок BMP не читается!"},
        RefusedBmp{"Empty", QByteArray(), u"Файл открыть невозможно. Рисунок BMP не читается!"},
        // A GIF whose header promises a small picture: only BMP is decoded.
        RefusedBmp{"GifInDisguise",
                   QByteArray("GIF89a,\x01\x00"
                              "a98,,,,\x01\x00\x00\x00\x00\x00\x00\x0a\x00,,,\x0a",
                              29),
                   u"Файл открыть невозможно. Рисунок BMP не читается!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpWriter, Uncompressed24BitOfTheLogoArea) {
    LogoState logo;
    drawRows(logo, 10, 8, {"#........#", "", "", "", "", "", "", ".#"});
    const QByteArray file = logos::encodeBmp(logo);
    ASSERT_GE(file.size(), 54);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData() + 18), 10);
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData() + 22), 8);
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 30), 0u);
    // 10 pixels of 3 bytes padded to 32 per row.
    EXPECT_EQ(file.size(), 54 + 8 * 32);

    const auto read = logos::decodeBmp(file);
    ASSERT_TRUE(read.ok());
    LogoState again;
    logos::showPicture(again, read.picture);
    EXPECT_EQ(dotRows(again), dotRows(logo));
    EXPECT_EQ(again.logo.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(again.logo.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(BmpWriter, KeepsThePicturesOwnColours) {
    LogoState logo;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(200, 210, 220));
    logos::showPicture(logo, picture);
    const auto read = logos::decodeBmp(logos::encodeBmp(logo));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.picture.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(read.picture.pixel(1, 0), qRgb(200, 210, 220));
}

TEST(BinWriter, SixtyFourBy24Is196Bytes) {
    LogoState logo;
    logos::paintDot(logo, 0, 23, true); // bottom of column 0: bit 0 of its first byte
    logos::paintDot(logo, 63, 0, true); // top of column 63: bit 7 of its last byte
    const QByteArray file = logos::singleBinFile(logo);
    ASSERT_EQ(file.size(), 196);
    EXPECT_EQ(file.left(4), bytes({0xC4, 0x00, 64, 3}));
    EXPECT_EQ(file.mid(4, 3), bytes({0x01, 0, 0}));
    EXPECT_EQ(file.right(3), bytes({0, 0, 0x80}));
    EXPECT_EQ(file.count('\0'), 196 - 5);
}

TEST(BinWriter, WidthByteIsUnsigned) {
    LogoState logo;
    logos::makeBlankLogo(logo, 250, 8);
    logos::paintDot(logo, 249, 7, true);
    const QByteArray file = logos::singleBinFile(logo);
    EXPECT_EQ(file.left(4), bytes({254, 0, 250, 1}));
    const auto decoded = logos::decodeBinPbm(file, true);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.picture.width, 250);
    EXPECT_EQ(decoded.picture.bytesPerColumn, 1);
    EXPECT_EQ(decoded.picture.columns.at(249), '\x01');
}

TEST(BinWriter, TwentyRowsComeBackAs24WithLightRowsOnTop) {
    LogoState logo;
    QImage picture(3, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    logos::showPicture(logo, picture);
    const QByteArray file = logos::singleBinFile(logo);
    EXPECT_EQ(file.left(4), bytes({13, 0, 3, 3}));
    EXPECT_EQ(file.mid(4, 3), bytes({0xFF, 0xFF, 0x0F}));
    const auto decoded = logos::decodeBinPbm(file, true);
    ASSERT_TRUE(decoded.ok());
    LogoState again;
    logos::unpackColumns(again, decoded.picture.columns, 3, 3);
    EXPECT_EQ(again.height, 24);
    const auto rows = dotRows(again);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rows[y], "...");
    for (int y = 4; y < 24; ++y)
        EXPECT_EQ(rows[y], "###");
}

struct HeaderCase {
    const char* name;
    bool bin;
    QByteArray file;
    const char16_t* error; // nullptr: accepted
    int width;
    int bytesPerColumn;
};

class BinPbmHeaders : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(BinPbmHeaders, AcceptedOrRefused) {
    const HeaderCase& c = GetParam();
    const auto decoded = logos::decodeBinPbm(c.file, c.bin);
    if (c.error) {
        EXPECT_EQ(decoded.error, u(c.error));
        return;
    }
    ASSERT_TRUE(decoded.ok()) << decoded.error.toStdString();
    EXPECT_EQ(decoded.picture.width, c.width);
    EXPECT_EQ(decoded.picture.bytesPerColumn, c.bytesPerColumn);
    EXPECT_EQ(decoded.picture.columns.size(), c.width * c.bytesPerColumn);
}

const char16_t* kVertical = u"Превышение Вертикального Размера Печати!";
const char16_t* kHorizontal = u"Превышение Горизонтального Размера Печати!";
const char16_t* kZeroWidth = u"Файл открыть невозможно. Размер 'X'=0!";
const char16_t* kDamaged = u"Файл открыть невозможно. Файл пуст или поврежден!";

INSTANTIATE_TEST_SUITE_P(
    Files, BinPbmHeaders,
    ::testing::Values(
        HeaderCase{"BinOk", true, bytes({9, 0, 2, 4, 1, 2, 3, 4, 5, 6, 7, 8}), nullptr, 2, 4},
        HeaderCase{"BinLengthWordIgnored", true, bytes({0xFF, 0xFF, 1, 1, 0x55}), nullptr, 1, 1},
        HeaderCase{"BinShortDataPadded", true, bytes({0, 0, 3, 2, 1}), nullptr, 3, 2},
        HeaderCase{"BinRowsZero", true, bytes({0, 0, 1, 0, 0}), kVertical, 0, 0},
        HeaderCase{"BinRowsFive", true, bytes({0, 0, 1, 5, 0}), kVertical, 0, 0},
        HeaderCase{"BinWidthZero", true, bytes({2, 0, 0, 1}), kZeroWidth, 0, 0},
        HeaderCase{"BinTooShort", true, bytes({4, 0, 1}), kDamaged, 0, 0},
        HeaderCase{"PbmOk", false, bytes({2, 0x33, 0x03, 1, 2}), nullptr, 819, 2},
        HeaderCase{"PbmRowsFive", false, bytes({5, 10, 0}), kVertical, 0, 0},
        HeaderCase{"PbmRowsZero", false, bytes({0, 10, 0}), kVertical, 0, 0},
        HeaderCase{"PbmWidthZero", false, bytes({1, 0, 0}), kZeroWidth, 0, 0},
        HeaderCase{"PbmPastThePrinter", false, bytes({1, 0x81, 0x06}), kHorizontal, 0, 0},
        HeaderCase{"PbmWiderThanTheEditor", false, bytes({1, 0x80, 0x06}),
                   u"Файл открыть невозможно. Размер 'X'>819! (X=1664).", 0, 0},
        HeaderCase{"PbmJustTooWide", false, bytes({1, 0x34, 0x03}),
                   u"Файл открыть невозможно. Размер 'X'>819! (X=820).", 0, 0},
        HeaderCase{"PbmEmpty", false, QByteArray(), kDamaged, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BinPbmData, PbmColumnsStartAtOffset3) {
    const auto decoded = logos::decodeBinPbm(bytes({1, 2, 0, 0xAA, 0xBB, 0xCC}), false);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.picture.columns, bytes({0xAA, 0xBB}));
}

TEST(BinPbmData, OnlyTheFirst8192BytesAreRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    ASSERT_TRUE(writeBytes(path, QByteArray(10000, '\x07')));
    const auto head = logos::readFileHead(path);
    ASSERT_TRUE(head.ok());
    EXPECT_EQ(head.bytes.size(), 8192);
}

TEST(Files, MissingFileAndUnwritableFolderAreSaid) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.bin"));
    EXPECT_EQ(logos::readFileHead(missing).error, u(u"Файл открыть невозможно:\n\r") + missing);
    EXPECT_EQ(logos::readBmpFile(missing).error, u(u"Файл открыть невозможно:\n\r") + missing);
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/x.bin"));
    EXPECT_EQ(logos::writeLogoFile(nowhere, "x"), u(u"Файл записать невозможно:\n\r") + nowhere);
}

TEST(Files, AtomicWriteReplacesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    ASSERT_TRUE(writeBytes(path, QByteArray(500, 'x')));
    EXPECT_TRUE(logos::writeLogoFile(path, "abc").isEmpty());
    EXPECT_EQ(fileBytes(path), QByteArray("abc"));
}

} // namespace
} // namespace nimbrel::testing
