#include "platform/TermiosLine.h"
#include "TestNames.h"

#include <gtest/gtest.h>

namespace nimbrel::platform {
namespace {

struct FramingCase {
    LineSettings settings;
    speed_t speed;
    tcflag_t size;
    bool twoStops;
    tcflag_t parityBits;
};

class MakeRawTermios : public ::testing::TestWithParam<FramingCase> {};

// A cooked terminal with every kind of handshake on, as a device may be left by others.
termios cookedWithHandshake() {
    termios tio{};
    tio.c_iflag = ICRNL | IXON | IXOFF | IXANY | INPCK | ISTRIP;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_cflag = CS7 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
#ifdef CMSPAR
    tio.c_cflag |= CMSPAR;
#endif
    tio.c_lflag = ICANON | ECHO | ECHOE | ISIG | IEXTEN;
    cfsetispeed(&tio, B1200);
    cfsetospeed(&tio, B1200);
    return tio;
}

TEST_P(MakeRawTermios, SetsRateFramingAndNoHandshake) {
    const FramingCase& c = GetParam();
    termios tio = cookedWithHandshake();
    ASSERT_TRUE(makeRawTermios(tio, c.settings));

    EXPECT_EQ(cfgetospeed(&tio), c.speed);
    EXPECT_EQ(cfgetispeed(&tio), c.speed);
    EXPECT_EQ(tio.c_cflag & CSIZE, c.size);
    EXPECT_EQ((tio.c_cflag & CSTOPB) != 0, c.twoStops);
    tcflag_t parityMask = PARENB | PARODD;
#ifdef CMSPAR
    parityMask |= CMSPAR;
#endif
    EXPECT_EQ(tio.c_cflag & parityMask, c.parityBits);

    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);

    const std::optional<LineSettings> back = lineSettingsOf(tio);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->baud, c.settings.baud);
    EXPECT_EQ(back->parity, c.settings.parity);
    EXPECT_EQ(back->dataBits, c.settings.dataBits);
    EXPECT_EQ(back->stopBits, c.settings.stopBits);
}

INSTANTIATE_TEST_SUITE_P(
    Framings, MakeRawTermios,
    ::testing::Values(FramingCase{{115200, Parity::None, 8, 1}, B115200, CS8, false, 0},
                      FramingCase{{57600, Parity::Odd, 7, 1}, B57600, CS7, false, PARENB | PARODD},
                      FramingCase{{38400, Parity::Even, 6, 2}, B38400, CS6, true, PARENB},
                      FramingCase{{19200, Parity::None, 5, 2}, B19200, CS5, true, 0},
                      FramingCase{
                          {9600, Parity::Mark, 8, 1}, B9600, CS8, false, PARENB | CMSPAR | PARODD},
                      FramingCase{{300, Parity::Space, 8, 1}, B300, CS8, false, PARENB | CMSPAR}),
    [](const auto& info) { return testName(platform::describeSettings(info.param.settings)); });

class MakeRawTermiosRefuses : public ::testing::TestWithParam<LineSettings> {};

TEST_P(MakeRawTermiosRefuses, FramingItCannotExpress) {
    termios tio = cookedWithHandshake();
    EXPECT_FALSE(makeRawTermios(tio, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Bad, MakeRawTermiosRefuses,
                         ::testing::Values(LineSettings{115200, Parity::None, 9, 1},
                                           LineSettings{115200, Parity::None, 4, 1},
                                           LineSettings{115200, Parity::None, 8, 0},
                                           LineSettings{115200, Parity::None, 8, 3},
                                           LineSettings{115200, static_cast<Parity>(9), 8, 1}),
                         [](const auto& info) {
                             return testName(platform::describeSettings(info.param));
                         });

TEST(LineSettingsOf, RateWithoutConstantIsUnknownFromTermiosAlone) {
    termios tio{};
    tio.c_cflag = CS8;
    cfsetospeed(&tio, B0);
    ASSERT_TRUE(lineSettingsOf(tio).has_value());
    EXPECT_EQ(lineSettingsOf(tio)->baud, 0);
    // The kernel's BOTHER: the rate lives outside c_cflag.
    tio.c_cflag = (tio.c_cflag & ~CBAUD) | CBAUDEX;
    EXPECT_FALSE(lineSettingsOf(tio).has_value());
}

} // namespace
} // namespace nimbrel::platform
