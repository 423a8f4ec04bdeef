#include "LineFixture.h"
#include "TestBytes.h"

#include "logos/LogoOperations.h"
#include "marks/MarkOperations.h"
#include "printer/PrinterOperations.h"

#include <functional>

using namespace nimbrel;
using link::ExchangeError;
using nimbrel::testing::bytes;
using nimbrel::testing::LineFixture;

namespace {

// A reply of known length, as the operation that asks for it takes it.
struct ReplyCase {
    const char* name;
    std::function<link::ExchangeResult(link::Line&)> ask;
    QByteArray whole;
    bool keepsMore = false; // a logo file keeps what came after the answer
};

QByteArray filled(int size, char first = 6) {
    QByteArray out(size, '\x21');
    out[0] = first;
    return out;
}

template <typename Read> std::function<link::ExchangeResult(link::Line&)> asExchange(Read read) {
    return [read](link::Line& line) {
        const auto r = read(line);
        return link::ExchangeResult{r.error, r.block};
    };
}

const std::vector<ReplyCase>& replies() {
    static const std::vector<ReplyCase> all{
        {"SettingsT936", [](link::Line& l) { return printer::readSettings(l, "T936"); },
         filled(73)},
        {"SettingsT260", [](link::Line& l) { return printer::readSettings(l, "T260"); },
         filled(47)},
        {"SettingsUnknownModel", [](link::Line& l) { return printer::readSettings(l, "T980"); },
         filled(73)},
        {"Hours", printer::readWorkingHours, bytes({6, 0, 1, 23, 45})},
        {"Count", printer::readPrintedCount, bytes({6, 0, 0, 0, 0, 1, 5})},
        {"PrintMode", printer::readPrintMode, bytes({6, 0x18})},
        {"LineCount", printer::readLineCount, bytes({6, 2})},
        {"MarkMap", printer::readMarkArea, QByteArray(85, 'Y')},
        {"LogoMap", printer::readLogoArea, QByteArray(128, 'Y')},
        {"StoredMark", asExchange([](link::Line& l) { return marks::readMark(l, 5); }),
         filled(1536, 0x18)},
        {"PrintedMark", asExchange([](link::Line& l) { return marks::readMark(l, 0); }),
         filled(1536, 0x18)},
        {"Fragment", [](link::Line& l) { return marks::readFragment(l, 1, 2); },
         bytes({0x19, 3, 2, '1', '2'})},
        {"Logo", [](link::Line& l) { return logos::readLogo(l, 5); }, bytes({6, 2, 2, 1, 2, 3, 4}),
         true},
        {"Bitmap", logos::readBitmap, bytes({3, 0, 1, 0x81, 0x42, 0x24})},
    };
    return all;
}

// How the reply arrives: whole, longer by some stray bytes, or one byte short.
enum class Arrival { Exact, OneOver, SixtyFourOver, OneShort };

const char* arrivalName(Arrival a) {
    switch (a) {
    case Arrival::Exact:
        return "Exact";
    case Arrival::OneOver:
        return "OneOver";
    case Arrival::SixtyFourOver:
        return "SixtyFourOver";
    case Arrival::OneShort:
        break;
    }
    return "OneShort";
}

class ReplyLength : public LineFixture,
                    public ::testing::WithParamInterface<std::tuple<int, Arrival>> {};

TEST_P(ReplyLength, LongerIsWholeShortIsAnError) {
    const auto [index, arrival] = GetParam();
    const ReplyCase& c = replies()[index];
    link::LineState state;
    line.state = &state;
    QByteArray sent = c.whole;
    if (arrival == Arrival::OneOver)
        sent += '\x55';
    if (arrival == Arrival::SixtyFourOver)
        sent += QByteArray(64, '\x55');
    if (arrival == Arrival::OneShort)
        sent.chop(1);
    port.queueReply(sent, 2, 100.0);
    const link::ExchangeResult r = c.ask(line);
    if (arrival == Arrival::OneShort) {
        EXPECT_EQ(r.error, ExchangeError::BadLength);
        return;
    }
    ASSERT_EQ(r.error, ExchangeError::None);
    EXPECT_EQ(r.reply, c.keepsMore ? sent : c.whole);
    // Nothing of it is left to be taken for the next reply.
    port.queueReply(bytes({6, 3}), 2);
    const link::ExchangeResult next = printer::readLineCount(line);
    EXPECT_EQ(next.reply, bytes({6, 3}));
}

INSTANTIATE_TEST_SUITE_P(EveryKnownLength, ReplyLength,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(replies().size())),
                                            ::testing::Values(Arrival::Exact, Arrival::OneOver,
                                                              Arrival::SixtyFourOver,
                                                              Arrival::OneShort)),
                         [](const auto& info) {
                             return std::string(replies()[std::get<0>(info.param)].name) +
                                    arrivalName(std::get<1>(info.param));
                         });

} // namespace
