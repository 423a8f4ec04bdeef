#include "LimitedWrites.h"
#include "LogoFixture.h"
#include "logos/LogoFiles.h"

namespace nimbrel::testing {
namespace {

// Every logo save on a full disk or past the file-size limit: the old file stays as it was
// and the failure is said.
class FullDisk : public LogoFixture, public ::testing::WithParamInterface<DiskLimit> {
protected:
    void SetUp() override {
        QString why;
        if (!m_limit.prepare(dir.path(), why))
            GTEST_SKIP() << why.toStdString();
    }
    // The old file, then no more room.
    void keepAndFill(const QString& name, const QByteArray& old) {
        ASSERT_TRUE(writeBytes(path(name), old));
        m_limit.engage();
    }
    QByteArray after(const QString& name) {
        m_limit.release();
        return fileBytes(path(name));
    }
    void wideLogo(int w, int h) {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(Qt::white);
        logos::showPicture(logo, picture);
        logos::paintDot(logo, 0, h - 1, true);
    }
    QString lastMessage() const {
        const auto shown = dialogs.messages();
        return shown.empty() ? QString() : shown.back().text;
    }

    LimitedWrites m_limit{GetParam()};
};

const QByteArray kOldBin("\x0C\x00\x02\x01\xAA\x55", 6);

TEST_P(FullDisk, SaveAsBinKeepsTheOldFile) {
    keepAndFill("keep.bin", kOldBin);
    logo.changed = true;
    logos::paintDot(logo, 3, 3, true);
    dialogs.answer(path("keep.bin"));
    session::saveLogoAs(ctx);
    EXPECT_EQ(lastMessage(), u(u"Файл записать невозможно:\n\r") + path("keep.bin"));
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(after("keep.bin"), kOldBin);
}

TEST_P(FullDisk, SaveAsBmpKeepsTheOldFile) {
    const QByteArray old = QByteArray("BM") + QByteArray(60, '\x11');
    keepAndFill("keep.bmp", old);
    logo.changed = true;
    dialogs.answer(path("keep.bmp"));
    session::saveLogoAs(ctx);
    EXPECT_EQ(lastMessage(), u(u"Файл записать невозможно:\n\r") + path("keep.bmp"));
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(after("keep.bmp"), old);
}

TEST_P(FullDisk, SaveBeforeOpeningAnotherKeepsTheOldFile) {
    keepAndFill("a.bin", kOldBin);
    logo.file = {path("a.bin"), QStringLiteral("bin"), path("a.bin")};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    session::openLogoFile(ctx);
    EXPECT_EQ(lastMessage(), u(u"Файл записать невозможно:\n\r") + path("a.bin"));
    EXPECT_TRUE(logo.changed);
    for (const auto& call : dialogs.calls)
        EXPECT_NE(call.type, ScriptedDialogs::Type::OpenFile);
    EXPECT_EQ(after("a.bin"), kOldBin);
}

TEST_P(FullDisk, BinPartsKeepTheOldFiles) {
    keepAndFill("pic_1.bin", kOldBin);
    logos::makeBlankLogo(logo, 256, 32);
    logo.changed = true;
    dialogs.answer(path("pic.bin"));
    dialogs.answer(platform::kNo);
    session::saveLogoAs(ctx);
    QString expected = u(u"Файл записать невозможно:\n\r") + path("pic_1.bin");
    for (int i = 2; i <= 5; ++i)
        expected += QStringLiteral("\n\r") + path(QStringLiteral("pic_%1.bin").arg(i));
    EXPECT_EQ(lastMessage(), expected);
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(after("pic_1.bin"), kOldBin);
    EXPECT_FALSE(QFile::exists(path("pic_2.bin")));
}

TEST_P(FullDisk, BmpPartsKeepTheOldFilesAndNothingIsSent) {
    const QByteArray old = QByteArray("BM") + QByteArray(30, '\x22');
    keepAndFill("w.bmp_1.bmp", old);
    wideLogo(100, 32);
    logo.file.chosen = path("w.bmp");
    session::writeLogo(ctx);
    EXPECT_EQ(lastMessage(), u(u"Файл записать невозможно:\n\r") + path("w.bmp_1.bmp") +
                                 u(u"\n\r") + path("w.bmp_2.bmp"));
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(logo.width, 100);
    EXPECT_EQ(after("w.bmp_1.bmp"), old);
}

TEST_P(FullDisk, LogoReadKeepsTheOldLogoFile) {
    keepAndFill("logo005.bin", kOldBin);
    dialogs.answer("5");
    port.queueReply(bytes({0x06, 2, 1, 0x01, 0x80}));
    session::readLogo(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(shown[0].text, u(u"Файл записать невозможно:\n\r") + path("logo005.bin"));
    EXPECT_EQ(shown[0].kind, 16);
    EXPECT_NE(logo.file.name, path("logo005.bin"));
    EXPECT_EQ(after("logo005.bin"), kOldBin);
}

INSTANTIATE_TEST_SUITE_P(Limits, FullDisk,
                         ::testing::Values(DiskLimit::FullDisk, DiskLimit::FileSizeLimit),
                         [](const auto& info) { return std::string(diskLimitName(info.param)); });

} // namespace
} // namespace nimbrel::testing
