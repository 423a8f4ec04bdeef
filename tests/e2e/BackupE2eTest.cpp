#include "E2eFixture.h"
#include "marks/MarkFile.h"
#include "session/Progress.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

using namespace nimbrel;
using nimbrel::testing::E2eFixture;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// Records the steps and says stop before step `stopAt`.
struct StopAt final : session::Progress {
    int stopAt = -1;
    QString title;
    int steps = 0;
    QStringList texts;
    int ends = 0;
    void begin(const QString& t, int s) override {
        title = t;
        steps = s;
    }
    bool next(int index, const QString& text) override {
        texts << text;
        return index != stopAt;
    }
    void end() override { ++ends; }
};

struct Backups : E2eFixture {
    StopAt progress;
    QTemporaryDir work;

    Backups() { session.progress = &progress; }
    QString path(const char* name) const { return work.filePath(u(name)); }
    QStringList entries() const {
        return QDir(work.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    // The last box of a backup (70) or restore (71) run with these answers.
    QString run(int id, const QVariantList& answers) {
        dialogs.calls.clear();
        for (const QVariant& a : answers)
            dialogs.answers.push_back(a);
        dispatcher.dispatch(id);
        return dialogs.messages().empty() ? QString() : dialogs.messages().back().text;
    }
    // A copy of one model made by hand: marks 5 and 6, each the new mark's template.
    void writeCopy(const char* model) {
        const QByteArray mark = marks::newMarkTemplate();
        const QDir folder(work.path());
        const QString hash =
            QString::fromLatin1(QCryptographicHash::hash(mark, QCryptographicHash::Sha256).toHex());
        for (const char* name : {"mark05.mrt", "mark06.mrt"}) {
            QFile file(folder.filePath(u(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(mark);
        }
        QFile manifest(folder.filePath("manifest.json"));
        ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
        manifest.write(QStringLiteral(R"({"format": 1, "model": "%1",
            "time": "2026-03-05T14:20:00+01:00",
            "files": [{"kind": "mark", "slot": 5, "file": "mark05.mrt", "sha256": "%2"},
                      {"kind": "mark", "slot": 6, "file": "mark06.mrt", "sha256": "%2"}]})")
                           .arg(u(model), hash)
                           .toUtf8());
    }
};

const QStringList kStocked{"--model", "T936", "--occupy-marks", "1,40", "--occupy-logos", "0,64"};

TEST_F(Backups, BackupThenRestoreShowTheirSlotsAndSummaries) {
    startConnected(kStocked);
    EXPECT_EQ(run(70, {path("copy")}), u("Маркиратор T936 сохранён в папке:\n\r") + path("copy") +
                                           u("\n\rМарок: 3, логотипов: 2."));
    EXPECT_EQ(dialogs.calls[0].type, nimbrel::testing::ScriptedDialogs::Type::Folder);
    EXPECT_EQ(dialogs.calls[0].proposed, session.workingFolder);
    EXPECT_EQ(QDir(path("copy")).entryList(QDir::Files, QDir::Name),
              (QStringList{"logo000.bin", "logo064.bin", "manifest.json", "mark00.mrt",
                           "mark01.mrt", "mark40.mrt", "settings.bin"}));
    QFile manifest(path("copy") + "/manifest.json");
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manifest.readAll().contains(R"("program": "nimbrel",)"));
    // Mark 0 always, the occupied ones, then every read-only logo slot, which has no map.
    EXPECT_EQ(progress.title, u("Резервная Копия Маркиратора"));
    EXPECT_EQ(progress.steps, 3 + 2 + 128);
    EXPECT_EQ(progress.texts.mid(0, 6),
              (QStringList{u("Марка #00 из 86"), u("Марка #01 из 86"), u("Марка #40 из 86"),
                           u("Логотип #000 из 256"), u("Логотип #064 из 256"),
                           u("Логотип #128 из 256")}));
    EXPECT_EQ(progress.ends, 1);

    progress.texts.clear();
    const QString summary = run(71, {path("copy"), platform::kYes});
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, u("Восстановление Маркиратора"));
    EXPECT_EQ(messages[0].kind, platform::kWarningQuestion);
    EXPECT_TRUE(messages[0].text.startsWith(u("Копия Маркиратора T936 от ")));
    EXPECT_TRUE(messages[0].text.endsWith(
        u(":\n\rмарок 3, логотипов 2.\n\rМарки и логотипы Маркиратора будут заменены.\n\r"
          "Восстановить?")));
    EXPECT_EQ(summary, u("Восстановление завершено.\n\r"
                         "Записано и проверено: 5 (марки 00, 01, 40; логотипы 000, 064)"));
    EXPECT_EQ(messages[1].kind, platform::kInformation);
    EXPECT_EQ(progress.texts.last(), u("Логотип #064 из 256"));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
}

TEST_F(Backups, StopDuringABackupLeavesNoFolder) {
    startConnected(kStocked);
    QDir(work.path()).mkpath(u("full/x"));
    progress.stopAt = 2;
    // A folder with something in it is refused; the next one is taken.
    EXPECT_EQ(run(70, {path("full"), platform::kYes, path("copy")}),
              u("Резервная копия остановлена и не сохранена."));
    EXPECT_EQ(dialogs.messages()[0].text,
              u("Папка ") + path("full") +
                  u(" уже существует и не пуста: укажите новую папку для копии.\n\r"
                    "Выбрать другую папку?"));
    EXPECT_EQ(progress.texts.size(), 3);
    EXPECT_EQ(entries(), QStringList{"full"});
}

TEST_F(Backups, StopDuringARestoreSaysWhichSlotsWereWritten) {
    startConnected({"--model", "T936", "--occupy-marks", "1,2,3,40"});
    ASSERT_TRUE(run(70, {path("copy")}).startsWith(u("Маркиратор T936")));
    progress.stopAt = 4;
    EXPECT_EQ(run(71, {path("copy"), platform::kYes}),
              u("Восстановление остановлено.\n\rЗаписано и проверено: 4 (марки 00-03)\n\r"
                "Не записано: 1"));
}

struct RestoreCase {
    const char* name;
    QStringList sim;
    const char* summary;
    int kind;
};

class RestoreEnd : public Backups, public ::testing::WithParamInterface<RestoreCase> {};

// Marks 5 and 6 from a copy made by hand; the printer changes, or stops answering, what it
// is sent.
TEST_P(RestoreEnd, SummaryTellsEachSlot) {
    startConnected(GetParam().sim);
    writeCopy("T960");
    EXPECT_EQ(run(71, {work.path(), platform::kYes}), u(GetParam().summary));
    EXPECT_EQ(dialogs.messages().back().kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreEnd,
    ::testing::Values(RestoreCase{"Differs",
                                  {"--model", "T936", "--alter-writes"},
                                  "Восстановление завершено.\n\rЗаписано и проверено: 0\n\r"
                                  "Отличается от записанного: 2 (марки 05, 06)",
                                  platform::kError},
                      RestoreCase{
                          "Unanswered",
                          {"--model", "T936", "--fault", "no-reply@r"},
                          "Восстановление прервано: нет связи с Маркиратором.\n\r"
                          "Записано и проверено: 0\n\r"
                          "Записано, но без ответа на проверку: 1 (марка 05)\n\rНе записано: 1",
                          platform::kError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backups, AnotherFamilyIsRefusedUnlessConfirmedAgain) {
    startConnected({"--model", "T236", "--no-current-mark"});
    writeCopy("T936");
    EXPECT_EQ(run(71, {work.path(), platform::kYes}),
              u("Копия сделана с T936, а подключён T236 другого семейства.\n\r"
                "Всё равно восстановить?"));
    EXPECT_EQ(dialogs.messages().back().kind,
              platform::kErrorQuestion | platform::kSecondIsDefault);
    EXPECT_EQ(dialogs.messages()[0].text,
              u("Копия Маркиратора T936 от 05.03.2026 14:20:\n\rмарок 2, логотипов 0.\n\r"
                "Марки и логотипы Маркиратора будут заменены.\n\rВосстановить?"));
    EXPECT_TRUE(progress.texts.isEmpty());
    EXPECT_EQ(run(71, {work.path(), platform::kYes, platform::kYes}),
              u("Восстановление завершено.\n\rЗаписано и проверено: 2 (марки 05, 06)"));
}

} // namespace
