#include "MarkFixture.h"
#include "marks/MarkFile.h"
#include "session/MarkRoutines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace nimbrel::testing {
namespace {

using Type = ScriptedDialogs::Type;

// Files this process writes may not grow past `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

class MarkFiles : public MarkFixture {
protected:
    QString path(const QString& name) const { return QDir(folder()).filePath(name); }

    void writeFile(const QString& name, const QByteArray& content) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray readFile(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void expectOneError(const QString& text) {
        const auto shown = dialogs.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, u(u"ОШИБКА"));
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].kind, 16);
    }
    // Loads a file of the template kind with row 0 holding `text`.
    void openWith(const QString& name, const QString& text) {
        marks::MarkTable t;
        t.setFragment(0, u(u"Текст"), " 02", text);
        writeFile(name, marks::writeMarkFile(t));
        ASSERT_TRUE(session::loadMarkFile(ctx, state, folder(), path(name)));
    }
};

TEST_F(MarkFiles, NewMark) {
    state.table.setFragment(3, u(u"Графика"), " 04", "old");
    session::newMark(ctx, state, folder());
    EXPECT_EQ(readFile("tmpmark.mrt"), marks::newMarkTemplate());
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(rowOf(state.table, row), (Row{u(u"Номер"), " 02", "", "44"})) << row;
    EXPECT_EQ(shell.markStatus, u(u"Марка: tmpmark.mrt"));
    EXPECT_FALSE(shell.enabled(13));
    EXPECT_TRUE(shell.enabled(14));
    EXPECT_EQ(state.currentFile, "tmpmark.mrt");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MarkFiles, NewMarkReplacesAnOldTemplate) {
    writeFile("tmpmark.mrt", "garbage that is no mark");
    session::newMark(ctx, state, folder());
    EXPECT_EQ(readFile("tmpmark.mrt"), marks::newMarkTemplate());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MarkFiles, OpenAsksWithFilterAndFolder) {
    marks::MarkTable t;
    t.setFragment(9, u(u"ПостДата"), " 07", u(u"Годен до"));
    writeFile("a.mrt", marks::writeMarkFile(t));
    dialogs.answer(path("a.mrt"));
    session::openMarkFile(ctx, state, folder());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].type, Type::OpenFile);
    EXPECT_EQ(dialogs.calls[0].title, u(u"ОТКРЫТЬ ФАЙЛ МАРКИ"));
    EXPECT_EQ(dialogs.calls[0].filters, QStringList{u(u"Текстовые Марки (*.mrt)")});
    EXPECT_EQ(dialogs.calls[0].proposed, folder());
    EXPECT_EQ(rowOf(state.table, 9), (Row{u(u"ПостДата"), " 07", u(u"Годен до"), "36"}));
    EXPECT_TRUE(shell.enabled(13));
    EXPECT_TRUE(shell.enabled(14));
    EXPECT_EQ(state.currentFile, path("a.mrt"));
    EXPECT_EQ(shell.markStatus, u(u"Марка: ") + path("a.mrt"));
    EXPECT_GT(state.previewRevision, 0);
}

TEST_F(MarkFiles, OpenCancelledChangesNothing) {
    session::openMarkFile(ctx, state, folder());
    EXPECT_EQ(shell.markStatus, u(u"Марка: ..."));
    EXPECT_FALSE(shell.enabled(13));
    EXPECT_TRUE(state.currentFile.isEmpty());
    EXPECT_EQ(state.previewRevision, 0);
}

// Rows before the bad line are replaced, the rest stay; nothing else changes, and the file
// does not become the target of "Сохранить Изменения".
TEST_F(MarkFiles, BadLineKeepsThePartlyReplacedTable) {
    openWith("good.mrt", "keep");
    state.table.setFragment(2, u(u"Графика"), " 04", "third");
    state.table.setFragment(31, u(u"Графика"), " 04", "last");
    const QString status = shell.markStatus;
    const int revision = state.previewRevision;
    const QByteArray bad = "11\x19\x30\x35one\r\n12\x1A\x30\x36two\r\n51\x18\x30\x32three\r\n";
    writeFile("bad.mrt", bad);
    dialogs.calls.clear();
    EXPECT_FALSE(session::loadMarkFile(ctx, state, folder(), path("bad.mrt")));
    expectOneError(u(u"ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!"));
    EXPECT_EQ(rowOf(state.table, 0), (Row{u(u"Номер"), " 05", "one", "41"}));
    EXPECT_EQ(rowOf(state.table, 1), (Row{u(u"Дата/Время"), " 06", "two", "41"}));
    EXPECT_EQ(rowOf(state.table, 2), (Row{u(u"Графика"), " 04", "third", "39"}));
    EXPECT_EQ(rowOf(state.table, 31), (Row{u(u"Графика"), " 04", "last", "40"}));
    EXPECT_EQ(shell.markStatus, status);
    EXPECT_EQ(state.currentFile, path("good.mrt"));
    EXPECT_EQ(state.previewRevision, revision);

    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("bad.mrt"), bad);
}

