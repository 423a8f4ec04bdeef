#include "LogoFixture.h"
#include "TestNames.h"
#include "logos/LogoFiles.h"

#include <QDir>

namespace nimbrel::testing {
namespace {

using session::LinkIcon;
using Icons = std::vector<LinkIcon>;
using Type = ScriptedDialogs::Type;

class Transfers : public LogoFixture {
protected:
    // A printer that keeps the logo it is sent: a read answers 0x06, then the block announced
    // by the write request, changed by `alter` when given.
    void echoWrittenLogo(std::function<void(QByteArray&)> alter = {}) {
        port.onWrite = [this, alter](const QByteArray& bytes) {
            if (!bytes.startsWith(QByteArray("\x0F\x69", 2)) || port.writes.size() < 3)
                return;
            const int length = static_cast<unsigned char>(port.writes[0].bytes[5]);
            QByteArray answer = QByteArray(1, '\x06') + port.writes[1].bytes.left(length);
            if (alter)
                alter(answer);
            port.schedule(answer, clock.elapsedMs() + 2);
        };
    }
    std::vector<int> firstSleeps(std::size_t n) const {
        return {clock.sleeps.begin(), clock.sleeps.begin() + std::min(n, clock.sleeps.size())};
    }
    void loadPicture(int w, int h) {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(Qt::white);
        logos::showPicture(logo, picture);
    }
};

// Writing a logo: the request, nothing else until the output is empty, 1 ms, then 256 bytes.
TEST_F(Transfers, WriteSixtyThreeBy32ToSlot5) {
    logos::makeBlankLogo(logo, 63, 32);
    logos::paintDot(logo, 0, 31, true);
    dialogs.answer("5");
    port.queueSilence();
    port.queueReply(bytes({0x06}));
    echoWrittenLogo();
    session::writeLogo(ctx);
    const auto w = written();
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[0], bytes({0x0F, 0x6C, 0x30, 0x30, 0x35, 0xFE}));
    ASSERT_EQ(w[1].size(), 256);
    EXPECT_EQ(w[1].left(3), bytes({63, 4, 0x01}));
    EXPECT_EQ(w[1].mid(254), bytes({0, 0}));
    // The slot is read back.
    EXPECT_EQ(w[2], bytes({0x0F, 0x69, 0x30, 0x30, 0x35, 0x0E}));
    EXPECT_EQ(port.writes[1].atMs - port.writes[0].atMs, 1);
    EXPECT_EQ(firstSleeps(2), (std::vector<int>{1, 200}));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Requester);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Запись Логотипа в Маркиратор"));
    EXPECT_EQ(dialogs.calls[0].prompt, QStringLiteral("Введите номер Логотипа (0..127)"));
    EXPECT_EQ(dialogs.calls[0].proposed, QString());
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Запись Логотипа в Маркиратор"));
    EXPECT_EQ(dialogs.calls[1].text, QStringLiteral("Передача Логотипа #005 завершена."));
    EXPECT_EQ(dialogs.calls[1].kind, 64);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    EXPECT_FALSE(conn.linkFailed());
}

TEST_F(Transfers, OutputThatNeverEmptiesIsAWriteError) {
    logos::makeBlankLogo(logo, 8, 8);
    dialogs.answer("1");
    port.outputWaiting = 6;
    session::writeLogo(ctx);
    ASSERT_EQ(written().size(), 1u);
    const auto& m = dialogs.calls.back();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text, QStringLiteral("Ошибка записи данных в порт COM3!"));
    EXPECT_EQ(m.kind, 16);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_TRUE(conn.linkFailed());
}

TEST_F(Transfers, RefusedRequestIsAWriteError) {
    logos::makeBlankLogo(logo, 8, 8);
    dialogs.answer("1");
    port.failWrites = true;
    session::writeLogo(ctx);
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(dialogs.calls.back().text, QStringLiteral("Ошибка записи данных в порт COM3!"));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
}

