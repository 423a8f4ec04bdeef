#include "marks/MarkTable.h"

#include "marks/Ean13.h"

#include <QColor>
#include <QCoreApplication>

namespace nimbrel::marks {

namespace {

bool validCell(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < MarkTable::kColumns;
}

} // namespace

MarkTable::MarkTable(QObject* parent) : QAbstractTableModel(parent) {
    for (int row = 0; row < kRows; ++row)
        m_cells[row][kLabel] = positionLabel(row);
    reset();
}

void MarkTable::reset() {
    for (int row = 0; row < kRows; ++row)
        setFragment(row, typeNames().first(), QStringLiteral(" 02"), QString());
}

QString MarkTable::cell(int row, int column) const {
    return validCell(row, column) ? m_cells[row][column] : QString();
}

void MarkTable::setCell(int row, int column, const QString& text) {
    if (!validCell(row, column) || m_cells[row][column] == text)
        return;
    m_cells[row][column] = text;
    const QModelIndex at = index(row, column);
    // The type decides whether the text cell is marked as a faulty barcode.
    if (column == kType)
        emit dataChanged(at, index(row, kText),
                         {Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole});
    else
        emit dataChanged(at, at, {Qt::DisplayRole});
}

void MarkTable::setFragment(int row, const QString& type, const QString& font,
                            const QString& text) {
    setCells(row, {type, font, text, freeCountText(text.size())});
}

void MarkTable::setCells(int row, const FragmentCells& cells) {
    setCell(row, kType, cells.type);
    setCell(row, kFont, cells.font);
    setCell(row, kText, cells.text);
    setCell(row, kFree, cells.free);
}

FragmentCells MarkTable::cells(int row) const {
    return {cell(row, kType), cell(row, kFont), cell(row, kText), cell(row, kFree)};
}

int MarkTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int MarkTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant MarkTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !validCell(index.row(), index.column()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // The type cell keeps the name the file and the records are made from.
        if (index.column() == kType)
            return shownTypeName(m_cells[index.row()][kType]);
        return m_cells[index.row()][index.column()];
    case Qt::CheckStateRole:
        if (index.column() == kLabel)
            return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
    case Qt::ToolTipRole: {
        // A barcode that cannot print as a valid code is shown as it is, marked, and says why.
        if (index.column() != kText || !isEanType(m_cells[index.row()][kType]))
            return {};
        const QString problem = eanCellProblem(m_cells[index.row()][kText]);
        if (problem.isEmpty())
            return {};
        if (role == Qt::ToolTipRole)
            return problem;
        return QColor(Qt::red);
    }
    default:
        return {};
    }
}

bool MarkTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kLabel || role != Qt::CheckStateRole ||
        !validCell(index.row(), index.column()))
        return false;
    m_checked[index.row()] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant MarkTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const std::array<const char*, kColumns> kHeaders = {
        QT_TRANSLATE_NOOP("MarkTable", "Nфрг"), QT_TRANSLATE_NOOP("MarkTable", "Функция"),
        QT_TRANSLATE_NOOP("MarkTable", "Шрифт"),
        QT_TRANSLATE_NOOP("MarkTable", "    Текст Фрагмента"),
        QT_TRANSLATE_NOOP("MarkTable", "своб")};
    return QCoreApplication::translate("MarkTable", kHeaders[section]);
}

Qt::ItemFlags MarkTable::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == kLabel)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

const std::array<int, MarkTable::kColumns>& MarkTable::columnWidths() {
    static constexpr std::array<int, kColumns> kWidths = {50, 90, 50, 505, 40};
    return kWidths;
}

} // namespace nimbrel::marks
