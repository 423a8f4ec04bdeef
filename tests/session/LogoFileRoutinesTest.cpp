#include "LogoFixture.h"
#include "logos/LogoFiles.h"

#include <QDir>

namespace nimbrel::testing {
namespace {

using Type = ScriptedDialogs::Type;

class FileCommands : public LogoFixture {
protected:
    std::vector<ScriptedDialogs::Call> ofType(Type t) const {
        std::vector<ScriptedDialogs::Call> out;
        for (const auto& c : dialogs.calls)
            if (c.type == t)
                out.push_back(c);
        return out;
    }
    void saveAs(const QString& name) {
        dialogs.answer(name);
        session::saveLogoAs(ctx);
    }
    void open(const QString& name) {
        dialogs.answer(name);
        session::openLogoFile(ctx);
    }
    void loadPicture(int w, int h, QRgb colour = qRgb(0, 0, 0)) {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(colour);
        logos::showPicture(logo, picture);
    }
};

TEST_F(FileCommands, SaveAsDialogAndFilters) {
    logo.changed = true;
    session::saveLogoAs(ctx);
    const auto saves = ofType(Type::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].title, QStringLiteral("Сохранить Файл Логотипа как..."));
    EXPECT_EQ(saves[0].text, QStringLiteral("logo.bmp"));
    EXPECT_EQ(saves[0].proposed, dir.path());
    EXPECT_EQ(saves[0].filters, (QStringList{"Файлы Логотипов (*.bin)", "BMP-файлы (*.bmp)",
                                             "ВМР-файлы и Логотипы (*.bmp,*bin) (*.bmp *.bin)"}));
}

TEST_F(FileCommands, NothingToSave) {
    session::saveLogoAs(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ПУСТОЙ ЛОГОТИП"));
    EXPECT_EQ(m.text, QStringLiteral("Извините, но сохранять пока нечего!"));
    EXPECT_EQ(m.kind, 0);
    EXPECT_TRUE(ofType(Type::SaveFile).empty());
}

TEST_F(FileCommands, SaveAsBin) {
    logo.changed = true;
    logos::paintDot(logo, 0, 23, true);
    saveAs(path("pic.BIN"));
    const QByteArray file = fileBytes(path("pic.BIN"));
    ASSERT_EQ(file.size(), 196);
    EXPECT_EQ(file.left(5), bytes({0xC4, 0, 64, 3, 1}));
    EXPECT_FALSE(logo.changed);
    EXPECT_EQ(logo.file.name, path("pic.BIN"));
    EXPECT_EQ(logo.file.type, QStringLiteral("bin"));
    EXPECT_EQ(shell.pictureStatus, logos::savedFileStatus(path("pic.BIN")));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(FileCommands, SaveAsWithoutExtensionWritesBmp) {
    logo.changed = true;
    saveAs(path("pic"));
    const QByteArray file = fileBytes(path("pic.bmp"));
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(logo.file.name, path("pic.bmp"));
    EXPECT_EQ(logo.file.type, QStringLiteral("bmp"));
    const auto read = logos::decodeBmp(file);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.picture.size(), QSize(64, 24));
}

TEST_F(FileCommands, SaveAsOtherTypeWritesNothing) {
    logo.changed = true;
    saveAs(path("pic.png"));
    EXPECT_FALSE(QFile::exists(path("pic.png")));
    EXPECT_TRUE(logo.changed);
    EXPECT_TRUE(logo.file.name.isEmpty());
    EXPECT_EQ(onlyMessage().title, QStringLiteral("ОШИБКА"));
}

TEST_F(FileCommands, SaveAsIntoAMissingFolderIsSaid) {
    logo.changed = true;
    const QString target = path("none/pic.bin");
    saveAs(target);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.text, u(u"Файл записать невозможно:\n\r") + target);
    EXPECT_EQ(m.kind, 16);
    EXPECT_TRUE(logo.changed);
    EXPECT_EQ(shell.pictureStatus, QStringLiteral("Рисунок: ..."));
}

TEST_F(FileCommands, StatusTextsCutLongNames) {
    const QString p45(45, QLatin1Char('a'));
    EXPECT_EQ(logos::savedFileStatus(p45), QStringLiteral("Файл: ") + p45);
    EXPECT_EQ(logos::savedFileStatus(QStringLiteral("b") + p45), QStringLiteral("Файл: ..") + p45);
    const QString p47(47, QLatin1Char('c'));
    EXPECT_EQ(logos::openedFileStatus(p47), QStringLiteral(" Файл: ") + p47);
    EXPECT_EQ(logos::openedFileStatus(QStringLiteral("d") + p47),
              QStringLiteral(" Файл: ..d") + p47);
}

TEST_F(FileCommands, WideBinIsSavedInParts) {
    logos::makeBlankLogo(logo, 256, 32);
    logo.changed = true;
    logos::paintDot(logo, 52, 31, true); // first column of the second file
    dialogs.answer(path("Pic.bin"));
    dialogs.answer(platform::kNo);
    session::saveLogoAs(ctx);
    const std::vector<int> widths{52, 52, 51, 51, 50};
    for (int i = 0; i < 5; ++i) {
        const QByteArray part = fileBytes(path(QStringLiteral("pic_%1.bin").arg(i + 1)));
        ASSERT_EQ(part.size(), 4 * widths[i] + 4) << i;
        EXPECT_EQ(part.left(4), bytes({4 * widths[i] + 2, 0, widths[i], 4})) << i;
    }
    EXPECT_EQ(fileBytes(path("pic_2.bin")).mid(4, 4), bytes({1, 0, 0, 0}));
    EXPECT_FALSE(QFile::exists(path("Pic.bin")));
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("Преобразование файла завершено"));
    EXPECT_EQ(m.kind, 4);
    EXPECT_EQ(m.text, QStringLiteral(" Создано 5 файлов:\n\rОткрыть первый из созданных файлов: ") +
                          dir.path() + QStringLiteral("/PIC_1.BIN?"));
    EXPECT_EQ(logo.width, 256);
    EXPECT_EQ(logo.file.name, path("Pic.bin"));
    EXPECT_FALSE(logo.changed);
}