TEST_F(Transfers, BlockLongerThan255IsRefusedBeforeAnything) {
    logos::makeBlankLogo(logo, 127, 16); // 254 column bytes + 2
    session::writeLogo(ctx);
    EXPECT_TRUE(written().empty());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(dialogs.calls[0].text, u(u"Логотип 127x16 слишком велик для записи в Маркиратор:\n\r"
                                       u"блок данных 256 байт, допустимо не более 255.\n\r"
                                       u"Уменьшите Логотип или разрежьте его на части."));
}

TEST_F(Transfers, WideLogoIsCutAndTheFirstPartWritten) {
    loadPicture(100, 32);
    logos::paintDot(logo, 0, 31, true);
    logos::paintDot(logo, 50, 31, true);
    logo.file.chosen = path("w.bmp");
    dialogs.answer(platform::kYes);
    dialogs.answer("3");
    session::writeLogo(ctx);
    for (int i : {1, 2}) {
        const auto part = logos::decodeBmp(fileBytes(path(QStringLiteral("w.bmp_%1.bmp").arg(i))));
        ASSERT_TRUE(part.ok()) << i;
        EXPECT_EQ(part.picture.size(), QSize(50, 32));
        EXPECT_EQ(part.picture.pixel(0, 31), qRgb(0, 0, 0));
    }
    const auto& question = dialogs.calls[0];
    EXPECT_EQ(question.title, QStringLiteral("Преобразование завершено"));
    EXPECT_EQ(question.kind, 4);
    EXPECT_EQ(question.text, QStringLiteral(" Создано 2 файлов:\n\r-  ") + path("w.bmp_1.bmp") +
                                 QStringLiteral("\n\r-  ") + path("w.bmp_2.bmp") +
                                 QStringLiteral("\n\r\n\rОткрыть первый из созданных файлов: "
                                                "\n\rW.BMP_1.BMP?"));
    EXPECT_EQ(logo.width, 50);
    EXPECT_EQ(logo.file.chosen, path("w.bmp_1.bmp"));
    EXPECT_EQ(shell.pictureStatus, logos::openedFileStatus(path("w.bmp_1.bmp")));
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 50x32"));
    ASSERT_EQ(written().size(), 3u);
    EXPECT_EQ(written()[0], bytes({0x0F, 0x6C, 0x30, 0x30, 0x33, 202}));
    EXPECT_EQ(written()[1].left(3), bytes({50, 4, 0x01}));
}

TEST_F(Transfers, WideLogoKeptWholeIsNotSent) {
    loadPicture(100, 32);
    dialogs.answer(platform::kNo);
    session::writeLogo(ctx);
    // No file of its own: the parts are named after "logo" in the working folder.
    EXPECT_TRUE(QFile::exists(path("logo_1.bmp")));
    EXPECT_TRUE(QFile::exists(path("logo_2.bmp")));
    EXPECT_EQ(logo.width, 100);
    EXPECT_TRUE(written().empty());
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_TRUE(dialogs.calls[1].text.startsWith(QStringLiteral("Логотип 100x32 слишком велик")));
}

TEST_F(Transfers, PartsThatCannotBeWrittenStopTheWrite) {
    loadPicture(64, 32);
    logo.file.chosen = path("none/w.bmp");
    session::writeLogo(ctx);
    EXPECT_TRUE(written().empty());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(dialogs.calls[0].text, u(u"Файл записать невозможно:\n\r") +
                                         path("none/w.bmp_1.bmp") + u(u"\n\r") +
                                         path("none/w.bmp_2.bmp"));
}

TEST_F(Transfers, TooWideToCutIsRefused) {
    loadPicture(252, 32);
    session::writeLogo(ctx);
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].text, u(u"Логотип 252x32 слишком широк для записи в Маркиратор:\n\r"
                                       u"даже на 4 части его разрезать нельзя.\n\r"
                                       u"Уменьшите ширину Логотипа."));
}

