#include "session/MarkRoutines.h"

#include "marks/MarkFile.h"
#include "platform/AtomicFile.h"
#include "session/Talk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace nimbrel::session {

using namespace marks;

namespace {

const QString kTemplateName = QStringLiteral("tmpmark.mrt");
// A mark file is 32 short lines; anything past this is not read.
constexpr qint64 kMostBytesRead = 1 << 20;

QString inFolder(const QString& workingFolder, const QString& path) {
    return workingFolder.isEmpty() ? path : QDir(workingFolder).filePath(path);
}

// Replaces the file as a whole or not at all; a failure is said, never passed over.
bool saveFile(Context& ctx, const QString& workingFolder, const QString& path,
              const QByteArray& bytes) {
    if (platform::writeFileAtomically(inFolder(workingFolder, path), bytes).ok())
        return true;
    ctx.dialogs.message(errorTitle(),
                        QStringLiteral("Не удалось записать файл '") + path + QStringLiteral("'!"),
                        platform::kError);
    return false;
}

void showMarkStatus(Context& ctx, const QString& text) {
    ctx.shell.markStatus = text;
    ctx.shell.notify();
}

} // namespace

bool loadMarkFile(Context& ctx, MarkState& state, const QString& workingFolder,
                  const QString& path) {
    if (path.isEmpty())
        return false;
    QFile file(inFolder(workingFolder, path));
    if (!file.open(QIODevice::ReadOnly)) {
        ctx.dialogs.message(
            errorTitle(), QStringLiteral("Не удалось открыть файл '") + path + QStringLiteral("'!"),
            platform::kError);
        return false;
    }
    const ParsedMarkFile parsed = parseMarkFile(file.read(kMostBytesRead));
    file.close();
    applyParsedRows(parsed, state.table);
    if (state.selectedRow >= 0)
        loadRowIntoEditor(state, state.selectedRow);
    if (parsed.badLine) {
        ctx.dialogs.message(errorTitle(), QStringLiteral("ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!"),
                            platform::kError);
        return false;
    }
    state.currentFile = path;
    state.fromPrinter = false;
    ctx.shell.enable({CommandId::SaveMarkChanges, CommandId::SaveMarkAs}, true);
    showMarkStatus(ctx, loadedMarkStatus(path));
    redrawPreview(state);
    return true;
}

void newMark(Context& ctx, MarkState& state, const QString& workingFolder) {
    if (!saveFile(ctx, workingFolder, kTemplateName, newMarkTemplate()))
        return;
    if (loadMarkFile(ctx, state, workingFolder, kTemplateName))
        ctx.shell.enable(CommandId::SaveMarkChanges, false);
}

void openMarkFile(Context& ctx, MarkState& state, const QString& workingFolder) {
    const QString path =
        ctx.dialogs.openFileName(QStringLiteral("ОТКРЫТЬ ФАЙЛ МАРКИ"),
                                 {QStringLiteral("Текстовые Марки (*.mrt)")}, workingFolder);
    loadMarkFile(ctx, state, workingFolder, path);
}

void saveMarkChanges(Context& ctx, MarkState& state, const QString& workingFolder) {
    if (state.currentFile.isEmpty())
        return;
    if (state.fromPrinter) {
        const int choice = ctx.dialogs.message(
            QStringLiteral("ПРЕДУПРЕЖДЕНИЕ"),
            QStringLiteral("Марка прочитана из Маркиратора.\n\rЗаменить ею файл '") +
                state.currentFile + QStringLiteral("'?"),
            platform::kWarningQuestion);
        if (choice != platform::kYes)
            return;
    }
    if (!saveFile(ctx, workingFolder, state.currentFile, writeMarkFile(state.table)))
        return;
    if (state.fromPrinter) {
        state.fromPrinter = false;
        showMarkStatus(ctx, savedMarkStatus(state.currentFile));
    }
}

void saveMarkAs(Context& ctx, MarkState& state, const QString& workingFolder) {
    const QString answer =
        ctx.dialogs.saveFileName(QStringLiteral("Сохранить Файл Марки как.."),
                                 {QStringLiteral("Файлы Текстовых Марок (*.mrt)")}, workingFolder,
                                 QStringLiteral("mark.mrt"));
    if (answer.isEmpty()) {
        state.currentFile.clear();
        return;
    }
    const QString path = withMarkExtension(answer);
    const QFileInfo existing(inFolder(workingFolder, path));
    if (existing.exists() && existing.size() > 0) {
        const int choice = ctx.dialogs.message(
            QStringLiteral("ПРЕДУПРЕЖДЕНИЕ"),
            QStringLiteral("Файл '") + path + QStringLiteral("' уже существует. Перезаписать?"),
            platform::kWarningQuestion);
        if (choice != platform::kYes)
            return;
    }
    if (!saveFile(ctx, workingFolder, path, writeMarkFile(state.table)))
        return;
    state.currentFile = path;
    state.fromPrinter = false;
    showMarkStatus(ctx, savedMarkStatus(path));
}

} // namespace nimbrel::session
