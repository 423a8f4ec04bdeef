#include "MarkFixture.h"
#include "TestNames.h"
#include "session/MarkRoutines.h"

namespace nimbrel::testing {
namespace {

using session::LinkIcon;
using Icons = std::vector<std::pair<LinkIcon, LinkIcon>>;
using Type = ScriptedDialogs::Type;

QByteArray padded(QByteArray b, int size) {
    b.resize(size, '\0');
    return b;
}

QByteArray record(std::initializer_list<int> head, const QByteArray& text = {}) {
    QByteArray r = bytes(head) + text;
    r.resize(48, '\0');
    return r;
}

// A block whose record i (line i % 4 + 1, fragment i / 4 + 1) holds "R" + i.
QByteArray numberedBlock() {
    QByteArray block;
    for (int i = 0; i < 32; ++i) {
        const QByteArray text = "R" + QByteArray::number(i);
        block += record({0x19, i % 16, static_cast<int>(text.size())}, text);
    }
    return block;
}

const QString kPrompt = QStringLiteral("Введите Номер Марки: 0..85  ( 0- печатаемая марка )");

class MarkTransfer : public MarkFixture {
protected:
    QString readError() const {
        return QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!");
    }
    QString writeError() const { return QStringLiteral("Ошибка записи данных в порт COM3!"); }
    void expectMessages(const std::vector<std::tuple<QString, QString, int>>& expected) {
        const auto shown = dialogs.messages();
        ASSERT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].title, std::get<0>(expected[i])) << i;
            EXPECT_EQ(shown[i].text, std::get<1>(expected[i])) << i;
            EXPECT_EQ(shown[i].kind, std::get<2>(expected[i])) << i;
        }
    }
    // A printer that keeps what it is sent: the read after a write answers with the pieces
    // written before it, changed by `alter` when given.
    void echoWrittenMark(std::function<void(QByteArray&)> alter = {}) {
        port.onWrite = [this, alter](const QByteArray& bytes) {
            if (!bytes.startsWith(QByteArray("\x0F\x72", 2)))
                return;
            QByteArray block;
            for (std::size_t i = 1; i + 1 < port.writes.size(); ++i)
                block += port.writes[i].bytes;
            if (alter)
                alter(block);
            port.schedule(block, clock.elapsedMs() + 2);
        };
    }
    void expectTableUntouched() {
        for (int row = 0; row < 32; ++row)
            EXPECT_EQ(rowOf(state.table, row), (Row{u(u"Текст"), " 02", "", "44"})) << row;
    }
};

TEST_F(MarkTransfer, ReadMarkByNumber) {
    dialogs.answer("5");
    port.queueReply(numberedBlock());
    session::readNumberedMark(ctx, state);

    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Requester);
    EXPECT_EQ(dialogs.calls[0].title, u(u"Чтение Текстовой Марки из Маркиратора"));
    EXPECT_EQ(dialogs.calls[0].prompt, kPrompt);
    EXPECT_EQ(dialogs.calls[0].proposed, "0");
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x0F, 0x72, 0x30, 0x35, 0x0E})});
    // First 10 ms, then 5 ms and the block is whole: no settling wait for a block.
    EXPECT_EQ(clock.sleeps, (std::vector<int>{10, 5}));
    for (int line = 1; line <= 4; ++line)
        for (int fragment = 1; fragment <= 8; ++fragment) {
            const int row = (line - 1) * 8 + fragment - 1;
            const int rec = (fragment - 1) * 4 + line - 1;
            const QString text = "R" + QString::number(rec);
            EXPECT_EQ(rowOf(state.table, row),
                      (Row{u(u"Номер"), " " + QString::number(rec % 16).rightJustified(2, '0'),
                           text, QString::number(44 - text.size())}))
                << row;
        }
    EXPECT_EQ(state.table.cell(8, 0), "21");
    EXPECT_EQ(state.selectedRow, 0);
    // The editor shows the selected row as read, so "ИЗМЕНИТЬ" writes back what it shows.
    EXPECT_EQ(state.selectedFragment, "11");
    EXPECT_EQ(state.editor.text, "R0");
    EXPECT_EQ(state.editor.fontText, u(u"Шрифт# 00"));
    EXPECT_GT(state.previewRevision, 0);
    EXPECT_TRUE(shell.enabled(14));
    EXPECT_FALSE(shell.enabled(13));
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Ok, LinkIcon::Idle}}));
    EXPECT_FALSE(conn.linkFailed());
    EXPECT_EQ(shell.markStatus, u(u"Марка #05 (маркиратор)"));
    EXPECT_TRUE(state.fromPrinter);
}