struct NumberCase {
    const char* name;
    int command; // 25 read, 26 write, 29 delete
    std::vector<QVariant> script;
    QByteArray firstWrite; // empty: nothing sent
    int errorQuestions;
};

class LogoNumbers : public Transfers, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(LogoNumbers, EntryAndRange) {
    const NumberCase& c = GetParam();
    logos::makeBlankLogo(logo, 8, 8);
    dialogs.answers.assign(c.script.begin(), c.script.end());
    if (c.command == 29)
        dialogs.answer(platform::kYes);
    if (c.command == 25)
        session::readLogo(ctx);
    else if (c.command == 26)
        session::writeLogo(ctx);
    else
        session::deleteLogo(ctx);
    if (c.firstWrite.isEmpty()) {
        EXPECT_TRUE(written().empty());
    } else {
        ASSERT_FALSE(written().empty());
        EXPECT_EQ(written()[0], c.firstWrite);
    }
    int questions = 0;
    for (const auto& m : dialogs.messages()) {
        if (m.kind != 20)
            continue;
        ++questions;
        EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
        EXPECT_EQ(m.text, c.command == 25
                              ? QStringLiteral("Illegal Logo Number. Repeat Input?")
                              : QStringLiteral("Недопустимый номер Логотипа. Повторить?"));
    }
    EXPECT_EQ(questions, c.errorQuestions);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LogoNumbers,
    ::testing::Values(
        NumberCase{"ReadSeven", 25, {typed("7")}, bytes({0x0F, 0x69, 0x30, 0x30, 0x37, 0x0E}), 0},
        NumberCase{"ReadCutToThreeCharacters",
                   25,
                   {typed("1234")},
                   bytes({0x0F, 0x69, 0x31, 0x32, 0x33, 0x0E}),
                   0},
        NumberCase{"Read255", 25, {typed("255")}, bytes({0x0F, 0x69, 0x32, 0x35, 0x35, 0x0E}), 0},
        NumberCase{"ReadMinusOne", 25, {typed("-1"), button(platform::kNo)}, QByteArray(), 1},
        NumberCase{"Read300ThenNine",
                   25,
                   {typed("300"), button(platform::kYes), typed("9")},
                   bytes({0x0F, 0x69, 0x30, 0x30, 0x39, 0x0E}),
                   1},
        NumberCase{"ReadEmptyEnds", 25, {}, QByteArray(), 0},
        NumberCase{"Write127", 26, {typed("127")}, bytes({0x0F, 0x6C, 0x31, 0x32, 0x37, 10}), 0},
        NumberCase{"Write128", 26, {typed("128"), button(platform::kNo)}, QByteArray(), 1},
        NumberCase{"WriteEmptyEnds", 26, {}, QByteArray(), 0},
        NumberCase{"Delete128", 29, {typed("128"), button(platform::kNo)}, QByteArray(), 1},
        NumberCase{"DeleteZero", 29, {typed("0")}, bytes({0x0F, 0x6C, 0x30, 0x30, 0x30, 0x0E}), 0},
        NumberCase{"DeleteEmptyEnds", 29, {}, QByteArray(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfers, NumberRequesterTexts) {
    session::readLogo(ctx);
    session::deleteLogo(ctx);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Read Printer LOGO#"));
    EXPECT_EQ(dialogs.calls[0].prompt, QStringLiteral("Input Logo Number (0..255)"));
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Удаление Логотипа Маркиратора"));
    EXPECT_EQ(dialogs.calls[1].prompt, QStringLiteral("Введите номер Логотипа (0..127)"));
}

TEST_F(Transfers, DeleteAsksThenSendsAnEmptyBlock) {
    dialogs.answer("12");
    dialogs.answer(platform::kYes);
    port.queueSilence();
    port.queueSilence();
    port.queueReply(bytes({0x06}));
    session::deleteLogo(ctx);
    ASSERT_EQ(written().size(), 3u);
    EXPECT_EQ(written()[0], bytes({0x0F, 0x6C, 0x30, 0x31, 0x32, 0x0E}));
    EXPECT_EQ(written()[1], QByteArray(256, '\0'));
    // Read back: a slot that answers one byte is empty; the delete itself needs no answer.
    EXPECT_EQ(written()[2], bytes({0x0F, 0x69, 0x30, 0x31, 0x32, 0x0E}));
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Удаление Логотипа Маркиратора"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Вы действительно хотите удалить Логотип #012?"));
    EXPECT_EQ(shown[0].kind, 52);
    EXPECT_EQ(shown[1].title, QStringLiteral("Запись Логотипа в Маркиратор"));
    EXPECT_EQ(shown[1].text, QStringLiteral("Очистка Логотипа #012 завершена."));
    EXPECT_EQ(shown[1].kind, 64);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
}

// A printer may take a logo without a word: the read-back alone proves the write.
TEST_F(Transfers, SilentPrinterThatStoresTheLogoIsDone) {
    logos::makeBlankLogo(logo, 8, 8);
    dialogs.answer("1");
    echoWrittenLogo();
    session::writeLogo(ctx);
    EXPECT_EQ(written().size(), 3u);
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Передача Логотипа #001 завершена."));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
}

// A printer that is off takes the bytes and answers nothing: sent, but not proven.
TEST_F(Transfers, WriteOrDeleteWithoutReadBackCannotBeChecked) {
    logos::makeBlankLogo(logo, 8, 8);
    dialogs.answer("1");
    session::writeLogo(ctx);
    EXPECT_EQ(written().size(), 3u);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text, QStringLiteral("Логотип #001 записан, но проверить его не удалось: "
                                     "Маркиратор не ответил на чтение."));
    EXPECT_EQ(m.kind, 16);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_EQ(shell.markLinkIcon, LinkIcon::Idle);
    EXPECT_TRUE(conn.linkFailed());

