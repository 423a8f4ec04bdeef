#include "app/PictureConversionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace nimbrel::app {

namespace {

constexpr int kHeights[] = {8, 16, 24, 32};
// Wide enough for a 780-dot strip, as the graphics window shows the logo.
constexpr int kPreviewWidth = 800;
constexpr int kGridPreviewHeight = 10 * logos::kMaxLogoHeight + 1;

QString heightText(int dots) {
    // Russian agrees the noun with the number: 24 and 32 "точки", 8 and 16 "точек".
    const int last = dots % 10;
    const bool few = last >= 2 && last <= 4 && (dots % 100 < 12 || dots % 100 > 14);
    return few ? QCoreApplication::translate("PictureConversionDialog", "%1 точки").arg(dots)
               : QCoreApplication::translate("PictureConversionDialog", "%1 точек").arg(dots);
}

QScrollArea* previewArea(QLabel* picture, int height) {
    auto* area = new QScrollArea;
    area->setWidget(picture);
    area->setWidgetResizable(false);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setBackgroundRole(QPalette::NoRole);
    area->setStyleSheet(QStringLiteral("QScrollArea { background: rgb(230, 230, 240); }"));
    area->setMinimumWidth(kPreviewWidth);
    area->setFixedHeight(height);
    return area;
}

} // namespace

QImage PictureConversionDialog::gridPreview(const logos::ConvertedLogo& converted) {
    using namespace logos;
    QImage out(kCellPitch * std::max(converted.width, 1) + 1,
               kCellPitch * std::max(converted.height, 1) + 1, QImage::Format_RGB32);
    out.fill(kGridLineColour);
    for (int y = 0; y < converted.height; ++y)
        for (int x = 0; x < converted.width; ++x) {
            const QRgb colour = converted.dark(x, y) ? kDarkColour : kLightCellColour;
            for (int row = 0; row < kCellBox; ++row) {
                auto* line = reinterpret_cast<QRgb*>(out.scanLine(kCellPitch * y + 1 + row));
                std::fill(line + kCellPitch * x + 1, line + kCellPitch * x + 1 + kCellBox, colour);
            }
        }
    return out;
}