TEST_F(MarkTransfer, ReadCurrentMark) {
    port.queueReply(
        padded(record({0x07, 0x11, 0x02}, "AB") + record({0x18, 0x02, 0x02}, "XY"), 1536));
    session::readCurrentMark(ctx, state);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x0F, 0x72, 0x30, 0x30, 0x0E})});
    EXPECT_EQ(clock.sleeps, (std::vector<int>{2}));
    EXPECT_EQ(rowOf(state.table, 0), (Row{" 007", " 017", "AB", "42"}));
    EXPECT_EQ(rowOf(state.table, 8), (Row{u(u"Текст"), " 02", "XY", "42"}));
    EXPECT_EQ(rowOf(state.table, 1), (Row{" 000", " 00", "", "44"}));
    EXPECT_EQ(state.selectedRow, 0);
    EXPECT_TRUE(shell.enabled(14));
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Ok, LinkIcon::Idle}}));
}

TEST_F(MarkTransfer, NumberedReadShowsUnknownCodesAsQuestionMark) {
    dialogs.answer("1");
    port.queueReply(padded(record({0x07, 0x11, 0x02}, "AB"), 1536));
    session::readNumberedMark(ctx, state);
    EXPECT_EQ(rowOf(state.table, 0), (Row{"?", " 17", "AB", "42"}));
}

// A reply that trickles in is taken only once two counts agree.
TEST_F(MarkTransfer, TricklingReplyIsTakenWhole) {
    port.queueReply(numberedBlock(), 1, 50.0);
    session::readCurrentMark(ctx, state);
    EXPECT_EQ(state.table.cell(31, 3), "R31");
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

// A mark is its whole block: less after the wait is not a mark to show.
TEST_F(MarkTransfer, ShortBlocksAreReadErrorsAndLeaveTheTable) {
    for (const QByteArray& reply : {numberedBlock().left(300), numberedBlock().left(1535)}) {
        dialogs.calls.clear();
        port.queueReply(reply);
        session::readCurrentMark(ctx, state);
        expectMessages({{u(u"ОШИБКА"), readError(), 16}});
        expectTableUntouched();
        EXPECT_TRUE(conn.linkFailed());
        EXPECT_EQ(port.bytesWaitingInput(), 0);
    }
}

// A block that pauses on its way (a USB adapter's frame, a busy printer) is waited for.
TEST_F(MarkTransfer, GappedBlockIsTakenWhole) {
    port.queueReply(numberedBlock().left(300), 2);
    port.schedule(numberedBlock().mid(300), 60);
    session::readCurrentMark(ctx, state);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(state.table.cell(31, 3), "R31");
}

TEST_F(MarkTransfer, LateInputIsDroppedBeforeTheCommand) {
    port.schedule(QByteArray("\0\0stale", 7), 0);
    port.queueReply(numberedBlock());
    session::readCurrentMark(ctx, state);
    EXPECT_EQ(state.table.cell(0, 3), "R0");
}

TEST_F(MarkTransfer, EmptyMark) {
    state.table.setFragment(3, u(u"Номер"), " 05", "keep");
    dialogs.answer("12");
    port.queueReply(QByteArray(1536, '\0'));
    session::readNumberedMark(ctx, state);
    expectMessages({{u(u"МАРКА #12"), u(u"    ПУСТАЯ МАРКА!      "), 16}});
    EXPECT_EQ(rowOf(state.table, 3), (Row{u(u"Номер"), " 05", "keep", "40"}));
    EXPECT_EQ(state.selectedRow, -1);
    EXPECT_FALSE(shell.enabled(14));
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Ok, LinkIcon::Idle}}));
}