    dialogs.calls.clear();
    dialogs.answer("12");
    dialogs.answer(platform::kYes);
    session::deleteLogo(ctx);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("Логотип #012 удалён, но проверить это не удалось: Маркиратор не "
                             "ответил на чтение."));
}

struct ReadBackCase {
    const char* name;
    std::function<void(QByteArray&)> alter; // of the answer 0x06, X, R, columns
    const char16_t* why;
};

class LogoReadBack : public Transfers, public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(LogoReadBack, DifferenceIsSaid) {
    const ReadBackCase& c = GetParam();
    logos::makeBlankLogo(logo, 20, 16);
    logos::paintDot(logo, 3, 15, true);
    dialogs.answer("9");
    port.queueSilence();
    port.queueReply(bytes({0x06}));
    echoWrittenLogo(c.alter);
    session::writeLogo(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text, QStringLiteral("Передача Логотипа #009 не подтверждена:\n\r") + u(c.why));
    EXPECT_EQ(m.kind, 16);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LogoReadBack,
    ::testing::Values(ReadBackCase{"DotInColumn3", [](QByteArray& a) { a[3 + 2 * 3] = 0; },
                                   u"столбец 3 в Маркираторе отличается от записанного."},
                      ReadBackCase{"LastColumn", [](QByteArray& a) { a[3 + 2 * 19 + 1] = 1; },
                                   u"столбец 19 в Маркираторе отличается от записанного."},
                      ReadBackCase{"Width", [](QByteArray& a) { a[1] = 19, a.chop(2); },
                                   u"Логотип в Маркираторе другого размера."},
                      ReadBackCase{"Rows", [](QByteArray& a) { a[2] = 1, a.chop(20); },
                                   u"Логотип в Маркираторе другого размера."},
                      ReadBackCase{"EmptySlot", [](QByteArray& a) { a = QByteArray(1, '\x01'); },
                                   u"в Маркираторе нет Логотипа с этим номером."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfers, DeleteLeavingALogoIsSaid) {
    dialogs.answer("12");
    dialogs.answer(platform::kYes);
    port.queueSilence();
    port.queueReply(bytes({0x06}));
    port.queueReply(bytes({0x06, 1, 1, 0xFF}));
    session::deleteLogo(ctx);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("Очистка Логотипа #012 не подтверждена:\n\rЛоготип остался в "
                             "Маркираторе."));
}

struct LookalikeCase {
    int width;
    int height;
};

class DeleteLookalike : public Transfers, public ::testing::WithParamInterface<LookalikeCase> {};

// X x R = 12 gives the length byte 0x0E: the write request would be the delete request.
TEST_P(DeleteLookalike, NoSendsNothing) {
    const LookalikeCase& c = GetParam();
    logos::makeBlankLogo(logo, c.width, c.height);
    dialogs.answer(platform::kNo);
    session::writeLogo(ctx);
    EXPECT_TRUE(written().empty());
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("Запись Логотипа в Маркиратор"));
    EXPECT_EQ(m.kind, 52);
    EXPECT_EQ(m.text, QStringLiteral("Логотип %1x%2 нельзя передать как есть: его запрос совпадает "
                                     "с запросом удаления Логотипа.\n\rДобавить справа один "
                                     "пустой столбец?")
                          .arg(c.width)
                          .arg(c.height));
}