TEST_F(FileCommands, YesOpensTheFirstPart) {
    logos::makeBlankLogo(logo, 130, 16);
    logo.changed = true;
    dialogs.answer(path("w.bin"));
    dialogs.answer(platform::kYes);
    session::saveLogoAs(ctx);
    EXPECT_EQ(fileBytes(path("w_2.bin")).left(4), bytes({132, 0, 65, 2}));
    EXPECT_EQ(logo.width, 65);
    EXPECT_EQ(logo.height, 16);
    EXPECT_EQ(logo.file.chosen, path("w_1.bin"));
    EXPECT_EQ(logo.file.name, path("w.bin"));
    EXPECT_EQ(shell.pictureStatus, logos::savedFileStatus(path("w.bin")));
}

TEST_F(FileCommands, MoreThanTwelvePartsIsRefused) {
    loadPicture(819, 32);
    logo.changed = true;
    saveAs(path("huge.bin"));
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text,
              u(u"ПРЕВЫШЕНИЕ РАЗУМНОЙ ДЛИНЫ МАРКИ -\n\rРИСУНОК ЗАЙМЕТ БОЛЕЕ 12 ЛОГОТИПОВ!"));
    EXPECT_EQ(m.kind, 16);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(logo.changed);
}

TEST_F(FileCommands, OpenDialogAndFilters) {
    session::openLogoFile(ctx);
    const auto opens = ofType(Type::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].title, QStringLiteral("Открыть Файл Логотипа"));
    EXPECT_EQ(opens[0].proposed, dir.path());
    ASSERT_EQ(opens[0].filters.size(), 4);
    EXPECT_EQ(opens[0].filters.mid(0, 3),
              (QStringList{"Графика (*bmp,*bin,*pbm) (*.bmp *.bin *.pbm)", "BMP-файлы (*.bmp)",
                           "Логотипы (*.bin,*.pbm) (*.bin *.pbm)"}));
    // Then every picture format the image plugins read, except the editor's own.
    const QString pictures = opens[0].filters[3];
    EXPECT_TRUE(pictures.startsWith(QStringLiteral("Картинки (*."))) << pictures.toStdString();
    for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.gif"})
        EXPECT_TRUE(pictures.contains(QLatin1String(pattern))) << pattern;
    EXPECT_FALSE(pictures.contains(QLatin1String("*.bmp")));
    EXPECT_FALSE(pictures.contains(QLatin1String("*.pbm")));
}

