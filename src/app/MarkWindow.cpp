#include "app/MarkWindow.h"

#include "app/Icons.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>

namespace nimbrel::app {

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

void MarkWindow::bind(Session& session, std::function<void(int)> run) {
    (void)session;
    (void)run;
}

void MarkWindow::render(const link::ShellState& shell) {
    m_status->setText(0, shell.markStatus);
    m_status->setIcon(1, shell.markLinkIcon);
    m_status->setText(2, shell.portText);
    m_status->setText(3, shell.pcDateTime);
}

} // namespace nimbrel::app
