#pragma once

#include "marks/FragmentRecord.h"
#include "marks/MarkTable.h"

#include <QImage>

namespace nimbrel::marks {

// The fragment editor controls under the table, as texts: the type list, the font list, the
// text field. The mark window shows them and writes back what the user changes.
struct FragmentEditor {
    QString typeText = QStringLiteral("Текст");
    int fontIndex = 2; // the entry selected in the font list, -1 for none
    QString fontText = QStringLiteral("Шрифт#02");
    QString text;
};

// Everything the mark commands and the mark window share.
struct MarkState {
    MarkState();

    MarkTable table;
    int selectedRow = -1; // the table's selection
    // The label of the row last clicked; the fragment write addresses it.
    QString selectedFragment = QStringLiteral("00");
    FragmentEditor editor;
    // The file "Сохранить Изменения" writes; empty: none.
    QString currentFile;
    // The table holds a mark read from the printer, not the current file's content.
    bool fromPrinter = false;
    QImage preview;
    // Counts the redraws, so the window converts the image only when it changed.
    int previewRevision = 0;

    // The editor's content in the form the fragment write takes.
    FragmentEdit fragmentEdit() const;
};

// Draws the preview strip anew from the table.
void redrawPreview(MarkState& state);

// The row click: remembers the row's label and loads its cells into the editor.
void loadRowIntoEditor(MarkState& state, int row);

// A new selection (arrow keys, a read): the editor follows it, so "ИЗМЕНИТЬ" never writes one
// row's editor into another. -1 clears the selection.
void selectRow(MarkState& state, int row);

// "ИЗМЕНИТЬ": writes the editor into the selected row (the text cut to what a fragment
// holds) and redraws the preview. Nothing happens without a selected row.
void applyEditorToRow(MarkState& state);

} // namespace nimbrel::marks
