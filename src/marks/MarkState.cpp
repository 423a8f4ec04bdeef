#include "marks/MarkState.h"

#include "marks/MarkPreview.h"

#include <QGuiApplication>

namespace nimbrel::marks {

namespace {

constexpr int kFontEntries = 16;

} // namespace

MarkState::MarkState() : preview(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32) {
    preview.fill(Qt::white);
}

FragmentEdit MarkState::fragmentEdit() const {
    return {selectedFragment, editor.typeText, editor.fontText, editor.text};
}

void redrawPreview(MarkState& state) {
    // Text needs the GUI application's fonts; a program without one (a console tool, a
    // test of the transfers) has no preview to show.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    state.preview = renderPreview(state.table);
    ++state.previewRevision;
}

void loadRowIntoEditor(MarkState& state, int row) {
    if (row < 0 || row >= kRows)
        return;
    const MarkTable& t = state.table;
    state.selectedRow = row;
    state.selectedFragment = t.cell(row, MarkTable::kLabel);
    state.editor.typeText = t.cell(row, MarkTable::kType);
    const QString font = t.cell(row, MarkTable::kFont);
    const int number = fontNumber(font);
    state.editor.fontIndex = number >= 0 && number < kFontEntries ? number : -1;
    // The cell goes into the list's text unchanged (" 05" shows as "Шрифт# 05"); only the
    // last two characters are ever read back.
    state.editor.fontText = fontText(font);
    state.editor.text = t.cell(row, MarkTable::kText);
}

void selectRow(MarkState& state, int row) {
    if (row == state.selectedRow)
        return;
    if (row < 0 || row >= kRows) {
        state.selectedRow = -1;
        return;
    }
    loadRowIntoEditor(state, row);
}

void applyEditorToRow(MarkState& state) {
    const int row = state.selectedRow;
    if (row < 0 || row >= kRows)
        return;
    state.table.setFragment(row, state.editor.typeText,
                            QStringLiteral(" ") + state.editor.fontText.right(2),
                            state.editor.text.left(kMaxFragmentText));
    redrawPreview(state);
}

} // namespace nimbrel::marks
