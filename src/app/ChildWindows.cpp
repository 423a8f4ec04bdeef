#include "app/ChildWindows.h"

#include "app/Icons.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace nimbrel::app {

namespace {

// Controls sit at fixed positions on a canvas above the status bar.
QWidget* makeCanvas(QWidget* owner, QStatusBar** bar) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* canvas = new QWidget(owner);
    layout->addWidget(canvas, 1);
    *bar = new QStatusBar(owner);
    (*bar)->setSizeGripEnabled(false);
    layout->addWidget(*bar);
    return canvas;
}

QScrollArea* makeScrollArea(QWidget* parent, QRect geometry, QLabel* picture, QSize inner) {
    auto* area = new QScrollArea(parent);
    area->setGeometry(geometry);
    auto* innerWidget = new QWidget;
    innerWidget->setFixedSize(inner);
    innerWidget->setAutoFillBackground(true);
    picture->setParent(innerWidget);
    area->setWidget(innerWidget);
    area->horizontalScrollBar()->setSingleStep(160);
    area->verticalScrollBar()->setSingleStep(160);
    return area;
}

} // namespace

StatusFields::StatusFields(QStatusBar* bar, const std::vector<int>& widths) {
    for (int w : widths) {
        auto* label = new QLabel(bar);
        label->setFixedWidth(w);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(3);
        bar->addWidget(label);
        m_fields.push_back(label);
    }
}

void StatusFields::setText(int field, const QString& text) {
    if (m_fields.at(field)->text() != text)
        m_fields.at(field)->setText(text);
}

void StatusFields::setIcon(int field, link::LinkIcon icon) {
    QLabel* label = m_fields.at(field);
    const QVariant key = static_cast<int>(icon);
    if (label->property("icon") == key)
        return;
    label->setProperty("icon", key);
    label->setPixmap(linkIconPixmap(icon));
}

QString StatusFields::text(int field) const {
    return m_fields.at(field)->text();
}

MarkWindow::MarkWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("ТЕКСТ МАРКИ\t(Ctrl+M)"));
    setWindowIcon(markWindowIcon());
    QStatusBar* bar = nullptr;
    QWidget* canvas = makeCanvas(this, &bar);

    m_table = new QTableView(canvas);
    m_table->setObjectName(QStringLiteral("markTable"));
    m_table->setGeometry(20, 15, 760, 350);

    m_typeList = new QComboBox(canvas);
    m_typeList->setGeometry(25, 390, 110, 20);
    m_typeList->addItems({QStringLiteral("Текст"), QStringLiteral("Номер"),
                          QStringLiteral("Дата/Время"), QStringLiteral("Графика"),
                          QStringLiteral("ПостДата"), QStringLiteral("ШтрихКод EAN")});
    m_typeList->setCurrentIndex(0);

    m_fontList = new QComboBox(canvas);
    m_fontList->setGeometry(150, 390, 90, 20);
    for (int i = 0; i < 16; ++i)
        m_fontList->addItem(QStringLiteral("Шрифт#%1").arg(i, 2, 10, QLatin1Char('0')));
    m_fontList->setCurrentIndex(2);

    m_textField = new QLineEdit(canvas);
    m_textField->setGeometry(255, 388, 420, 25);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(10);
    m_textField->setFont(courier);
    m_textField->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: rgb(255, 255, 187); color: black; }"));

    m_changeButton = new QPushButton(QStringLiteral("ИЗМЕНИТЬ"), canvas);
    m_changeButton->setGeometry(695, 380, 80, 40);

    m_preview = new QLabel;
    m_preview->setGeometry(5, 5, 8192, 85);
    QImage strip(8192, 80, QImage::Format_RGB32);
    strip.fill(Qt::white);
    m_preview->setPixmap(QPixmap::fromImage(strip));
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_previewArea = makeScrollArea(canvas, QRect(15, 430, 770, 110), m_preview, QSize(8192, 85));

    m_status = std::make_unique<StatusFields>(bar, std::vector<int>{460, 23, 150, 130});
}

void MarkWindow::render(const link::ShellState& shell) {
    m_status->setText(0, shell.markStatus);
    m_status->setIcon(1, shell.markLinkIcon);
    m_status->setText(2, shell.portText);
    m_status->setText(3, shell.pcDateTime);
}

GraphicsWindow::GraphicsWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("ГРАФИКА\t(Ctrl+G)"));
    setWindowIcon(graphicsWindowIcon());
    QStatusBar* bar = nullptr;
    QWidget* canvas = makeCanvas(this, &bar);

    m_editor = new QLabel;
    m_editor->setObjectName(QStringLiteral("logoEditor"));
    m_editor->setGeometry(10, 10, 8192, 330);
    m_editor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_editorArea = makeScrollArea(canvas, QRect(10, 10, 780, 360), m_editor, QSize(8192, 330));

    m_logo = new QLabel(canvas);
    m_logo->setObjectName(QStringLiteral("logoPicture"));
    m_logo->setGeometry(10, 405, 780, 32);
    m_logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_status = std::make_unique<StatusFields>(bar, std::vector<int>{360, 80, 110, 23, 150});
}

void GraphicsWindow::render(const link::ShellState& shell) {
    m_status->setText(0, shell.pictureStatus);
    m_status->setText(1, shell.cursorStatus);
    m_status->setText(2, shell.sizeStatus);
    m_status->setIcon(3, shell.graphicsLinkIcon);
    m_status->setText(4, shell.portText);
}

} // namespace nimbrel::app