TEST_F(MarkTransfer, EmptyCurrentMarkNamesMarkZero) {
    port.queueReply(bytes({0x00, 0x18, 0x02}));
    session::readCurrentMark(ctx, state);
    expectMessages({{u(u"МАРКА #00"), u(u"    ПУСТАЯ МАРКА!      "), 16}});
    expectTableUntouched();
}

TEST_F(MarkTransfer, NoReplyToTheNumberedRead) {
    dialogs.answer("7");
    port.queueSilence();
    session::readNumberedMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"), readError(), 16}});
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Error, LinkIcon::Error}}));
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(clock.elapsedMs(), 10 + 100 * 10);
    EXPECT_EQ(port.readCount, 0);
    expectTableUntouched();
    EXPECT_FALSE(shell.talking);
}

TEST_F(MarkTransfer, NoReplyToTheCurrentRead) {
    port.queueSilence();
    session::readCurrentMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"), readError(), 16}});
    EXPECT_EQ(clock.elapsedMs(), 350 * 4);
    expectTableUntouched();
}

TEST_F(MarkTransfer, ReadCommandRefused) {
    port.failWrites = true;
    session::readCurrentMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"), readError(), 16}});
    EXPECT_TRUE(conn.linkFailed());
    expectTableUntouched();
}

struct NumberCase {
    const char* typed;
    bool accepted;
    QByteArray digits;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class MarkNumberEntry : public MarkTransfer, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(MarkNumberEntry, AcceptedOrAskedAgain) {
    const auto& c = GetParam();
    dialogs.answer(c.typed);
    dialogs.answer(platform::kNo);
    port.queueReply(numberedBlock());
    session::readNumberedMark(ctx, state);
    if (c.accepted) {
        EXPECT_EQ(written(), std::vector<QByteArray>{"\x0F\x72" + c.digits + "\x0E"});
        EXPECT_TRUE(dialogs.messages().empty());
    } else {
        EXPECT_TRUE(port.writes.empty());
        expectMessages({{u(u"ОШИБКА"), u(u"Недопустимый Номер Марки. Повторить ввод?"), 20}});
        expectTableUntouched();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MarkNumberEntry,
    ::testing::Values(NumberCase{"0", true, "00"}, NumberCase{"85", true, "85"},
                      NumberCase{"9", true, "09"}, NumberCase{" +7abc", true, "07"},
                      NumberCase{"\t12", true, "12"}, NumberCase{"$1F", true, "31"},
                      NumberCase{"x", true, "00"}, NumberCase{"86", false, {}},
                      NumberCase{"-1", false, {}}, NumberCase{"99999999999999999999", false, {}}),
    [](const auto& info) { return testName(info.param.typed); });

TEST_F(MarkTransfer, WrongNumberThenYesAsksAgain) {
    dialogs.answer("86");
    dialogs.answer(platform::kYes);
    dialogs.answer("8");
    port.queueReply(numberedBlock());
    session::readNumberedMark(ctx, state);
    EXPECT_EQ(written(), std::vector<QByteArray>{bytes({0x0F, 0x72, 0x30, 0x38, 0x0E})});
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[2].type, Type::Requester);
}

// Esc or the close box gives the empty answer: no read of mark 00.
TEST_F(MarkTransfer, EmptyAnswerEndsTheRead) {
    for (const char* typed : {"", "   "}) {
        dialogs.answer(typed);
        session::readNumberedMark(ctx, state);
    }
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(icons.empty());
}

// The six 256-byte pieces of the block, spelled out record by record.
std::vector<QByteArray> pieces(const QByteArray& block) {
    std::vector<QByteArray> out;
    for (int at = 0; at < block.size(); at += 256)
        out.push_back(block.mid(at, 256));
    return out;
}

TEST_F(MarkTransfer, WriteMark) {
    state.table.setFragment(0, u(u"Текст"), " 00", "ABC");
    state.table.setFragment(8, u(u"ШтрихКод EAN"), " 12", "123");
    state.table.setFragment(1, u(u"Номер"), " 05", u(u"№"));
    state.table.setFragment(31, "?", " 017", u(u"Яя"));
    dialogs.answer("12");
    echoWrittenMark();
    session::writeMark(ctx, state);

    QByteArray block;
    for (int r = 0; r < 32; ++r) {
        if (r == 0)
            block += record({0x18, 0x00, 0x03}, "ABC");
        else if (r == 1)
            block += record({0x10, 0x0C, 0x0D}, "1230000000000");
        else if (r == 4)
            block += record({0x19, 0x05, 0x01}, "\xB9");
        else if (r == 31)
            block += record({0x18, 0x11, 0x02}, "\xDF\xFF");
        else
            block += record({0x18, 0x02, 0x00});
    }
    std::vector<QByteArray> expected{bytes({0x0F, 0x74, 0x31, 0x32, 0x0E})};
    for (const auto& p : pieces(block))
        expected.push_back(p);
    // Then the mark is read back.
    expected.push_back(bytes({0x0F, 0x72, 0x31, 0x32, 0x0E}));
    EXPECT_EQ(written(), expected);

    std::vector<qint64> times;
    for (const auto& w : port.writes)
        times.push_back(w.atMs);
    EXPECT_EQ(times, (std::vector<qint64>{0, 2, 32, 62, 92, 122, 152, 182}));
    EXPECT_EQ(clock.sleeps, (std::vector<int>{2, 30, 30, 30, 30, 30, 30, 10, 5}));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].title, u(u"ЗАПИСЬ В МАРКИРАТОР"));
    EXPECT_EQ(dialogs.calls[0].prompt, kPrompt);
    expectMessages({{"", u(u"Запись Марки #12 успешно завершена."), 64}});
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Ok, LinkIcon::Idle}}));
    EXPECT_EQ(rowOf(state.table, 8), (Row{u(u"ШтрихКод EAN"), " 12", "123", "41"}));
    EXPECT_FALSE(shell.talking);
}