TEST_P(DeleteLookalike, YesSendsOneColumnMore) {
    const LookalikeCase& c = GetParam();
    logos::makeBlankLogo(logo, c.width, c.height);
    logos::paintDot(logo, c.width - 1, c.height - 1, true);
    dialogs.answer(platform::kYes);
    dialogs.answer("4");
    port.queueSilence();
    port.queueReply(bytes({0x06}));
    echoWrittenLogo();
    session::writeLogo(ctx);
    const int r = c.height / 8;
    ASSERT_EQ(written().size(), 3u);
    EXPECT_EQ(written()[0], bytes({0x0F, 0x6C, 0x30, 0x30, 0x34, (c.width + 1) * r + 2}));
    EXPECT_EQ(written()[1].left(2), bytes({c.width + 1, r}));
    // The dot stays in the last of the logo's own columns; the new one is light.
    EXPECT_EQ(written()[1][2 + (c.width - 1) * r], '\x01');
    EXPECT_EQ(written()[1].mid(2 + c.width * r, r), QByteArray(r, '\0'));
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Передача Логотипа #004 завершена."));
    // The editor keeps its logo.
    EXPECT_EQ(logo.width, c.width);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DeleteLookalike,
                         ::testing::Values(LookalikeCase{12, 8}, LookalikeCase{6, 16},
                                           LookalikeCase{3, 32}),
                         [](const auto& info) {
                             return testName(info.param.width, info.param.height);
                         });

TEST_F(Transfers, DeleteNoSendsNothing) {
    dialogs.answer("12");
    dialogs.answer(platform::kNo);
    session::deleteLogo(ctx);
    EXPECT_TRUE(written().empty());
}

TEST_F(Transfers, ReadLoadsTheLogoAndSavesItsFile) {
    logo.changed = true;
    dialogs.answer("5");
    port.queueReply(bytes({0x06, 2, 1, 0x01, 0x80}));
    session::readLogo(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x0F, 0x69, 0x30, 0x30, 0x35, 0x0E})});
    EXPECT_EQ(dotRows(logo),
              (std::vector<std::string>{".#", "..", "..", "..", "..", "..", "..", "#."}));
    EXPECT_EQ(fileBytes(path("logo005.bin")), bytes({4, 0, 2, 1, 0x01, 0x80}));
    EXPECT_EQ(logo.file.name, path("logo005.bin"));
    EXPECT_EQ(logo.file.type, QStringLiteral("bin"));
    EXPECT_EQ(shell.pictureStatus, QStringLiteral("LOGO#005 (Файл 'logo005.bin')"));
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("XY-размер: 2x8"));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    EXPECT_TRUE(logo.changed);
}