PictureConversionDialog::PictureConversionDialog(const QImage& picture, const QString& pictureName,
                                                 QWidget* parent)
    : QDialog(parent), m_picture(picture) {
    setWindowTitle(QCoreApplication::translate("PictureConversionDialog",
                                               "Преобразование картинки в логотип"));
    setObjectName(QStringLiteral("pictureConversion"));

    auto* source = new QLabel(
        QCoreApplication::translate("PictureConversionDialog", "Картинка: %1, %2 x %3 точек")
            .arg(pictureName, QString::number(picture.width()), QString::number(picture.height())));
    source->setObjectName(QStringLiteral("source"));

    m_height = new QComboBox;
    m_height->setObjectName(QStringLiteral("height"));
    for (int dots : kHeights)
        m_height->addItem(heightText(dots), dots);
    const int automatic = logos::autoHeight(picture.height());
    m_height->setCurrentIndex(m_height->findData(automatic));

    m_autoThreshold = new QCheckBox(
        QCoreApplication::translate("PictureConversionDialog", "автоматически (метод Оцу)"));
    m_autoThreshold->setObjectName(QStringLiteral("autoThreshold"));
    m_autoThreshold->setChecked(true);
    m_threshold = new QSlider(Qt::Horizontal);
    m_threshold->setObjectName(QStringLiteral("threshold"));
    m_threshold->setRange(0, 255);
    m_threshold->setValue(128);
    m_threshold->setEnabled(false);
    m_threshold->setMinimumWidth(256);
    m_thresholdValue = new QLabel;
    m_thresholdValue->setObjectName(QStringLiteral("thresholdValue"));
    m_thresholdValue->setMinimumWidth(
        m_thresholdValue->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 4);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(m_autoThreshold);
    thresholdRow->addWidget(m_threshold, 1);
    thresholdRow->addWidget(m_thresholdValue);

    m_dithering = new QComboBox;
    m_dithering->setObjectName(QStringLiteral("dithering"));
    m_dithering->addItem(
        QCoreApplication::translate("PictureConversionDialog", "нет (только порог)"));
    m_dithering->addItem(
        QCoreApplication::translate("PictureConversionDialog", "Флойда – Стейнберга"));

    m_invert = new QCheckBox(QCoreApplication::translate("PictureConversionDialog",
                                                         "Инвертировать (светлое станет тёмным)"));
    m_invert->setObjectName(QStringLiteral("invert"));
    m_transparentLight = new QCheckBox(QCoreApplication::translate(
        "PictureConversionDialog", "Прозрачные места считать светлыми"));
    m_transparentLight->setObjectName(QStringLiteral("transparentLight"));
    m_transparentLight->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("PictureConversionDialog", "Высота логотипа:"),
                 m_height);
    form->addRow(QCoreApplication::translate("PictureConversionDialog", "Порог яркости:"),
                 thresholdRow);
    form->addRow(QCoreApplication::translate("PictureConversionDialog", "Растрирование:"),
                 m_dithering);
    form->addRow(QString(), m_invert);
    form->addRow(QString(), m_transparentLight);

    m_naturalPreview = new QLabel;
    m_naturalPreview->setObjectName(QStringLiteral("naturalPreview"));
    m_gridPreview = new QLabel;
    m_gridPreview->setObjectName(QStringLiteral("gridPreview"));
    m_gridArea = previewArea(m_gridPreview, kGridPreviewHeight + 24);
    m_dotCount = new QLabel;
    m_dotCount->setObjectName(QStringLiteral("dotCount"));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(
        QCoreApplication::translate("PictureConversionDialog", "Загрузить в редактор"),
        QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QCoreApplication::translate("PictureConversionDialog", "Отмена"),
                           QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("PictureConversionDialog", "Логотип в натуральную величину:")));
    layout->addWidget(previewArea(m_naturalPreview, logos::kMaxLogoHeight + 30));
    layout->addWidget(new QLabel(
        QCoreApplication::translate("PictureConversionDialog", "Логотип в сетке редактора:")));
    layout->addWidget(m_gridArea);
    layout->addWidget(m_dotCount);
    layout->addWidget(buttons);

    connect(m_height, &QComboBox::currentIndexChanged, this, &PictureConversionDialog::convert);
    connect(m_dithering, &QComboBox::currentIndexChanged, this, &PictureConversionDialog::convert);
    connect(m_threshold, &QSlider::valueChanged, this, &PictureConversionDialog::convert);
    for (QCheckBox* box : {m_autoThreshold, m_invert, m_transparentLight})
        connect(box, &QCheckBox::toggled, this, &PictureConversionDialog::convert);
    connect(m_autoThreshold, &QCheckBox::toggled, this,
            [this](bool automatic) { m_threshold->setEnabled(!automatic); });
    convert();
}

logos::ConversionOptions PictureConversionDialog::options() const {
    logos::ConversionOptions out;
    out.height = m_height->currentData().toInt();
    out.threshold = m_autoThreshold->isChecked() ? logos::kAutoThreshold : m_threshold->value();
    out.dithering = m_dithering->currentIndex() == 1 ? logos::Dithering::FloydSteinberg
                                                     : logos::Dithering::None;
    out.invert = m_invert->isChecked();
    out.transparentAsLight = m_transparentLight->isChecked();
    return out;
}

void PictureConversionDialog::convert() {
    m_result = logos::convertPicture(m_picture, options());
    if (!m_result.ok()) {
        m_naturalPreview->clear();
        m_gridPreview->clear();
        m_dotCount->setText(m_result.error);
        return;
    }
    if (m_autoThreshold->isChecked()) {
        // The slider follows Otsu's choice, so switching to manual starts from it.
        const QSignalBlocker quiet(m_threshold);
        m_threshold->setValue(m_result.threshold);
    }
    m_thresholdValue->setText(QString::number(m_result.threshold));
    m_naturalPreview->setPixmap(QPixmap::fromImage(m_result.image()));
    m_naturalPreview->adjustSize();
    m_gridPreview->setPixmap(QPixmap::fromImage(gridPreview(m_result)));
    m_gridPreview->adjustSize();
    QString count = QCoreApplication::translate("PictureConversionDialog",
                                                "Размер логотипа: %1 x %2 точек, тёмных точек: %3")
                        .arg(m_result.width)
                        .arg(m_result.height)
                        .arg(m_result.darkCount());
    if (m_result.narrowed)
        count += QCoreApplication::translate("PictureConversionDialog",
                                             " (картинка сжата по ширине до %1 точек)")
                     .arg(m_result.width);
    m_dotCount->setText(count);
}

} // namespace nimbrel::app