TEST_F(MarkTransfer, WriteMessageQuotesTheAnswerAsTyped) {
    dialogs.answer(" 5");
    echoWrittenMark();
    session::writeMark(ctx, state);
    EXPECT_EQ(written().front(), bytes({0x0F, 0x74, 0x30, 0x35, 0x0E}));
    expectMessages({{"", u(u"Запись Марки # 5 успешно завершена."), 64}});
}

// Esc or the close box must never overwrite mark 00, the one being printed.
TEST_F(MarkTransfer, EmptyAnswerEndsTheWrite) {
    session::writeMark(ctx, state);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MarkTransfer, WrongNumberAndNoSendsNothing) {
    dialogs.answer("-1");
    dialogs.answer(platform::kNo);
    session::writeMark(ctx, state);
    EXPECT_TRUE(port.writes.empty());
    expectMessages({{u(u"ОШИБКА"), u(u"Недопустимый Номер Марки. Повторить ввод?"), 20}});
}

TEST_F(MarkTransfer, RefusedCommandIsAWriteError) {
    port.failWrites = true;
    dialogs.answer("3");
    session::writeMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"), writeError(), 16}});
    EXPECT_EQ(icons, (Icons{{LinkIcon::Busy, LinkIcon::Idle}, {LinkIcon::Error, LinkIcon::Idle}}));
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_FALSE(shell.talking);
}