// The file keeps the answer's bytes after X and R as they came, also bytes past X x R; an
// answer short of what its header says is a read error and leaves no file.
TEST_F(Transfers, ReadFileKeepsTheAnswerBytes) {
    dialogs.answer("6");
    port.queueReply(bytes({0x06, 2, 1, 0x01, 0x80, 0x55, 0xAA}));
    session::readLogo(ctx);
    EXPECT_EQ(fileBytes(path("logo006.bin")), bytes({4, 0, 2, 1, 0x01, 0x80, 0x55, 0xAA}));
    dialogs.answer("7");
    port.queueReply(bytes({0x06, 3, 2, 0x01}));
    session::readLogo(ctx);
    EXPECT_FALSE(QFile::exists(path("logo007.bin")));
    EXPECT_EQ(logo.width, 2);
    EXPECT_EQ(shell.markLinkIcon, LinkIcon::Idle);
}

TEST_F(Transfers, ReadIgnoresStaleInput) {
    port.schedule(bytes({0x06, 9, 9, 9}), 0);
    clock.advance(5);
    dialogs.answer("5");
    port.queueReply(bytes({0x06, 1, 1, 0xFF}));
    session::readLogo(ctx);
    EXPECT_EQ(logo.width, 1);
    EXPECT_EQ(logos::countActiveDrops(logo), 8);
}

struct ReadAnswerCase {
    const char* name;
    QByteArray answer;
    const char* title;
    const char* text;
    int kind;
};

class ReadAnswers : public Transfers, public ::testing::WithParamInterface<ReadAnswerCase> {};

TEST_P(ReadAnswers, ShownAndTheLogoKept) {
    const ReadAnswerCase& c = GetParam();
    dialogs.answer("5");
    if (c.answer.isEmpty())
        port.queueSilence();
    else
        port.queueReply(c.answer);
    session::readLogo(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QString::fromUtf8(c.title));
    EXPECT_EQ(m.text, QString::fromUtf8(c.text));
    EXPECT_EQ(m.kind, c.kind);
    EXPECT_EQ(logo.width, 64);
    EXPECT_FALSE(QFile::exists(path("logo005.bin")));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    EXPECT_FALSE(conn.linkFailed());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadAnswers,
    ::testing::Values(ReadAnswerCase{"NoAnswer", QByteArray(), "RECEIVE PRINTER LOGO",
                                     "    LOGO#005 EMPTY.     ", 16},
                      ReadAnswerCase{"OneByte", bytes({0x06}), "Load LOGO from Inkovar",
                                     "LOGO#005 is EMPTY or have FORMAT ERROR.", 64},
                      ReadAnswerCase{"WidthZero", bytes({0x06, 0, 1, 0}), "Logo#005 Data Error",
                                     "Illegal Logo X-size (0)!", 16},
                      ReadAnswerCase{"Width255", bytes({0x06, 255, 1, 0}), "Logo#005 Data Error",
                                     "Illegal Logo X-size (255)!", 16},
                      ReadAnswerCase{"RowsFive", bytes({0x06, 10, 5, 0}), "Logo#005 Data Error",
                                     "Illegal Logo Y-size (5)!", 16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfers, ReadWidth200) {
    dialogs.answer("200");
    QByteArray answer = bytes({0x06, 200, 1});
    answer.append(QByteArray(200, '\x01'));
    port.queueReply(answer);
    session::readLogo(ctx);
    EXPECT_EQ(logo.width, 200);
    EXPECT_EQ(logo.height, 8);
    EXPECT_EQ(logos::countActiveDrops(logo), 200);
    EXPECT_EQ(fileBytes(path("logo200.bin")).left(4), bytes({202, 0, 200, 1}));
}

// 200 passes of two 1 ms pauses: an answer whole by the last look is taken.
TEST_F(Transfers, ReadWaitBound) {
    dialogs.answer("1");
    port.queueReply(bytes({0x06, 1, 1, 0x01}), 400);
    session::readLogo(ctx);
    EXPECT_EQ(logo.width, 1);
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.answer("1");
    port.queueReply(bytes({0x06, 2, 1, 0x01, 0x01}), 401);
    session::readLogo(ctx);
    EXPECT_EQ(logo.width, 1);
    EXPECT_EQ(onlyMessage().title, QStringLiteral("RECEIVE PRINTER LOGO"));
}

TEST_F(Transfers, ReadRequestRefusedEndsQuietly) {
    dialogs.answer("1");
    port.failWrites = true;
    session::readLogo(ctx);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
}

TEST_F(Transfers, BitmapOfSixteenRows) {
    port.queueReply(bytes({1, 0, 2, 0x01, 0x80}));
    session::readCurrentMarkBitmap(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x0F, 0x62, 0x0E})});
    ASSERT_EQ(logo.height, 16);
    const auto rows = dotRows(logo);
    EXPECT_EQ(rows[0], "#");
    EXPECT_EQ(rows[15], "#");
    EXPECT_EQ(logos::countActiveDrops(logo), 2);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 1x16"));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    // Whole by its header at the second look: no settling wait.
    EXPECT_EQ(clock.elapsedMs(), 2);
}

