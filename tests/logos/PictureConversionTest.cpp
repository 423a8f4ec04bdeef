#include "logos/PictureConversion.h"
#include "LogoTestSupport.h"

#include <QImageWriter>
#include <QPainter>

#include <fstream>
#include <string>

using namespace nimbrel;
using namespace nimbrel::logos;
using nimbrel::testing::dotRows;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

std::vector<std::string> rowsOf(const ConvertedLogo& c) {
    std::vector<std::string> rows;
    for (int y = 0; y < c.height; ++y) {
        std::string row;
        for (int x = 0; x < c.width; ++x)
            row += c.dark(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

QImage filled(int w, int h, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

ConversionOptions fixedThreshold(int t) {
    ConversionOptions options;
    options.threshold = t;
    return options;
}

TEST(PictureConversion, HeightRoundsUpToWholeBytesAtMost32) {
    const std::pair<int, int> cases[] = {{1, 8},   {8, 8},   {9, 16},  {16, 16}, {17, 24},
                                         {24, 24}, {25, 32}, {32, 32}, {33, 32}, {3000, 32}};
    for (auto [picture, height] : cases)
        EXPECT_EQ(autoHeight(picture), height) << picture;
}

TEST(PictureConversion, WidthFollowsTheAspectRatioWithinTheGrid) {
    struct Case {
        QSize picture;
        int height;
        QSize logo;
    };
    for (const Case& c : {
             Case{{100, 50}, kAutoHeight, {64, 32}},
             Case{{10, 5}, kAutoHeight, {16, 8}},
             Case{{30, 20}, kAutoHeight, {36, 24}},
             Case{{4000, 3000}, 32, {43, 32}},
             Case{{3000, 4000}, 8, {6, 8}},
             Case{{30, 20}, 16, {24, 16}},
             Case{{30, 20}, 13, {24, 16}},
             Case{{1, 1000}, 8, {1, 8}},
             Case{{100000, 100}, 32, {819, 32}},
             Case{{819, 32}, 32, {819, 32}},
             Case{{820, 32}, 32, {819, 32}},
             Case{{0, 10}, 8, {}},
         })
        EXPECT_EQ(convertedSize(c.picture, c.height), c.logo)
            << c.picture.width() << "x" << c.picture.height();
}

TEST(PictureConversion, OtsuThresholdOfHistograms) {
    struct Case {
        std::vector<std::pair<int, long long>> counts;
        int threshold;
    };
    for (const Case& c : {
             // Two clean tones: half way across the gap (41 .. 200 separate them equally).
             Case{{{40, 30}, {200, 70}}, 120},
             Case{{{10, 1}, {20, 1}, {200, 1}, {210, 1}}, 110},
             // {0} | {10, 250, 250} scores 86700, {0, 10} | {250, 250} 240100.
             Case{{{0, 1}, {10, 1}, {250, 2}}, 130},
             // Nothing to separate: the middle.
             Case{{{77, 500}}, 128},
             Case{{}, 128},
         }) {
        std::vector<long long> histogram(256, 0);
        for (auto [value, count] : c.counts)
            histogram[static_cast<std::size_t>(value)] = count;
        EXPECT_EQ(otsuThreshold(histogram), c.threshold);
    }
}

TEST(PictureConversion, OtsuSplitsABimodalPicture) {
    // Left: dark greys around 50, right: light greys around 190, as a scanned logo has them.
    QImage picture(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const int g = (x < 6 ? 50 : 190) + ((x * 7 + y * 3) % 11) - 5;
            picture.setPixel(x, y, qRgb(g, g, g));
        }
    const ConvertedLogo c = convertPicture(picture, {});
    ASSERT_TRUE(c.ok());
    EXPECT_GT(c.threshold, 55);
    EXPECT_LE(c.threshold, 185);
    EXPECT_EQ(rowsOf(c), std::vector<std::string>(8, "######.........."));
}

TEST(PictureConversion, ExactDotsAndColumnBytes) {
    QImage picture = filled(8, 8, Qt::white);
    for (int i = 0; i < 8; ++i)
        picture.setPixel(i, i, qRgb(0, 0, 0));
    picture.setPixel(0, 7, qRgb(30, 30, 30));
    const ConvertedLogo c = convertPicture(picture, fixedThreshold(128));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(rowsOf(c),
              (std::vector<std::string>{"#.......", ".#......", "..#.....", "...#....", "....#...",
                                        ".....#..", "......#.", "#......#"}));
    // The bottom row is bit 0 of a column's first byte.
    EXPECT_EQ(c.columnBytes(), QByteArray("\x81\x40\x20\x10\x08\x04\x02\x01", 8));
    EXPECT_EQ(c.darkCount(), 9);
    EXPECT_EQ(c.image().pixel(1, 1), 0xFF000000u);
    EXPECT_EQ(c.image().pixel(1, 0), 0xFFFFFFFFu);
}

TEST(PictureConversion, ColumnBytesOfATallLogo) {
    QImage picture = filled(2, 32, Qt::white);
    picture.setPixel(0, 31, qRgb(0, 0, 0)); // bottom: byte 0, bit 0
    picture.setPixel(0, 0, qRgb(0, 0, 0));  // top: byte 3, bit 7
    picture.setPixel(1, 23, qRgb(0, 0, 0)); // byte 1, bit 0
    const ConvertedLogo c = convertPicture(picture, fixedThreshold(128));
    EXPECT_EQ(c.columnBytes(), QByteArray("\x01\x00\x00\x80\x00\x01\x00\x00", 8));
}

TEST(PictureConversion, ThresholdBoundaries) {
    const QImage grey = filled(10, 8, QColor(128, 128, 128));
    EXPECT_EQ(convertPicture(grey, fixedThreshold(128)).darkCount(), 0);
    EXPECT_EQ(convertPicture(grey, fixedThreshold(129)).darkCount(), 80);
    EXPECT_EQ(convertPicture(filled(10, 8, Qt::black), fixedThreshold(0)).darkCount(), 0);
    EXPECT_EQ(convertPicture(filled(10, 8, Qt::white), fixedThreshold(255)).darkCount(), 0);
    EXPECT_EQ(convertPicture(grey, fixedThreshold(300)).threshold, 255);
}

TEST(PictureConversion, FloydSteinbergOnHalfGreyGivesAboutHalfTheDots) {
    ConversionOptions options = fixedThreshold(128);
    options.dithering = Dithering::FloydSteinberg;
    for (int grey : {127, 128}) {
        const ConvertedLogo c = convertPicture(filled(200, 32, QColor(grey, grey, grey)), options);
        ASSERT_EQ(c.width * c.height, 6400);
        EXPECT_GT(c.darkCount(), 6400 * 45 / 100) << grey;
        EXPECT_LT(c.darkCount(), 6400 * 55 / 100) << grey;
    }
    // Without dithering the same grey is all light or all dark.
    EXPECT_EQ(
        convertPicture(filled(200, 32, QColor(128, 128, 128)), fixedThreshold(128)).darkCount(), 0);
    // A quarter grey gives about three quarters of dark dots.
    const ConvertedLogo quarter = convertPicture(filled(200, 32, QColor(64, 64, 64)), options);
    EXPECT_GT(quarter.darkCount(), 6400 * 70 / 100);
    EXPECT_LT(quarter.darkCount(), 6400 * 80 / 100);
}

TEST(PictureConversion, TransparentPixelsCountAsLightOrDark) {
    // Left half fully transparent (black underneath), right half opaque black.
    QImage picture(16, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, x < 8 ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255));
    ConversionOptions options = fixedThreshold(128);
    EXPECT_EQ(rowsOf(convertPicture(picture, options)),
              std::vector<std::string>(8, "........########"));
    options.transparentAsLight = false;
    EXPECT_EQ(rowsOf(convertPicture(picture, options)),
              std::vector<std::string>(8, "################"));
    // Inverting turns the picture, not the transparent background.
    options.transparentAsLight = true;
    options.invert = true;
    EXPECT_EQ(rowsOf(convertPicture(picture, options)),
              std::vector<std::string>(8, "................"));
}

TEST(PictureConversion, HalfTransparentBlackIsMidGrey) {
    const QImage picture = filled(8, 8, QColor(0, 0, 0, 128), QImage::Format_ARGB32);
    EXPECT_EQ(convertPicture(picture, fixedThreshold(120)).darkCount(), 0);
    EXPECT_EQ(convertPicture(picture, fixedThreshold(135)).darkCount(), 64);
}

TEST(PictureConversion, InvertSwapsDarkAndLight) {
    QImage picture = filled(16, 8, Qt::white);
    QPainter(&picture).fillRect(0, 0, 4, 8, Qt::black);
    ConversionOptions options = fixedThreshold(128);
    EXPECT_EQ(rowsOf(convertPicture(picture, options)),
              std::vector<std::string>(8, "####............"));
    options.invert = true;
    EXPECT_EQ(rowsOf(convertPicture(picture, options)),
              std::vector<std::string>(8, "....############"));
}

TEST(PictureConversion, ScalesSmoothlyToTheChosenHeight) {
    // 64 x 64: top half black, bottom white; at 16 dots the top 8 rows are dark.
    QImage picture = filled(64, 64, Qt::white);
    QPainter(&picture).fillRect(0, 0, 64, 32, Qt::black);
    ConversionOptions options = fixedThreshold(128);
    options.height = 16;
    const ConvertedLogo c = convertPicture(picture, options);
    EXPECT_EQ(c.width, 16);
    EXPECT_EQ(c.height, 16);
    EXPECT_EQ(c.darkCount(), 16 * 8);
    EXPECT_TRUE(c.dark(5, 7));
    EXPECT_FALSE(c.dark(5, 8));
    // A one-pixel line of a large picture fades into its grey neighbourhood.
    QImage thin = filled(320, 80, Qt::white);
    QPainter(&thin).fillRect(0, 40, 320, 1, Qt::black);
    options.height = 8;
    EXPECT_EQ(convertPicture(thin, options).darkCount(), 0);
}

TEST(PictureConversion, NullPictureIsRefused) {
    const ConvertedLogo c = convertPicture(QImage(), {});
    EXPECT_FALSE(c.ok());
    EXPECT_EQ(c.error, u("Картинка пуста: в ней нет ни одной точки."));
}

// Peak memory growth of `action`, in megabytes; -1 where the system cannot tell.
template <typename F> long peakGrowthMb(F action) {
    std::ofstream clear("/proc/self/clear_refs");
    if (!clear || !(clear << "5" << std::flush))
        return -1;
    const auto readKb = [](const char* key) {
        std::ifstream status("/proc/self/status");
        std::string word;
        long value = -1;
        while (status >> word)
            if (word == key)
                status >> value;
        return value;
    };
    const long before = readKb("VmRSS:");
    action();
    const long peak = readKb("VmHWM:");
    return before < 0 || peak < 0 ? -1 : (peak - before) / 1024;
}

TEST(PictureConversion, HugePictureIsScaledWithoutAFullSizeCopy) {
    // 10000 x 10000 grey takes 100 MB; one 32-bit copy of it would take 400 MB more.
    QImage picture(10000, 10000, QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* line = picture.scanLine(y);
        std::fill(line, line + 5000, uchar{0});
        std::fill(line + 5000, line + 10000, uchar{255});
    }
    ConvertedLogo c;
    const long growth = peakGrowthMb([&] { c = convertPicture(picture, {}); });
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.width, 32);
    EXPECT_EQ(c.height, 32);
    EXPECT_EQ(rowsOf(c), std::vector<std::string>(32, "################................"));
    if (growth >= 0) {
        EXPECT_LT(growth, 64) << "megabytes";
    }
}

TEST(PictureConversion, HugeOneBitPictureConverts) {
    QImage picture(10000, 10000, QImage::Format_Mono);
    picture.fill(1);
    picture.setColor(0, qRgb(255, 255, 255));
    picture.setColor(1, qRgb(0, 0, 0));
    ConversionOptions options;
    options.height = 8;
    const ConvertedLogo c = convertPicture(picture, options);
    EXPECT_EQ(c.darkCount(), 64);
}

TEST(PictureConversion, ReadsAHugeJpegAtAReducedSize) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u("huge.jpg"));
    {
        QImage picture(10000, 10000, QImage::Format_Grayscale8);
        picture.fill(255);
        for (int y = 0; y < 10000; ++y)
            std::fill(picture.scanLine(y), picture.scanLine(y) + 2500, uchar{0});
        ASSERT_TRUE(picture.save(path, "JPEG", 50));
    }
    PictureRead read;
    const long growth = peakGrowthMb([&] { read = readPicture(path); });
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.fullSize, QSize(10000, 10000));
    EXPECT_EQ(read.picture.size(), QSize(256, 256));
    if (growth >= 0) {
        EXPECT_LT(growth, 64) << "megabytes";
    }
    const ConvertedLogo c = convertPicture(read.picture, fixedThreshold(128));
    EXPECT_EQ(rowsOf(c), std::vector<std::string>(32, "########........................"));
}