TEST_F(MarkFiles, ShortFileLoadsWhatItHas) {
    state.table.setFragment(5, u(u"Графика"), " 04", "stays");
    writeFile("short.mrt", "11\x19\x30\x35one\r\n\r\n13\x18\x30\x32never\r\n");
    EXPECT_TRUE(session::loadMarkFile(ctx, state, folder(), path("short.mrt")));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(state.table.cell(0, 3), "one");
    EXPECT_EQ(state.table.cell(2, 3), "");
    EXPECT_EQ(state.table.cell(5, 3), "stays");
    EXPECT_EQ(state.currentFile, path("short.mrt"));
}

TEST_F(MarkFiles, UnreadableFileIsSaidAndChangesNothing) {
    EXPECT_FALSE(session::loadMarkFile(ctx, state, folder(), path("missing.mrt")));
    expectOneError(u(u"Не удалось открыть файл '") + path("missing.mrt") + "'!");
    EXPECT_TRUE(state.currentFile.isEmpty());
    EXPECT_FALSE(shell.enabled(14));
    EXPECT_EQ(shell.markStatus, u(u"Марка: ..."));
}

TEST_F(MarkFiles, LongPathIsShortenedInTheStatus) {
    const QString deep = path(QString(40, QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString file = deep + "/" + QString(30, QLatin1Char('f')) + ".mrt";
    ASSERT_GT(file.size(), 60);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(marks::newMarkTemplate());
    }
    ASSERT_TRUE(session::loadMarkFile(ctx, state, folder(), file));
    EXPECT_EQ(shell.markStatus, u(u"Марка:  ... ") + file.right(60));
}

TEST_F(MarkFiles, SaveChangesRewritesTheCurrentFile) {
    openWith("m.mrt", "before");
    state.table.setFragment(0, u(u"Номер"), " 03", u(u"после"));
    dialogs.calls.clear();
    const QString status = shell.markStatus;
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("m.mrt"), marks::writeMarkFile(state.table));
    EXPECT_EQ(readFile("m.mrt").left(12), QByteArray("11\x19\x30\x33\xEF\xEE\xF1\xEB\xE5\r\n"));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(shell.markStatus, status);
}

// A mark read from the printer over an open file: the status says where the table came from,
// and the file is replaced only after a question.
TEST_F(MarkFiles, SaveChangesAfterAPrinterReadAsksFirst) {
    openWith("m.mrt", "file");
    const QByteArray before = readFile("m.mrt");
    QByteArray block(1536, '\0');
    block.replace(0, 7,
                  QByteArray("\x18\x02\x04"
                             "PRNT",
                             7));
    port.queueReply(block);
    dialogs.answer("7");
    session::readNumberedMark(ctx, state);
    EXPECT_EQ(shell.markStatus, u(u"Марка #07 (маркиратор)"));
    dialogs.calls.clear();

    dialogs.answer(platform::kNo);
    session::saveMarkChanges(ctx, state, folder());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, u(u"ПРЕДУПРЕЖДЕНИЕ"));
    EXPECT_EQ(dialogs.calls[0].text,
              u(u"Марка прочитана из Маркиратора.\n\rЗаменить ею файл '") + path("m.mrt") + "'?");
    EXPECT_EQ(dialogs.calls[0].kind, 52);
    EXPECT_EQ(readFile("m.mrt"), before);
    EXPECT_EQ(shell.markStatus, u(u"Марка #07 (маркиратор)"));

    dialogs.answer(platform::kYes);
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("m.mrt"), marks::writeMarkFile(state.table));
    EXPECT_EQ(state.table.cell(0, 3), "PRNT");
    EXPECT_EQ(shell.markStatus, u(u"Марка: ") + path("m.mrt"));
    // Saved: the next save asks nothing.
    dialogs.calls.clear();
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_TRUE(dialogs.calls.empty());
}

// Opening a file over a selected row shows that row's new content in the editor.
TEST_F(MarkFiles, OpenReloadsTheSelectedRowIntoTheEditor) {
    marks::loadRowIntoEditor(state, 0);
    openWith("m.mrt", "fresh");
    EXPECT_EQ(state.editor.text, "fresh");
    EXPECT_FALSE(state.fromPrinter);
}

TEST_F(MarkFiles, SaveChangesWithoutAFileDoesNothing) {
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files).isEmpty());
}

// The file-size limit makes the write itself fail half-way, whoever runs the test.
TEST_F(MarkFiles, SaveThatFailsHalfWayIsSaidAndKeepsTheOldFile) {
    openWith("m.mrt", "before");
    const QByteArray before = readFile("m.mrt");
    state.table.setFragment(0, u(u"Номер"), " 03", QString(40, QLatin1Char('a')));
    dialogs.calls.clear();
    {
        FileSizeLimit limit(before.size() + 10);
        session::saveMarkChanges(ctx, state, folder());
    }
    expectOneError(u(u"Не удалось записать файл '") + path("m.mrt") + "'!");
    EXPECT_EQ(readFile("m.mrt"), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{"m.mrt"});
}