TEST_F(FileCommands, OpenBinSetsFileAndStatus) {
    ASSERT_TRUE(writeBytes(path("a.Bin"), bytes({0, 0, 2, 1, 0x01, 0x80})));
    open(path("a.Bin"));
    EXPECT_EQ(dotRows(logo),
              (std::vector<std::string>{".#", "..", "..", "..", "..", "..", "..", "#."}));
    EXPECT_EQ(logo.file.name, path("a.Bin"));
    EXPECT_EQ(logo.file.type, QStringLiteral("Bin"));
    EXPECT_EQ(shell.pictureStatus, logos::openedFileStatus(path("a.Bin")));
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 2x8"));
    EXPECT_FALSE(logo.changed);
}

TEST_F(FileCommands, OpenPbm) {
    QByteArray pbm = bytes({1, 0x20, 0x03});
    pbm.append(QByteArray(800, '\x01'));
    ASSERT_TRUE(writeBytes(path("bar.pbm"), pbm));
    open(path("bar.pbm"));
    EXPECT_EQ(logo.width, 800);
    EXPECT_EQ(logo.height, 8);
    EXPECT_EQ(logos::countActiveDrops(logo), 800);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 800x8"));
}

TEST_F(FileCommands, RefusedFileKeepsEverything) {
    logos::paintDot(logo, 3, 3, true);
    logo.file = {path("old.bin"), QStringLiteral("bin"), path("old.bin")};
    shell.pictureStatus = QStringLiteral("before");
    ASSERT_TRUE(writeBytes(path("bad.pbm"), bytes({5, 1, 0, 0})));
    open(path("bad.pbm"));
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text, QStringLiteral("Превышение Вертикального Размера Печати!"));
    EXPECT_EQ(m.kind, 16);
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
    EXPECT_EQ(logo.file.name, path("old.bin"));
    EXPECT_EQ(shell.pictureStatus, QStringLiteral("before"));
}

TEST_F(FileCommands, TallBmpIsRefusedAndTheLogoStays) {
    QImage tall(5, 40, QImage::Format_RGB32);
    tall.fill(Qt::black);
    ASSERT_TRUE(writeBytes(path("tall.bmp"), logos::encodeBmp(tall)));
    logos::paintDot(logo, 3, 3, true);
    const QImage grid = logo.grid;
    open(path("tall.bmp"));
    EXPECT_EQ(onlyMessage().text,
              QStringLiteral("Файл открыть невозможно. Размер 'Y'>32! (Y=40)."));
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logo.grid, grid);
}

TEST_F(FileCommands, OpenBmpKeepsItsColoursAndSize) {
    loadPicture(20, 20, qRgb(10, 10, 10));
    ASSERT_TRUE(writeBytes(path("grey.bmp"), logos::encodeBmp(logo)));
    logos::makeBlankLogo(logo, 64, 24);
    open(path("grey.bmp"));
    EXPECT_EQ(logo.width, 20);
    EXPECT_EQ(logo.height, 20);
    EXPECT_EQ(logo.bytesPerColumn, 3);
    EXPECT_EQ(logo.logo.pixel(0, 0), qRgb(10, 10, 10));
    EXPECT_EQ(logos::countActiveDrops(logo), 0);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 20x20"));
}

TEST_F(FileCommands, UnknownTypeOffersAnotherFile) {
    ASSERT_TRUE(writeBytes(path("a.bin"), bytes({0, 0, 1, 1, 0xFF})));
    // GIF, PNG and JPEG are pictures to convert; a document is no picture.
    dialogs.answer(path("x.doc"));
    dialogs.answer(platform::kYes);
    dialogs.answer(path("a.bin"));
    session::openLogoFile(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("Информация"));
    EXPECT_EQ(m.text,
              QStringLiteral("Файл типа 'doc открыть невозможно.\n\r Выбрать другой файл?"));
    EXPECT_EQ(m.kind, 52);
    EXPECT_EQ(logo.width, 1);
    EXPECT_EQ(ofType(Type::OpenFile).size(), 2u);
}

TEST_F(FileCommands, UnknownTypeNoOpensNothing) {
    dialogs.answer(path("x.txt"));
    dialogs.answer(platform::kNo);
    session::openLogoFile(ctx);
    EXPECT_TRUE(logo.file.name.isEmpty());
    EXPECT_EQ(shell.pictureStatus, QStringLiteral("Рисунок: ..."));
}

