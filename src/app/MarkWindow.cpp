#include "app/MarkWindow.h"

#include "app/Icons.h"
#include "marks/Ean13.h"
#include "marks/FragmentTypes.h"
#include "session/Session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QValidator>

namespace nimbrel::app {

namespace {

constexpr int kFontEntries = 16;
constexpr int kRowHeight = 20;
constexpr int kListPointSize = 8;

// Takes out, as they are typed or pasted, the characters a fragment text cannot hold (a
// barcode's: anything but digits), and tells which ones.
class FragmentTextValidator final : public QValidator {
public:
    FragmentTextValidator(QObject* parent, std::function<bool()> barcode,
                          std::function<void(const QString&)> onRefused)
        : QValidator(parent), m_barcode(std::move(barcode)), m_onRefused(std::move(onRefused)) {}

    State validate(QString& input, int& pos) const override {
        const auto keep = m_barcode() ? marks::keepEanDigits : marks::keepFragmentCharacters;
        QString refused;
        const QString kept = keep(input, &refused);
        if (refused.isEmpty())
            return Acceptable;
        pos = static_cast<int>(keep(input.left(pos), nullptr).size());
        input = kept;
        m_onRefused(refused);
        return Acceptable;
    }

private:
    std::function<bool()> m_barcode;
    std::function<void(const QString&)> m_onRefused;
};

// A list whose text may be one no entry has ("?" from a printer read, "Шрифт# 02" after a
// row click): editable for showing, read-only for typing.
void makeShowingList(QComboBox* list, QObject* filter) {
    // The lists are as narrow as on the operator's PC, whose interface font is smaller.
    QFont font = list->font();
    font.setPointSize(kListPointSize);
    list->setFont(font);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setReadOnly(true);
    list->lineEdit()->installEventFilter(filter);
}

void showText(QComboBox* list, int index, const QString& text) {
    if (list->currentIndex() != index)
        list->setCurrentIndex(index);
    if (list->currentText() != text) {
        list->setEditText(text);
        // A text wider than the list shows its beginning, as a drop-down list does.
        list->lineEdit()->setCursorPosition(0);
    }
}

// The editor keeps a font as the Russian list words it ("Шрифт#05", "Шрифт# 05" after a row
// click); the list shows it in the language in use.
const QString kFontWord = QStringLiteral("Шрифт#");

QString shownFontText(const QString& fontText) {
    if (!fontText.startsWith(kFontWord))
        return fontText;
    return marks::fontText(fontText.mid(kFontWord.size()));
}

QString printable(const QString& characters) {
    QString out;
    for (QChar c : characters)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            out += c;
    return out;
}

} // namespace

MarkWindow::MarkWindow(QWidget* parent) : QWidget(parent) {
    setWindowIcon(markWindowIcon());
    QStatusBar* bar = nullptr;
    QWidget* canvas = makeCanvas(this, &bar);
    m_canvas = canvas;
    canvas->installEventFilter(this);

    m_table = new QTableView(canvas);
    m_table->setObjectName(QStringLiteral("markTable"));
    m_table->setGeometry(20, 15, 760, 350);
    // The 90-pixel type column must hold "ШтрихКод EAN" whole.
    QFont tableFont = m_table->font();
    tableFont.setPointSize(8);
    m_table->setFont(tableFont);

    m_typeList = new QComboBox(canvas);
    m_typeList->setGeometry(25, 390, 110, 20);

    m_fontList = new QComboBox(canvas);
    m_fontList->setGeometry(150, 390, 90, 20);

    m_textField = new QLineEdit(canvas);
    m_textField->setGeometry(255, 388, 420, 25);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(10);
    m_textField->setFont(courier);
    m_textField->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: rgb(255, 255, 187); color: black; }"));

    m_changeButton = new QPushButton(canvas);
    m_changeButton->setGeometry(695, 380, 80, 40);
    retranslate();
    m_typeList->setCurrentIndex(0);
    m_fontList->setCurrentIndex(2);