struct EmptyBitmapCase {
    const char* name;
    QByteArray answer;
};

class EmptyBitmaps : public Transfers, public ::testing::WithParamInterface<EmptyBitmapCase> {};

TEST_P(EmptyBitmaps, InformAndKeepTheLogo) {
    logos::paintDot(logo, 1, 1, true);
    port.queueReply(GetParam().answer);
    session::readCurrentMarkBitmap(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ПРОСМОТР БИТ-КАРТЫ МАРКИ "));
    EXPECT_EQ(m.text, QStringLiteral("НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ)."));
    EXPECT_EQ(m.kind, 64);
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 64x24"));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, EmptyBitmaps,
                         ::testing::Values(EmptyBitmapCase{"OneByte", bytes({0})},
                                           EmptyBitmapCase{"TwoBytes", bytes({9, 0})},
                                           EmptyBitmapCase{"WidthZero", bytes({0, 0, 4, 1, 1})},
                                           EmptyBitmapCase{"RowsZero", bytes({5, 0, 0, 1, 1})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfers, BitmapWiderThanTheGridIsCut) {
    QByteArray answer = bytes({0xE8, 0x03, 1});
    answer.append(QByteArray(1000, '\x01'));
    port.queueReply(answer);
    session::readCurrentMarkBitmap(ctx);
    EXPECT_EQ(logo.width, 819);
    EXPECT_EQ(logos::countActiveDrops(logo), 819);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 819x8"));
}

TEST_F(Transfers, BitmapLongerThanItsHeaderSaysIsTakenAndDrained) {
    QByteArray answer = bytes({0x33, 0x03, 4});
    answer.append(QByteArray(9000, '\x80'));
    port.queueReply(answer);
    session::readCurrentMarkBitmap(ctx);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(logo.width, 819);
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

TEST_F(Transfers, BitmapWithoutAnswerIsAReadError) {
    port.queueSilence();
    session::readCurrentMarkBitmap(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(m.text, QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!"));
    EXPECT_EQ(m.kind, 16);
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_EQ(logo.width, 64);
    // Its failure shows in the mark window too.
    EXPECT_EQ(shell.markLinkIcon, LinkIcon::Error);
}

// Right after start-up a bitmap read is something to save, though nothing was drawn.
TEST_F(Transfers, BitmapReadCanBeSavedAsALogo) {
    port.queueReply(bytes({1, 0, 1, 0x81}));
    session::readCurrentMarkBitmap(ctx);
    EXPECT_EQ(shell.markLinkIcon, LinkIcon::Idle);
    EXPECT_FALSE(logo.changed);
    dialogs.answer(path("bitmap.bin"));
    session::saveLogoAs(ctx);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].type, Type::SaveFile);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("logo.bmp"));
    EXPECT_EQ(fileBytes(path("bitmap.bin")), bytes({5, 0, 1, 1, 0x81}));
}

} // namespace
} // namespace nimbrel::testing