// A name without an extension loads nothing and becomes a BIN name, "bin" appended.
TEST_F(FileCommands, NameWithoutExtensionBecomesBin) {
    logos::paintDot(logo, 2, 2, true);
    dialogs.answer(path("x"));
    session::openLogoFile(ctx);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(logo.file.name, path("x"));
    EXPECT_EQ(logo.file.type, QStringLiteral("bin"));
    EXPECT_EQ(logo.file.chosen, path("xbin"));
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
    EXPECT_EQ(shell.pictureStatus, logos::openedFileStatus(path("xbin")));
}

// Yes for a BIN logo too wide for one file still writes that one file, never parts beside it.
TEST_F(FileCommands, OpenYesWritesOneBinFile) {
    logos::makeBlankLogo(logo, 100, 32); // 400 column bytes: save-as would cut it
    logo.file = {path("w.bin"), QStringLiteral("bin"), path("w.bin")};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    session::openLogoFile(ctx);
    const QByteArray written = fileBytes(path("w.bin"));
    EXPECT_EQ(written.size(), 404);
    EXPECT_EQ(written.left(4), bytes({0x94, 0x01, 100, 4}));
    EXPECT_FALSE(QFile::exists(path("w_1.bin")));
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

struct SaveQuestionCase {
    const char* name;
    const char* current; // the logo's file
    const char* written; // the file the Yes writes
    QByteArray magic;    // its first bytes
    int extraMessages;   // besides the question
};

class OpenSaveQuestion : public FileCommands,
                         public ::testing::WithParamInterface<SaveQuestionCase> {};

TEST_P(OpenSaveQuestion, YesWritesInTheFilesOwnFormat) {
    const SaveQuestionCase& c = GetParam();
    const QString current = path(QString::fromUtf8(c.current));
    logo.file = {current, QFileInfo(current).suffix(), current};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    session::openLogoFile(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(static_cast<int>(shown.size()), 1 + c.extraMessages);
    EXPECT_EQ(shown[0].title, QStringLiteral("Информация"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Содержание Логотипа изменено. Сохранить Изменения?"));
    EXPECT_EQ(shown[0].kind, 52);
    EXPECT_TRUE(fileBytes(path(QString::fromUtf8(c.written))).startsWith(c.magic));
    EXPECT_FALSE(logo.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Types, OpenSaveQuestion,
    ::testing::Values(SaveQuestionCase{"Bin", "a.bin", "a.bin", bytes({0xC4, 0, 64, 3}), 0},
                      SaveQuestionCase{"Bmp", "a.bmp", "a.bmp", QByteArray("BM"), 0},
                      SaveQuestionCase{"Pbm", "a.pbm", "a.bin", bytes({0xC4, 0, 64, 3}), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, PbmSaveSaysWhereTheLogoWent) {
    logo.file = {path("b.pbm"), QStringLiteral("pbm"), path("b.pbm")};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    session::openLogoFile(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, QStringLiteral("Информация"));
    EXPECT_EQ(shown[1].text,
              u(u"Файлы '.PBM' не записываются.\n\rЛоготип сохранен в файле:\n\r") + path("b.bin"));
    EXPECT_EQ(shown[1].kind, 64);
    EXPECT_FALSE(QFile::exists(path("b.pbm")));
}

TEST_F(FileCommands, FailedSaveKeepsTheChangesAndOpensNothing) {
    const QString target = path("gone/a.bin");
    logo.file = {target, QStringLiteral("bin"), target};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    session::openLogoFile(ctx);
    EXPECT_EQ(dialogs.calls.back().text, u(u"Файл записать невозможно:\n\r") + target);
    EXPECT_TRUE(ofType(Type::OpenFile).empty());
    EXPECT_TRUE(logo.changed);
}

TEST_F(FileCommands, NoToTheQuestionSavesNothing) {
    logo.file = {path("a.bin"), QStringLiteral("bin"), path("a.bin")};
    logo.changed = true;
    dialogs.answer(platform::kNo);
    session::openLogoFile(ctx);
    EXPECT_FALSE(QFile::exists(path("a.bin")));
    EXPECT_FALSE(logo.changed);
}

} // namespace
} // namespace nimbrel::testing
