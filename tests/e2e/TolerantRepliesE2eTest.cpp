#include "E2eFixture.h"
#include "logos/LogoEditor.h"
#include "session/CommandId.h"

using namespace nimbrel;
using nimbrel::testing::E2eFixture;
using nimbrel::testing::E2eRig;
using C = session::CommandId;

namespace {

// What the window shows of its main flows: every message, the mark read, the logo and the
// bitmap read.
QStringList mainFlows(const QStringList& simArgs) {
    E2eRig rig;
    rig.startConnected(simArgs + QStringList{"--occupy-marks", "5", "--occupy-logos", "3"});
    QStringList seen;
    const auto run = [&rig](C id, const QStringList& answers = {}) {
        for (const QString& a : answers)
            rig.dialogs.answer(a);
        rig.dispatcher.dispatch(static_cast<int>(id));
    };
    run(C::SettingsReportKey);
    run(C::MarkArea);
    run(C::LogoArea);
    run(C::ReadMark, {"5"});
    for (int row = 0; row < marks::kRows; ++row)
        seen << rig.session.marks.table.cell(row, marks::MarkTable::kText);
    run(C::ReadFragment, {"1", "1"});
    run(C::ReadLogo, {"3"});
    seen << QString::number(logos::countActiveDrops(rig.session.logos));
    run(C::ReadBitmap);
    seen << QString::number(logos::countActiveDrops(rig.session.logos));
    for (const auto& call : rig.dialogs.messages())
        seen << call.title + QLatin1Char('|') + call.text;
    return seen;
}

TEST(TolerantReplies, PaddedRepliesShowWhatACleanLineShows) {
    const QStringList clean = mainFlows({"--model", "T93Z"});
    EXPECT_EQ(clean.filter(QStringLiteral("ОШИБКА")), QStringList());
    EXPECT_EQ(mainFlows({"--model", "T93Z", "--fault", "pad=9"}), clean);
}

TEST_F(E2eFixture, AModelOfThePrintersOwnGetsTheT9xReport) {
    startConnected({"--version-text", "T980 v1.00"});
    EXPECT_EQ(session.conn.printerModel, QStringLiteral("T980"));
    dispatcher.dispatch(static_cast<int>(C::SettingsReportKey));
    const QString report = lastMessage().text;
    EXPECT_TRUE(report.startsWith(QStringLiteral("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T980 ) :\r\n\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Уставки групповой печати:\n\r")));
}

} // namespace
