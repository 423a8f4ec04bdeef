#include "MarkFixture.h"
#include "TestNames.h"
#include "session/MarkRoutines.h"

namespace nimbrel::testing {
namespace {

using session::LinkIcon;
using Icons = std::vector<std::pair<LinkIcon, LinkIcon>>;
using Type = ScriptedDialogs::Type;

class Fragments : public MarkFixture {};

TEST_F(Fragments, ReadReportsTheFragment) {
    dialogs.answer("1");
    dialogs.answer("2");
    port.queueReply(bytes({0x19, 0x03, 0x02, 0x31, 0x32}));
    session::readFragment(ctx);

    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Requester);
    EXPECT_EQ(dialogs.calls[0].title, u(u"Чтение Фрагмента Марки"));
    EXPECT_EQ(dialogs.calls[0].prompt, u(u"Введите Номер Строки (1...4)"));
    EXPECT_EQ(dialogs.calls[0].proposed, "1");
    EXPECT_EQ(dialogs.calls[1].title, u(u"Чтение Фрагмента Марки"));
    EXPECT_EQ(dialogs.calls[1].prompt, u(u"Введите Номер Фрагмента в Строке (1...8)"));
    EXPECT_EQ(dialogs.calls[1].proposed, "1");
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x11, 0x31, 0x32, 0x0E})});
    EXPECT_EQ(dialogs.calls[2].title, u(u"Информация Системы Печати"));
    EXPECT_EQ(dialogs.calls[2].kind, 64);
    EXPECT_EQ(dialogs.calls[2].text,
              u(u"ФРАГМЕНТ #12:\r\n\nФункция: БЕГУЩИЙ НОМЕР\n\rШрифт:   03\n\rТекст:   '12'."));
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Busy}, {LinkIcon::Ok, LinkIcon::Ok}}));
}

struct PositionCase {
    const char* line;
    const char* fragment;
    QByteArray command;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << '"' << c.line << "\", \"" << c.fragment << '"';
}

class FragmentPosition : public Fragments, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(FragmentPosition, OutOfRangeReadsOne) {
    dialogs.answer(GetParam().line);
    dialogs.answer(GetParam().fragment);
    port.queueReply(bytes({0x18, 0x02, 0x00}));
    session::readFragment(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{GetParam().command});
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FragmentPosition,
    ::testing::Values(PositionCase{"0", "0", bytes({0x11, 0x31, 0x31, 0x0E})},
                      PositionCase{"5", "9", bytes({0x11, 0x31, 0x31, 0x0E})},
                      PositionCase{"", "", bytes({0x11, 0x31, 0x31, 0x0E})},
                      PositionCase{"-2", "x", bytes({0x11, 0x31, 0x31, 0x0E})},
                      PositionCase{"4", "8", bytes({0x11, 0x34, 0x38, 0x0E})},
                      PositionCase{"3", "8", bytes({0x11, 0x33, 0x38, 0x0E})},
                      PositionCase{" 2abc", "+3", bytes({0x11, 0x32, 0x33, 0x0E})}),
    [](const auto& info) { return testName(info.param.line, info.param.fragment); });

TEST_F(Fragments, ReadWithoutReplyIsOneError) {
    dialogs.answer("2");
    dialogs.answer("3");
    port.queueSilence();
    session::readFragment(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"ОШИБКА"));
    EXPECT_EQ(shown[0].text, u(u"Ошибка при чтении данных из Маркиратора (COM3)!"));
    EXPECT_EQ(shown[0].kind, 16);
    EXPECT_EQ(icons.back(), std::make_pair(LinkIcon::Error, LinkIcon::Error));
    EXPECT_TRUE(conn.linkFailed());
}

// The header's length byte tells where the reply ends: short of it is a failed read and no
// report.
TEST_F(Fragments, ReplyShortOfItsOwnLengthIsAReadError) {
    for (const QByteArray& reply : {bytes({0x1C}), bytes({0x18, 0x02, 0x03, 'A', 'B'})}) {
        dialogs.calls.clear();
        port.queueReply(reply);
        session::readFragment(ctx);
        const auto shown = dialogs.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, u(u"Ошибка при чтении данных из Маркиратора (COM3)!"));
        EXPECT_TRUE(conn.linkFailed());
    }
    dialogs.calls.clear();
    port.queueReply(bytes({0x18, 0x02, 0x02, 'A', 'B'}));
    session::readFragment(ctx);
    EXPECT_EQ(dialogs.messages().at(0).text,
              u(u"ФРАГМЕНТ #11:\r\n\nФункция: ТЕКСТ\n\rШрифт:   02\n\rТекст:   'AB'."));
}

