#include "logos/LogoBlock.h"
#include "LogoTestSupport.h"

namespace nimbrel::testing {
namespace {

TEST(Requests, ExactBytes) {
    EXPECT_EQ(logos::readLogoRequest(7), QByteArray("\x0F\x69"
                                                    "007"
                                                    "\x0E"));
    EXPECT_EQ(logos::readLogoRequest(255), QByteArray("\x0F\x69"
                                                      "255"
                                                      "\x0E"));
    EXPECT_EQ(logos::writeLogoRequest(5, 254), bytes({0x0F, 0x6C, 0x30, 0x30, 0x35, 0xFE}));
    EXPECT_EQ(logos::writeLogoRequest(127, 3), bytes({0x0F, 0x6C, 0x31, 0x32, 0x37, 0x03}));
    EXPECT_EQ(logos::deleteLogoRequest(0), bytes({0x0F, 0x6C, 0x30, 0x30, 0x30, 0x0E}));
    EXPECT_EQ(logos::bitmapRequest(), bytes({0x0F, 0x62, 0x0E}));
    EXPECT_EQ(logos::logoNumberDigits(42), QStringLiteral("042"));
}

TEST(LogoBlock, SixtyThreeBy32) {
    logos::LogoState logo;
    logos::makeBlankLogo(logo, 63, 32);
    logos::paintDot(logo, 0, 31, true);
    logos::paintDot(logo, 62, 0, true);
    const QByteArray block = logos::encodeLogoBlock(logo);
    ASSERT_EQ(block.size(), 254);
    EXPECT_EQ(block.left(6), bytes({63, 4, 0x01, 0, 0, 0}));
    EXPECT_EQ(block.right(4), bytes({0, 0, 0, 0x80}));
    const QByteArray sent = logos::blockTransfer(block);
    ASSERT_EQ(sent.size(), 256);
    EXPECT_EQ(sent.left(254), block);
    EXPECT_EQ(sent.right(2), bytes({0, 0}));
}

TEST(LogoBlock, TwentyRowsUseThreeBytesWithTheTopBitsClear) {
    logos::LogoState logo;
    QImage picture(10, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    logos::showPicture(logo, picture);
    const QByteArray block = logos::encodeLogoBlock(logo);
    EXPECT_EQ(logo.bytesPerColumn, 3);
    ASSERT_EQ(block.size(), 32);
    EXPECT_EQ(block.left(2), bytes({10, 3}));
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(block.mid(2 + 3 * x, 3), bytes({0xFF, 0xFF, 0x0F})) << x;
}

TEST(LogoBlock, TooLongTextNamesTheSize) {
    EXPECT_EQ(logos::blockTooLongText(127, 16, 256),
              u(u"Логотип 127x16 слишком велик для записи в Маркиратор:\n\r"
                u"блок данных 256 байт, допустимо не более 255.\n\r"
                u"Уменьшите Логотип или разрежьте его на части."));
}

struct AnswerCase {
    const char* name;
    QByteArray answer;
    logos::LogoAnswer::Kind kind;
    int width;
    int bytesPerColumn;
    QByteArray columns;
};

class LogoAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(LogoAnswers, Decoded) {
    const AnswerCase& c = GetParam();
    const auto a = logos::decodeLogoAnswer(c.answer);
    EXPECT_EQ(a.kind, c.kind);
    if (c.kind == logos::LogoAnswer::Kind::Empty)
        return;
    EXPECT_EQ(a.width, c.width);
    EXPECT_EQ(a.bytesPerColumn, c.bytesPerColumn);
    if (c.kind == logos::LogoAnswer::Kind::Logo) {
        EXPECT_EQ(a.columns, c.columns);
    }
}

using Kind = logos::LogoAnswer::Kind;

INSTANTIATE_TEST_SUITE_P(
    Answers, LogoAnswers,
    ::testing::Values(
        AnswerCase{"OneByteIsEmpty", bytes({0x06}), Kind::Empty, 0, 0, {}},
        AnswerCase{"TwoByOne", bytes({0, 2, 1, 0xAA, 0x55}), Kind::Logo, 2, 1, bytes({0xAA, 0x55})},
        AnswerCase{"ExtraBytesIgnored", bytes({0, 1, 2, 1, 2, 3, 4}), Kind::Logo, 1, 2,
                   bytes({1, 2})},
        AnswerCase{"ShortAnswerPadded", bytes({0, 2, 2, 9}), Kind::Logo, 2, 2, bytes({9, 0, 0, 0})},
        AnswerCase{"Width200", bytes({0, 200, 1}), Kind::Logo, 200, 1, QByteArray(200, '\0')},
        AnswerCase{"Width254", bytes({0, 254, 1}), Kind::Logo, 254, 1, QByteArray(254, '\0')},
        AnswerCase{"WidthZero", bytes({0, 0, 1}), Kind::BadWidth, 0, 1, {}},
        AnswerCase{"Width255", bytes({0, 255, 1}), Kind::BadWidth, 255, 1, {}},
        AnswerCase{"RowsZero", bytes({0, 5, 0}), Kind::BadRows, 5, 0, {}},
        AnswerCase{"RowsFive", bytes({0, 5, 5}), Kind::BadRows, 5, 5, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogoAnswerFile, LengthWordCountsTwoHeaderBytes) {
    const auto a = logos::decodeLogoAnswer(bytes({0, 2, 3, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(logos::logoAnswerFile(a), bytes({8, 0, 2, 3, 1, 2, 3, 4, 5, 6}));
}

// Bytes 3 to n-1 go into the file unchanged, whatever X x R says.
TEST(LogoAnswerFile, KeepsTheAnswerBytesAsTheyCame) {
    EXPECT_EQ(logos::logoAnswerFile(logos::decodeLogoAnswer(bytes({0, 1, 2, 7, 8, 9, 10}))),
              bytes({4, 0, 1, 2, 7, 8, 9, 10}));
    EXPECT_EQ(logos::logoAnswerFile(logos::decodeLogoAnswer(bytes({0, 2, 2, 9}))),
              bytes({6, 0, 2, 2, 9}));
}

TEST(ReadBack, ComparesSizeThenColumns) {
    using R = logos::ReadBackCheck::Result;
    const QByteArray block = bytes({3, 2, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(logos::checkReadBack(block, bytes({6, 3, 2, 1, 2, 3, 4, 5, 6})).result, R::Same);
    // Bytes past the block are not the logo's.
    EXPECT_EQ(logos::checkReadBack(block, bytes({6, 3, 2, 1, 2, 3, 4, 5, 6, 7})).result, R::Same);
    const auto column = logos::checkReadBack(block, bytes({6, 3, 2, 1, 2, 3, 9, 5, 6}));
    EXPECT_EQ(column.result, R::OtherColumn);
    EXPECT_EQ(column.column, 1);
    const auto shortAnswer = logos::checkReadBack(block, bytes({6, 3, 2, 1, 2, 3, 4, 5}));
    EXPECT_EQ(shortAnswer.result, R::OtherColumn);
    EXPECT_EQ(shortAnswer.column, 2);
    EXPECT_EQ(logos::checkReadBack(block, bytes({6, 2, 2, 1, 2, 3, 4})).result, R::OtherSize);
    EXPECT_EQ(logos::checkReadBack(block, bytes({6, 3, 1, 1, 2, 3})).result, R::OtherSize);
    EXPECT_EQ(logos::checkReadBack(block, bytes({1})).result, R::NoLogo);
    EXPECT_EQ(logos::checkReadBack(block, QByteArray()).result, R::NoLogo);
}

TEST(DeleteLookalike, TwelveColumnBytesOnly) {
    EXPECT_TRUE(logos::readsAsDelete(QByteArray(14, '\0')));
    for (int size : {13, 15, 2, 255})
        EXPECT_FALSE(logos::readsAsDelete(QByteArray(size, '\0'))) << size;
    EXPECT_EQ(logos::withEmptyColumn(bytes({3, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})),
              bytes({4, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0, 0}));
}

struct BitmapCase {
    const char* name;
    QByteArray answer;
    bool empty;
    int width;
    int bytesPerColumn;
};

class BitmapAnswers : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapAnswers, Decoded) {
    const BitmapCase& c = GetParam();
    const auto a = logos::decodeBitmapAnswer(c.answer);
    EXPECT_EQ(a.empty, c.empty);
    if (c.empty)
        return;
    EXPECT_EQ(a.picture.width, c.width);
    EXPECT_EQ(a.picture.bytesPerColumn, c.bytesPerColumn);
    EXPECT_EQ(a.picture.columns.size(), c.width * c.bytesPerColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BitmapAnswers,
    ::testing::Values(BitmapCase{"TwoBytes", bytes({5, 0}), true, 0, 0},
                      BitmapCase{"WidthZero", bytes({0, 0, 2, 1, 2}), true, 0, 0},
                      BitmapCase{"RowsZero", bytes({3, 0, 0, 1, 2}), true, 0, 0},
                      BitmapCase{"Small", bytes({2, 0, 1, 1, 2}), false, 2, 1},
                      BitmapCase{"WidthIsLittleEndian", bytes({0x10, 0x01, 4}), false, 272, 4},
                      BitmapCase{"WidthCappedAt819", bytes({0xE8, 0x03, 1}), false, 819, 1},
                      BitmapCase{"Width32768", bytes({0x00, 0x80, 1}), false, 819, 1},
                      BitmapCase{"RowsCappedAt4", bytes({1, 0, 9}), false, 1, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitmapAnswer, OnlyTheFirst8192BytesCount) {
    QByteArray answer = bytes({0x33, 0x03, 4});
    answer.append(QByteArray(819 * 4, '\x01'));
    answer.append(QByteArray(9000, '\x7F'));
    const auto a = logos::decodeBitmapAnswer(answer);
    ASSERT_FALSE(a.empty);
    EXPECT_EQ(a.picture.columns, QByteArray(819 * 4, '\x01'));

    QByteArray wide = bytes({0xE8, 0x03, 4});
    wide.append(QByteArray(1000 * 4, '\x02'));
    const auto capped = logos::decodeBitmapAnswer(wide);
    EXPECT_EQ(capped.picture.columns, QByteArray(819 * 4, '\x02'));
}

} // namespace
} // namespace nimbrel::testing
