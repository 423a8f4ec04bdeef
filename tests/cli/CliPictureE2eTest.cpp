#include "CliProcess.h"
#include "cli/TraceLog.h"

#include <QImage>
#include <QPainter>

namespace nimbrel::testing {
namespace {

using CliPictureTest = CliFixture;

const QStringList kT936{"--model", "T936"};

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Dark shapes on white, w x h pixels, saved in the format its name says.
void writePicture(const QString& path, int w, int h, const char* format) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(QRect(w / 8, h / 4, w / 4, h / 2), Qt::black);
    painter.fillRect(QRect(w / 2, 0, w / 16, h), Qt::black);
    painter.end();
    ASSERT_TRUE(picture.save(path, format));
}

// The column bytes a logo read leaves in its BIN file (after length word, X and R).
QByteArray readColumns(CliFixture& f, const SimProcess& sim, int slot, int& width) {
    const QString out = f.path(QStringLiteral("back%1.bin").arg(slot));
    const CliRun read = f.on(sim, {"logo", "read", QString::number(slot), "-o", out});
    EXPECT_EQ(read.code, 0) << read.err.toStdString();
    const QByteArray bin = fileBytes(out);
    width = bin.size() > 2 ? static_cast<unsigned char>(bin[2]) : 0;
    return bin.mid(4);
}

TEST_F(CliPictureTest, PngConvertedAndWrittenGivesTheSameColumns) {
    SimProcess& sim = startSim(kT936);
    writePicture(path("logo.png"), 200, 100, "PNG");
    const CliRun convert =
        on(sim, {"logo", "convert", path("logo.png"), path("logo.pbm"), "--height", "16"});
    ASSERT_EQ(convert.code, 0) << convert.err.toStdString();
    const QByteArray pbm = fileBytes(path("logo.pbm"));
    ASSERT_EQ(pbm.left(3), QByteArray("\x02\x20\x00", 3)); // R 2, X 32: the maker's PBM
    const CliRun write = on(sim, {"logo", "write", "5", path("logo.png"), "--height", "16"});
    ASSERT_EQ(write.code, 0) << write.err.toStdString();
    int width = 0;
    EXPECT_EQ(readColumns(*this, sim, 5, width), pbm.mid(3));
    EXPECT_EQ(width, 32);
    // The converted PBM is a logo file of the program's own: written as it is.
    ASSERT_EQ(on(sim, {"logo", "write", "6", path("logo.pbm")}).code, 0);
    EXPECT_EQ(readColumns(*this, sim, 6, width), pbm.mid(3));
}

TEST_F(CliPictureTest, WideLogoIsRefusedOrSplitIntoNeighbouringSlots) {
    SimProcess& sim = startSim(kT936);
    writePicture(path("wide.png"), 600, 100, "PNG"); // 192 x 32 dots
    const QStringList args{"logo", "write", "10", path("wide.png"), "--height", "32"};
    const CliRun refused = on(sim, args);
    EXPECT_EQ(refused.code, 6);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Логотип 192x32 шире одного слота: при "
                                                    "высоте 32 не более 63 столбцов.")))
        << refused.err.toStdString();
    EXPECT_EQ(on(sim, {"logo", "read", "10"}).code, 6);

    ASSERT_EQ(
        on(sim, {"logo", "convert", path("wide.png"), path("wide.pbm"), "--height", "32"}).code, 0);
    const QByteArray columns = fileBytes(path("wide.pbm")).mid(3);
    const CliRun split = on(sim, args + QStringList{"--split"});
    ASSERT_EQ(split.code, 0) << split.err.toStdString();
    EXPECT_EQ(split.out.count(QStringLiteral(" завершена.")), 4);
    for (int part = 0; part < 4; ++part) { // 192 = 48 + 48 + 48 + 48
        int width = 0;
        EXPECT_EQ(readColumns(*this, sim, 10 + part, width), columns.mid(part * 48 * 4, 48 * 4))
            << part;
        EXPECT_EQ(width, 48);
    }
    EXPECT_EQ(on(sim, {"logo", "write", "126", path("wide.png"), "--height", "32", "--split"}).code,
              2);
}

// The received bytes of one run's trace: a mark read's block is the last of them.
QByteArray received(const QString& tracePath) {
    QByteArray out;
    for (const QString& line : QString::fromUtf8(fileBytes(tracePath)).split('\n')) {
        const auto entry = cli::parseTraceLine(line);
        if (entry && entry->kind == '<')
            out += entry->bytes;
    }
    return out;
}

TEST_F(CliPictureTest, FragmentOfAStoredMarkChangesThatRecordOnly) {
    SimProcess& sim = startSim({"--model", "T936", "--occupy-marks", "3"});
    ASSERT_EQ(on(sim, {"mark", "read", "3", "--trace", path("before.txt")}).code, 0);
    const CliRun write = on(sim, {"fragment", "write", "1", "1", "--mark", "3", "--type", "number",
                                  "--font", "7", QStringLiteral("ПАРТИЯ 42")});
    ASSERT_EQ(write.code, 0) << write.err.toStdString();
    ASSERT_EQ(on(sim, {"mark", "read", "3", "--trace", path("after.txt")}).code, 0);
    const QByteArray before = received(path("before.txt")).right(32 * 48);
    const QByteArray after = received(path("after.txt")).right(32 * 48);
    ASSERT_EQ(before.size(), 32 * 48);
    // Record 0 is fragment 1 of line 1: type 0x19, font 7, 9 bytes of Windows-1251 text.
    EXPECT_EQ(after.left(12), QByteArray("\x19\x07\x09\xCF\xC0\xD0\xD2\xC8\xDF\x20\x34\x32"));
    EXPECT_EQ(after.mid(12, 36), QByteArray(36, '\0'));
    EXPECT_EQ(after.mid(48), before.mid(48));

    const CliRun read = on(sim, {"fragment", "read", "1", "1", "--mark", "3", "--json"});
    const QJsonObject f = QJsonDocument::fromJson(read.out.toUtf8()).object();
    EXPECT_EQ(f.value("text").toString(), QStringLiteral("ПАРТИЯ 42"));
    EXPECT_EQ(f.value("mark").toInt(), 3);
    // The printed mark is left alone.
    EXPECT_NE(
        QJsonDocument::fromJson(on(sim, {"fragment", "read", "1", "1", "--json"}).out.toUtf8())
            .object()
            .value("text")
            .toString(),
        QStringLiteral("ПАРТИЯ 42"));
    EXPECT_EQ(on(sim, {"fragment", "read", "1", "1", "--mark", "12"}).code, 6); // empty mark
}

} // namespace
} // namespace nimbrel::testing