TEST_F(MarkTransfer, RefusedPieceStopsTheWrite) {
    port.onWrite = [this](const QByteArray&) {
        if (port.writes.size() == 3)
            port.failWrites = true;
    };
    dialogs.answer("3");
    session::writeMark(ctx, state);
    EXPECT_EQ(port.writes.size(), 3u);
    expectMessages({{u(u"ОШИБКА"), writeError(), 16}});
    EXPECT_EQ(icons.back(), std::make_pair(LinkIcon::Error, LinkIcon::Idle));
}

TEST_F(MarkTransfer, TooLongTextIsRefusedBeforeAnything) {
    state.table.setFragment(13, u(u"Текст"), " 02", QString(45, QLatin1Char('x')));
    state.table.setFragment(2, u(u"Текст"), " 02", QString(50, QLatin1Char('y')));
    state.table.setFragment(3, u(u"ШтрихКод EAN"), " 02", QString(50, QLatin1Char('9')));
    session::writeMark(ctx, state);
    EXPECT_TRUE(port.writes.empty());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    expectMessages({{u(u"ОШИБКА"),
                     u(u"Фрагмент # 13: текст длиннее 44 символов.\n\r"
                       u"Фрагмент # 26: текст длиннее 44 символов.\n\r"
                       u"Марка не записана."),
                     16}});
    EXPECT_TRUE(icons.empty());
}

// The port as a line: what was written leaves the output queue at 115200 baud.
// A printer that is switched off takes the bytes and says nothing: sent, but not proven.
TEST_F(MarkTransfer, WriteWithoutReadBackCannotBeChecked) {
    dialogs.answer("7");
    session::writeMark(ctx, state);
    ASSERT_EQ(written().size(), 8u);
    EXPECT_EQ(written().back(), bytes({0x0F, 0x72, 0x30, 0x37, 0x0E}));
    expectMessages({{u(u"ОШИБКА"),
                     u(u"Марка #07 записана, но проверить её не удалось: Маркиратор не ответил "
                       u"на чтение."),
                     16}});
    EXPECT_EQ(icons.back(), std::make_pair(LinkIcon::Error, LinkIcon::Error));
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_FALSE(shell.talking);
}

// The current mark is read back with its own command and wait.
TEST_F(MarkTransfer, WriteOfMarkZeroReadsTheCurrentMarkBack) {
    dialogs.answer("0");
    echoWrittenMark();
    session::writeMark(ctx, state);
    EXPECT_EQ(written().back(), bytes({0x0F, 0x72, 0x30, 0x30, 0x0E}));
    EXPECT_EQ(clock.sleeps.back(), 2);
    expectMessages({{"", u(u"Запись Марки #0 успешно завершена."), 64}});
}

struct Difference {
    const char* name;
    int offset; // into the block read back
    char value;
    const char* label;
};

class WriteReadBack : public MarkTransfer, public ::testing::WithParamInterface<Difference> {};

// Type, font, length or text of any record: the first differing row is named.
TEST_P(WriteReadBack, DifferenceIsNamed) {
    const Difference& d = GetParam();
    state.table.setFragment(0, u(u"Текст"), " 03", "ABC");
    state.table.setFragment(9, u(u"Номер"), " 04", "12");
    dialogs.answer("5");
    echoWrittenMark([&d](QByteArray& block) { block[d.offset] = d.value; });
    session::writeMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"),
                     u(u"Запись Марки #5 не подтверждена:\n\rфрагмент # ") + d.label +
                         u(u" в Маркираторе отличается от записанного."),
                     16}});
    EXPECT_EQ(icons.back(), std::make_pair(LinkIcon::Ok, LinkIcon::Idle));
}

