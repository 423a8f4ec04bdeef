#pragma once

#include "marks/FragmentTypes.h"

#include <QAbstractTableModel>
#include <array>

namespace nimbrel::marks {

// The cells of one table row besides its position label.
struct FragmentCells {
    QString type; // a type name, or what a loader wrote for an unknown code
    QString font; // " 02", " #02", " 017"
    QString text;
    QString free;
};

// The mark being edited: 32 rows (one per fragment) of five text columns. The rows are never
// added or removed; operations replace their cells.
class MarkTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int { kLabel = 0, kType = 1, kFont = 2, kText = 3, kFree = 4, kColumns = 5 };

    explicit MarkTable(QObject* parent = nullptr);

    // The content at start: every row "Текст", " 02", empty text, "44".
    void reset();

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // Type, font, text and the free count that goes with the text.
    void setFragment(int row, const QString& type, const QString& font, const QString& text);
    void setCells(int row, const FragmentCells& cells);
    FragmentCells cells(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Column widths in pixels, by column.
    static const std::array<int, kColumns>& columnWidths();

private:
    std::array<std::array<QString, kColumns>, kRows> m_cells;
    // The per-row check box: kept, shown, used by nothing.
    std::array<bool, kRows> m_checked{};
};

} // namespace nimbrel::marks
