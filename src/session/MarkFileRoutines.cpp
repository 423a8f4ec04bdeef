#include "session/MarkRoutines.h"

#include "marks/MarkFile.h"
#include "platform/AtomicFile.h"
#include "session/Talk.h"

#include <QCoreApplication>
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
    ctx.dialogs.message(
        errorTitle(),
        QCoreApplication::translate("MarkFileRoutines", "Не удалось записать файл '%1'!").arg(path),
        platform::kError);
    return false;
}

QString warningTitle() {
    return QCoreApplication::translate("MarkFileRoutines", "ПРЕДУПРЕЖДЕНИЕ");
}

void showMarkStatus(Context& ctx, std::function<QString()> make) {
    ctx.shell.showMarkStatus(std::move(make));
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
            errorTitle(),
            QCoreApplication::translate("MarkFileRoutines", "Не удалось открыть файл '%1'!")
                .arg(path),
            platform::kError);
        return false;
    }
    const ParsedMarkFile parsed = parseMarkFile(file.read(kMostBytesRead));
    file.close();
    applyParsedRows(parsed, state.table);
    if (state.selectedRow >= 0)
        loadRowIntoEditor(state, state.selectedRow);
    if (parsed.badLine) {
        ctx.dialogs.message(errorTitle(),
                            QCoreApplication::translate("MarkFileRoutines",
                                                        "ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!"),
                            platform::kError);
        return false;
    }
    state.currentFile = path;
    state.fromPrinter = false;
    ctx.shell.enable({CommandId::SaveMarkChanges, CommandId::SaveMarkAs}, true);
    showMarkStatus(ctx, [path] { return loadedMarkStatus(path); });
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
    const QString path = ctx.dialogs.openFileName(
        QCoreApplication::translate("MarkFileRoutines", "ОТКРЫТЬ ФАЙЛ МАРКИ"),
        {QCoreApplication::translate("MarkFileRoutines", "Текстовые Марки (*.mrt)")},
        workingFolder);
    loadMarkFile(ctx, state, workingFolder, path);
}

void saveMarkChanges(Context& ctx, MarkState& state, const QString& workingFolder) {
    if (state.currentFile.isEmpty())
        return;
    if (state.fromPrinter) {
        const int choice = ctx.dialogs.message(
            warningTitle(),
            QCoreApplication::translate("MarkFileRoutines",
                                        "Марка прочитана из Маркиратора.\n\rЗаменить ею файл '%1'?")
                .arg(state.currentFile),
            platform::kWarningQuestion);
        if (choice != platform::kYes)
            return;
    }
    if (!saveFile(ctx, workingFolder, state.currentFile, writeMarkFile(state.table)))
        return;
    if (state.fromPrinter) {
        state.fromPrinter = false;
        showMarkStatus(ctx, [path = state.currentFile] { return savedMarkStatus(path); });
    }
}

void saveMarkAs(Context& ctx, MarkState& state, const QString& workingFolder) {
    const QString answer = ctx.dialogs.saveFileName(
        QCoreApplication::translate("MarkFileRoutines", "Сохранить Файл Марки как.."),
        {QCoreApplication::translate("MarkFileRoutines", "Файлы Текстовых Марок (*.mrt)")},
        workingFolder, QStringLiteral("mark.mrt"));
    if (answer.isEmpty()) {
        state.currentFile.clear();
        return;
    }
    const QString path = withMarkExtension(answer);
    const QFileInfo existing(inFolder(workingFolder, path));
    if (existing.exists() && existing.size() > 0) {
        const int choice =
            ctx.dialogs.message(warningTitle(),
                                QCoreApplication::translate(
                                    "MarkFileRoutines", "Файл '%1' уже существует. Перезаписать?")
                                    .arg(path),
                                platform::kWarningQuestion);
        if (choice != platform::kYes)
            return;
    }
    if (!saveFile(ctx, workingFolder, path, writeMarkFile(state.table)))
        return;
    state.currentFile = path;
    state.fromPrinter = false;
    showMarkStatus(ctx, [path] { return savedMarkStatus(path); });
}

} // namespace nimbrel::session