    m_preview = new QLabel;
    m_preview->setGeometry(5, 5, 8192, 85);
    QImage strip(8192, 80, QImage::Format_RGB32);
    strip.fill(Qt::white);
    m_preview->setPixmap(QPixmap::fromImage(strip));
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_previewArea = makeScrollArea(canvas, QRect(15, 430, 770, 110), m_preview, QSize(8192, 85));

    m_status = std::make_unique<StatusFields>(bar, std::vector<int>{460, 23, 150, 130});

    m_noteTimer.setSingleShot(true);
    m_noteTimer.setInterval(kNoteMs);
    connect(&m_noteTimer, &QTimer::timeout, this, [this] {
        m_note.clear();
        renderStatusNote();
    });
}

void MarkWindow::retranslate() {
    setWindowTitle(QCoreApplication::translate("MarkWindow", "ТЕКСТ МАРКИ\t(Ctrl+M)"));
    m_changeButton->setText(QCoreApplication::translate("MarkWindow", "ИЗМЕНИТЬ"));
    // The lists are filled anew; the editor's type and font are shown again from the mark.
    const QSignalBlocker quietTypes(m_typeList);
    const QSignalBlocker quietFonts(m_fontList);
    const int type = m_typeList->currentIndex();
    const int font = m_fontList->currentIndex();
    m_typeList->clear();
    for (const QString& name : marks::typeNames())
        m_typeList->addItem(marks::shownTypeName(name), name);
    m_fontList->clear();
    for (int i = 0; i < kFontEntries; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        m_fontList->addItem(shownFontText(kFontWord + number), kFontWord + number);
    }
    m_typeList->setCurrentIndex(type);
    m_fontList->setCurrentIndex(font);
    renderMarks();
}

void MarkWindow::bind(Session& session) {
    m_marks = &session.marks;
    bindTable();
    bindEditor();
    renderMarks();
}

void MarkWindow::bindTable() {
    m_table->setModel(&m_marks->table);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = m_table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    const auto& widths = marks::MarkTable::columnWidths();
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        header->resizeSection(c, widths[c]);

    // The selection stays visible while the focus is elsewhere (in the editor controls).
    QPalette palette = m_table->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_table->setPalette(palette);

    connect(m_table, &QTableView::clicked, this,
            [this](const QModelIndex& index) { rowClicked(index.row()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = m_table->selectionModel()->selectedRows();
        const int row = rows.isEmpty() ? -1 : rows.first().row();
        if (row == m_marks->selectedRow)
            return;
        marks::selectRow(*m_marks, row);
        renderMarks();
    });
}

void MarkWindow::bindEditor() {
    makeShowingList(m_typeList, this);
    makeShowingList(m_fontList, this);
    connect(m_typeList, &QComboBox::activated, this, [this](int index) {
        m_marks->editor.typeText = m_typeList->itemData(index).toString();
        renderStatusNote();
    });
    connect(m_fontList, &QComboBox::activated, this, [this](int index) {
        m_marks->editor.fontIndex = index;
        m_marks->editor.fontText = m_fontList->itemData(index).toString();
    });
    m_textField->setValidator(new FragmentTextValidator(
        m_textField, [this] { return barcode(); },
        [this](const QString& characters) { refused(characters); }));
    connect(m_textField, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_marks->editor.text = text;
        renderStatusNote();
    });
    connect(m_textField, &QLineEdit::returnPressed, this, [this] { completeBarcode(); });
    connect(m_changeButton, &QPushButton::clicked, this, [this] { change(); });
}