TEST(PictureConversion, ReadsPngKeepingSmallPicturesWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u("logo.png"));
    QImage picture = filled(40, 20, Qt::white, QImage::Format_ARGB32);
    picture.setPixel(3, 4, qRgba(1, 2, 3, 4));
    ASSERT_TRUE(picture.save(path));
    const PictureRead read = readPicture(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.fullSize, QSize(40, 20));
    EXPECT_EQ(read.picture.size(), QSize(40, 20));
    EXPECT_EQ(read.picture.pixel(3, 4), qRgba(1, 2, 3, 4));
}

TEST(PictureConversion, UnreadableFilesAreRefused) {
    QTemporaryDir dir;
    const QString text = dir.filePath(u("notes.png"));
    ASSERT_TRUE(nimbrel::testing::writeBytes(text, "just some words, no picture"));
    EXPECT_EQ(readPicture(text).error,
              u("Файл 'notes.png' не является картинкой известного формата."));
    EXPECT_EQ(readPicture(dir.filePath(u("missing.gif"))).error,
              u("Файл 'missing.gif' не найден."));
    // A PNG cut short after its header: the size is known, the dots are not.
    const QString cut = dir.filePath(u("cut.png"));
    QImage picture = filled(300, 300, Qt::red);
    ASSERT_TRUE(picture.save(cut));
    ASSERT_TRUE(nimbrel::testing::writeBytes(cut, nimbrel::testing::fileBytes(cut).left(60)));
    EXPECT_EQ(readPicture(cut).error, u("Картинку из файла 'cut.png' прочитать невозможно:\n\r"
                                        "файл поврежден или картинка слишком велика."));
}