INSTANTIATE_TEST_SUITE_P(Records, WriteReadBack,
                         ::testing::Values(Difference{"Type", 0, 0x19, "11"},
                                           Difference{"Font", 1, 0x04, "11"},
                                           Difference{"Length", 2, 0x02, "11"},
                                           Difference{"Text", 5, 'D', "11"},
                                           // record 5: line 2, fragment 2
                                           Difference{"SecondLine", 5 * 48 + 4, '3', "22"},
                                           Difference{"LastRecordType", 31 * 48, 0x10, "48"},
                                           // record 3: line 4, fragment 1
                                           Difference{"FourthLine", 3 * 48 + 1, 0x07, "41"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Bytes past a record's text are not part of it.
TEST_F(MarkTransfer, BytesPastTheTextAreNoDifference) {
    state.table.setFragment(0, u(u"Текст"), " 03", "ABC");
    dialogs.answer("5");
    echoWrittenMark([](QByteArray& block) {
        block[6] = 'x';
        block[31 * 48 + 3] = 'y';
    });
    session::writeMark(ctx, state);
    expectMessages({{"", u(u"Запись Марки #5 успешно завершена."), 64}});
}

TEST_F(MarkTransfer, EmptyMarkReadBackIsADifference) {
    dialogs.answer("3");
    port.onWrite = [this](const QByteArray& bytes) {
        if (bytes.startsWith(QByteArray("\x0F\x72", 2)))
            port.schedule(QByteArray(1, '\0'), clock.elapsedMs() + 2);
    };
    session::writeMark(ctx, state);
    expectMessages({{u(u"ОШИБКА"),
                     u(u"Запись Марки #3 не подтверждена:\n\rфрагмент # 11 в Маркираторе "
                       u"отличается от записанного."),
                     16}});
}

class LinePort final : public platform::SerialPort {
public:
    LinePort(FakeSerialPort& inner, FakeClock& clock) : m_inner(inner), m_clock(clock) {}
    platform::OpenResult open(const QString& p, const platform::LineSettings& s) override {
        return m_inner.open(p, s);
    }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray& bytes) override {
        m_queued = bytesWaitingOutput() + static_cast<int>(bytes.size());
        m_since = m_clock.elapsedMs();
        return m_inner.write(bytes);
    }
    QByteArray read(int maxBytes) override { return m_inner.read(maxBytes); }
    int bytesWaitingInput() override { return m_inner.bytesWaitingInput(); }
    int bytesWaitingOutput() override {
        if (stuck)
            return 1;
        const qint64 sent = (m_clock.elapsedMs() - m_since) * 1152 / 100;
        return static_cast<int>(std::max<qint64>(0, m_queued - sent));
    }
    void discardInput() override { m_inner.discardInput(); }
    bool stuck = false;

private:
    FakeSerialPort& m_inner;
    FakeClock& m_clock;
    int m_queued = 0;
    qint64 m_since = 0;
};

TEST_F(MarkTransfer, EachPauseStartsWhenThePieceIsOut) {
    LinePort line(port, clock);
    session::Context lineCtx{line, clock, dialogs, conn, shell};
    dialogs.answer("1");
    echoWrittenMark();
    session::writeMark(lineCtx, state);
    ASSERT_EQ(port.writes.size(), 8u); // the command, six pieces, the read-back
    // 256 bytes take 23 ms at 11.52 bytes a millisecond; then the 30 ms pause.
    for (std::size_t i = 2; i < 7; ++i)
        EXPECT_EQ(port.writes[i].atMs - port.writes[i - 1].atMs, 23 + 30) << i;
    expectMessages({{"", u(u"Запись Марки #1 успешно завершена."), 64}});
}

TEST_F(MarkTransfer, LineThatNeverDrainsIsAWriteError) {
    LinePort line(port, clock);
    line.stuck = true;
    session::Context lineCtx{line, clock, dialogs, conn, shell};
    dialogs.answer("1");
    session::writeMark(lineCtx, state);
    EXPECT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(clock.elapsedMs(), 2 + 2000);
    expectMessages({{u(u"ОШИБКА"), writeError(), 16}});
}

} // namespace
} // namespace nimbrel::testing