bool MarkWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Resize)
        fitToCanvas();
    // The lists show their text in a read-only field; a click there opens the list as on
    // any drop-down list.
    if (event->type() == QEvent::MouseButtonPress) {
        for (QComboBox* list : {m_typeList, m_fontList})
            if (watched == list->lineEdit()) {
                list->showPopup();
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void MarkWindow::fitToCanvas() {
    const QSize grow = canvasGrowth(m_canvas);
    m_table->resize(760 + grow.width(), 350 + grow.height());
    m_typeList->move(25, 390 + grow.height());
    m_fontList->move(150, 390 + grow.height());
    m_textField->setGeometry(255, 388 + grow.height(), 420 + grow.width(), 25);
    m_changeButton->move(695 + grow.width(), 380 + grow.height());
    m_previewArea->setGeometry(15, 430 + grow.height(), 770 + grow.width(), 110);
}

void MarkWindow::rowClicked(int row) {
    if (!m_marks)
        return;
    marks::loadRowIntoEditor(*m_marks, row);
    renderMarks();
}

bool MarkWindow::barcode() const {
    return m_marks && marks::isEanType(m_marks->editor.typeText);
}

// 12 digits of a barcode get their check digit.
void MarkWindow::completeBarcode() {
    if (!barcode())
        return;
    const QString completed = marks::completeEan13(m_marks->editor.text);
    if (completed == m_marks->editor.text)
        return;
    m_marks->editor.text = completed;
    m_textField->setText(completed);
    renderStatusNote();
}

void MarkWindow::change() {
    if (!m_marks)
        return;
    completeBarcode();
    marks::applyEditorToRow(*m_marks);
    renderMarks();
}

void MarkWindow::refused(const QString& characters) {
    const QString shown = printable(characters);
    if (barcode())
        m_note = shown.isEmpty() ? QCoreApplication::translate(
                                       "MarkWindow", "Управляющие знаки в штрихкоде не допускаются")
                                 : marks::eanRefusedText(shown);
    else
        m_note = shown.isEmpty()
                     ? QCoreApplication::translate(
                           "MarkWindow", "Управляющие знаки в тексте фрагмента не допускаются")
                     : QCoreApplication::translate(
                           "MarkWindow", "Знаки «%1» не приняты: их нет в кодировке Windows-1251")
                           .arg(shown);
    m_noteTimer.start();
    renderStatusNote();
}

void MarkWindow::render(const session::ShellState& shell) {
    m_markStatus = shell.markStatus;
    renderStatusNote();
    m_status->setIcon(1, shell.markLinkIcon);
    m_status->setText(2, shell.portText);
    m_status->setText(3, shell.pcDateTime);
    renderMarks();
}

void MarkWindow::renderStatusNote() {
    QString text = m_note;
    // A barcode being typed: how many digits, its check digit.
    if (text.isEmpty() && barcode())
        text = marks::eanStatusText(m_marks->editor.text);
    m_status->setText(0, text.isEmpty() ? m_markStatus : text);
}

void MarkWindow::renderMarks() {
    if (!m_marks)
        return;
    marks::MarkState& state = *m_marks;
    if (state.previewRevision != m_shownPreview) {
        m_preview->setPixmap(QPixmap::fromImage(state.preview));
        m_shownPreview = state.previewRevision;
    }

    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    const int shownRow = rows.isEmpty() ? -1 : rows.first().row();
    if (state.selectedRow != shownRow) {
        if (state.selectedRow < 0)
            m_table->clearSelection();
        else
            m_table->selectRow(state.selectedRow);
    }

    const marks::FragmentEditor& editor = state.editor;
    // A type the list has shows as the list words it; any other text ("?") as it is.
    const int type = static_cast<int>(marks::typeNames().indexOf(editor.typeText));
    showText(m_typeList, type, type < 0 ? editor.typeText : m_typeList->itemText(type));
    showText(m_fontList, editor.fontIndex, shownFontText(editor.fontText));
    if (m_textField->text() != editor.text) {
        m_textField->setText(editor.text);
        // The field refuses what a fragment cannot hold, also from a table cell.
        m_marks->editor.text = m_textField->text();
    }
    renderStatusNote();
}

} // namespace nimbrel::app
