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
    // Only the last two characters of the list's text are ever read; the list shows an
    // entry's form ("Шрифт#05" for " 05" and " #05" alike).
    state.editor.fontText = QStringLiteral("Шрифт#") + font.right(2);
    state.editor.text = t.cell(row, MarkTable::kText);
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