TEST(PictureConversion, FilterNamesTheReadableFormatsButBmpAndPbm) {
    const QStringList patterns = pictureFilePatterns();
    for (const char* wanted : {"*.png", "*.jpg", "*.jpeg", "*.gif"})
        EXPECT_TRUE(patterns.contains(u(wanted))) << wanted;
    EXPECT_FALSE(patterns.contains(u("*.bmp")));
    EXPECT_FALSE(patterns.contains(u("*.pbm")));
    EXPECT_TRUE(pictureFileFilter().startsWith(u("Картинки (*.")));
    EXPECT_TRUE(pictureFileFilter().contains(u(" *.png ")));
    EXPECT_TRUE(pictureFileFilter().endsWith(u(")")));
}

TEST(PictureConversion, LoadingGivesTheLogoABinLoadWouldGive) {
    QImage picture = filled(20, 16, Qt::white);
    QPainter(&picture).fillRect(2, 3, 5, 9, Qt::black);
    const ConvertedLogo c = convertPicture(picture, fixedThreshold(128));
    ASSERT_EQ(c.height, 16);

    LogoState fromBin;
    unpackColumns(fromBin, c.columnBytes(), 20, 2);
    LogoState converted;
    converted.file = {u("/x/old.bin"), u("bin"), u("/x/photo.png")};
    converted.columnOffset = 7;
    loadConvertedLogo(converted, c);

    EXPECT_EQ(converted.logo, fromBin.logo);
    EXPECT_EQ(converted.grid, fromBin.grid);
    EXPECT_EQ(converted.width, 20);
    EXPECT_EQ(converted.height, 16);
    EXPECT_EQ(converted.bytesPerColumn, 2);
    EXPECT_TRUE(converted.changed);
    EXPECT_EQ(converted.file.name, QString());
    EXPECT_EQ(converted.file.type, u("bmp"));
    EXPECT_EQ(converted.file.chosen, u("/x/photo.png"));
    EXPECT_EQ(converted.columnOffset, 0);
    EXPECT_TRUE(converted.scrollHome);
    EXPECT_EQ(dotRows(converted)[3], "..#####.............");
    EXPECT_EQ(packColumns(converted, 0, 20, 2, 15), c.columnBytes());
}

TEST(PictureConversion, FailedConversionLeavesTheLogo) {
    LogoState logo;
    const QImage before = logo.logo;
    loadConvertedLogo(logo, convertPicture(QImage(), {}));
    EXPECT_EQ(logo.logo, before);
    EXPECT_FALSE(logo.changed);
}

} // namespace