TEST_F(Fragments, WriteAsksThenSends) {
    state.selectedFragment = "24";
    state.editor = {u(u"ШтрихКод EAN"), 12, u(u"Шрифт#12"), "123"};
    dialogs.answer(platform::kYes);
    const marks::MarkState& constState = state;
    session::writeFragment(ctx, constState);

    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"Изменение Печатной Марки"));
    EXPECT_EQ(shown[0].text, u(u"ИЗМЕНИТЬ ФРАГМЕНТ # 24 ?\n\rфункция:\tШтрихКод EAN\n\r"
                               u"шрифт:\t12\n\rтекст:\t123"));
    EXPECT_EQ(shown[0].kind, 52);
    EXPECT_EQ(written(),
              std::vector<QByteArray>{bytes({0x10, 0x32, 0x34, 0x3C, 0x31, 0x32, 0x33, 0x0E})});
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Ok, LinkIcon::Idle}}));
    EXPECT_FALSE(conn.linkFailed());
    EXPECT_EQ(port.readCount, 0);
}

TEST_F(Fragments, WriteBeforeAnyClickNamesFragmentZeroZero) {
    dialogs.answer(platform::kYes);
    session::writeFragment(ctx, state);
    EXPECT_EQ(dialogs.messages().at(0).text,
              u(u"ИЗМЕНИТЬ ФРАГМЕНТ # 00 ?\n\rфункция:\tТекст\n\rшрифт:\t02\n\rтекст:\t"));
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x18, 0x30, 0x30, 0x32, 0x0E})});
}

TEST_F(Fragments, WriteAnsweredNoSendsNothing) {
    dialogs.answer(platform::kNo);
    session::writeFragment(ctx, state);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(icons.empty());
}

TEST_F(Fragments, FortyFourCharactersGoFortyFiveAreRefused) {
    state.selectedFragment = "11";
    state.editor.text = QString(44, QChar(u'Ж'));
    dialogs.answer(platform::kYes);
    session::writeFragment(ctx, state);
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes,
              bytes({0x18, 0x31, 0x31, 0x32}) + QByteArray(44, '\xC6') + bytes({0x0E}));

    port.writes.clear();
    dialogs.calls.clear();
    state.editor.text = QString(45, QChar(u'Ж'));
    session::writeFragment(ctx, state);
    EXPECT_TRUE(port.writes.empty());
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"ОШИБКА"));
    EXPECT_EQ(shown[0].text,
              u(u"Текст фрагмента длиннее 44 символов (45).\n\rФрагмент не записан."));
    EXPECT_EQ(shown[0].kind, 16);
}

TEST_F(Fragments, RefusedWriteIsSaid) {
    port.failWrites = true;
    dialogs.answer(platform::kYes);
    session::writeFragment(ctx, state);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, u(u"ОШИБКА"));
    EXPECT_EQ(shown[1].text, u(u"Ошибка записи данных в порт COM3!"));
    EXPECT_EQ(shown[1].kind, 16);
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Error, LinkIcon::Idle}}));
    EXPECT_TRUE(conn.linkFailed());
}

TEST_F(Fragments, WriteLeavesTableAndEditorAlone) {
    state.table.setFragment(5, u(u"Номер"), " 03", "x");
    marks::loadRowIntoEditor(state, 5);
    state.editor.text = "changed";
    dialogs.answer(platform::kYes);
    session::writeFragment(ctx, state);
    EXPECT_EQ(rowOf(state.table, 5), (Row{u(u"Номер"), " 03", "x", "43"}));
    EXPECT_EQ(state.editor.text, "changed");
    EXPECT_EQ(state.selectedFragment, "16");
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x19\x31\x36\x33") + "changed\x0E"});
}

} // namespace
} // namespace nimbrel::testing