TEST_F(MarkFiles, SaveOntoAFolderIsSaid) {
    ASSERT_TRUE(QDir(folder()).mkdir("taken.mrt"));
    state.currentFile = "taken.mrt";
    session::saveMarkChanges(ctx, state, folder());
    expectOneError(u(u"Не удалось записать файл 'taken.mrt'!"));
    EXPECT_TRUE(QFileInfo(path("taken.mrt")).isDir());
}

TEST_F(MarkFiles, SaveAsAsksAndWrites) {
    state.table.setFragment(7, u(u"Текст"), " 01", "abc");
    dialogs.answer(path("NAME"));
    session::saveMarkAs(ctx, state, folder());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].type, Type::SaveFile);
    EXPECT_EQ(dialogs.calls[0].title, u(u"Сохранить Файл Марки как.."));
    EXPECT_EQ(dialogs.calls[0].text, "mark.mrt");
    EXPECT_EQ(dialogs.calls[0].proposed, folder());
    EXPECT_EQ(dialogs.calls[0].filters, QStringList{u(u"Файлы Текстовых Марок (*.mrt)")});
    EXPECT_EQ(readFile("NAME.mrt"), marks::writeMarkFile(state.table));
    EXPECT_EQ(state.currentFile, path("NAME.mrt"));
    EXPECT_EQ(shell.markStatus, u(u"Марка: ") + path("NAME.mrt"));
    EXPECT_FALSE(shell.enabled(13));

    // Item 13 then writes NAME.mrt again.
    state.table.setFragment(7, u(u"Текст"), " 01", "changed");
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("NAME.mrt"), marks::writeMarkFile(state.table));
}

TEST_F(MarkFiles, SaveAsStatusIsNotShortened) {
    const QString deep = path(QString(70, QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(deep));
    dialogs.answer(deep + "/m.mrt");
    session::saveMarkAs(ctx, state, folder());
    EXPECT_EQ(shell.markStatus, u(u"Марка: ") + deep + "/m.mrt");
}

TEST_F(MarkFiles, SaveAsOverExistingFileAsksFirst) {
    writeFile("old.mrt", "precious");
    dialogs.answer(path("old.mrt"));
    dialogs.answer(platform::kNo);
    openWith("cur.mrt", "x");
    session::saveMarkAs(ctx, state, folder());
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"ПРЕДУПРЕЖДЕНИЕ"));
    EXPECT_EQ(shown[0].text,
              u(u"Файл '") + path("old.mrt") + u(u"' уже существует. Перезаписать?"));
    EXPECT_EQ(shown[0].kind, 52);
    EXPECT_EQ(readFile("old.mrt"), "precious");
    // "No" does not make the file the target of item 13.
    EXPECT_EQ(state.currentFile, path("cur.mrt"));
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("old.mrt"), "precious");

    dialogs.answer(path("old.mrt"));
    dialogs.answer(platform::kYes);
    session::saveMarkAs(ctx, state, folder());
    EXPECT_EQ(readFile("old.mrt"), marks::writeMarkFile(state.table));
    EXPECT_EQ(state.currentFile, path("old.mrt"));
}

TEST_F(MarkFiles, SaveAsOverAnEmptyFileDoesNotAsk) {
    writeFile("empty.mrt", "");
    dialogs.answer(path("empty.mrt"));
    session::saveMarkAs(ctx, state, folder());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readFile("empty.mrt"), marks::writeMarkFile(state.table));
}

TEST_F(MarkFiles, CancelledSaveAsLeavesItemThirteenWithoutEffect) {
    openWith("cur.mrt", "x");
    const QByteArray before = readFile("cur.mrt");
    session::saveMarkAs(ctx, state, folder());
    EXPECT_TRUE(state.currentFile.isEmpty());
    EXPECT_TRUE(shell.enabled(13));
    state.table.setFragment(0, u(u"Текст"), " 02", "changed");
    session::saveMarkChanges(ctx, state, folder());
    EXPECT_EQ(readFile("cur.mrt"), before);
}

TEST_F(MarkFiles, SaveAsThatFailsKeepsTheTarget) {
    openWith("cur.mrt", "x");
    dialogs.calls.clear();
    dialogs.answer(path("nofolder/x.mrt"));
    session::saveMarkAs(ctx, state, folder());
    expectOneError(u(u"Не удалось записать файл '") + path("nofolder/x.mrt") + "'!");
    EXPECT_EQ(state.currentFile, path("cur.mrt"));
    EXPECT_EQ(shell.markStatus, u(u"Марка: ") + path("cur.mrt"));
}

TEST_F(MarkFiles, CyrillicSurvivesSaveAndOpen) {
    const QString text = u(u"Партия №7 «Ёлка» — годен");
    state.table.setFragment(20, u(u"Текст"), " 05", text);
    dialogs.answer(path("ru.mrt"));
    session::saveMarkAs(ctx, state, folder());
    marks::MarkState other;
    ASSERT_TRUE(session::loadMarkFile(ctx, other, folder(), path("ru.mrt")));
    EXPECT_EQ(other.table.cell(20, 3), text);
    EXPECT_TRUE(readFile("ru.mrt").contains("\xCF\xE0\xF0\xF2\xE8\xFF \xB9\x37 \xAB\xA8"));
}

} // namespace
} // namespace nimbrel::testing
