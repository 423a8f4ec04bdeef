#include "app/PictureConversionDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using namespace nimbrel;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A horizontal grey ramp with a black bar: every threshold gives other dots.
QImage rampPicture() {
    QImage picture(256, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, x, x));
    QPainter(&picture).fillRect(0, 50, 256, 10, Qt::black);
    return picture;
}

template <typename T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QImage shown(QLabel* label) {
    return label->pixmap().toImage();
}

TEST(PictureConversionDialog, OpensWithThePicturesHeightAndOtsu) {
    app::PictureConversionDialog dialog(rampPicture(), u("ramp.png"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), u("Преобразование картинки в логотип"));
    EXPECT_EQ(child<QLabel>(&dialog, "source")->text(), u("Картинка: ramp.png, 256 x 60 точек"));
    auto* height = child<QComboBox>(&dialog, "height");
    ASSERT_EQ(height->count(), 4);
    EXPECT_EQ(height->itemText(0), u("8 точек"));
    EXPECT_EQ(height->itemText(2), u("24 точки"));
    EXPECT_EQ(height->itemText(1), u("16 точек"));
    EXPECT_EQ(height->currentText(), u("32 точки"));
    EXPECT_TRUE(child<QCheckBox>(&dialog, "autoThreshold")->isChecked());
    EXPECT_FALSE(child<QSlider>(&dialog, "threshold")->isEnabled());

    const logos::ConvertedLogo& result = dialog.converted();
    EXPECT_EQ(result.width, 137);
    EXPECT_EQ(result.height, 32);
    EXPECT_EQ(child<QLabel>(&dialog, "thresholdValue")->text(), QString::number(result.threshold));
    EXPECT_EQ(child<QSlider>(&dialog, "threshold")->value(), result.threshold);
    EXPECT_EQ(child<QLabel>(&dialog, "dotCount")->text(),
              u("Размер логотипа: 137 x 32 точек, тёмных точек: %1").arg(result.darkCount()));
    EXPECT_EQ(shown(child<QLabel>(&dialog, "naturalPreview")).size(), QSize(137, 32));
    EXPECT_EQ(shown(child<QLabel>(&dialog, "gridPreview")).size(), QSize(1371, 321));
}

TEST(PictureConversionDialog, MovingTheThresholdChangesThePreview) {
    app::PictureConversionDialog dialog(rampPicture(), u("ramp.png"));
    dialog.show();
    auto* slider = child<QSlider>(&dialog, "threshold");
    auto* grid = child<QLabel>(&dialog, "gridPreview");
    auto* natural = child<QLabel>(&dialog, "naturalPreview");
    child<QCheckBox>(&dialog, "autoThreshold")->setChecked(false);
    EXPECT_TRUE(slider->isEnabled());
    slider->setValue(50);
    const QImage gridAt50 = shown(grid);
    const QImage naturalAt50 = shown(natural);
    const int darkAt50 = dialog.converted().darkCount();
    EXPECT_EQ(dialog.converted().threshold, 50);
    EXPECT_EQ(child<QLabel>(&dialog, "thresholdValue")->text(), u("50"));

    slider->setValue(200);
    EXPECT_EQ(dialog.converted().threshold, 200);
    EXPECT_GT(dialog.converted().darkCount(), darkAt50);
    EXPECT_NE(shown(grid), gridAt50);
    EXPECT_NE(shown(natural), naturalAt50);
    EXPECT_EQ(dialog.options().threshold, 200);

    // Back to automatic: the slider is disabled again and the options say so.
    child<QCheckBox>(&dialog, "autoThreshold")->setChecked(true);
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(dialog.options().threshold, logos::kAutoThreshold);
}

TEST(PictureConversionDialog, OptionsFollowTheControls) {
    app::PictureConversionDialog dialog(rampPicture(), u("ramp.png"));
    child<QComboBox>(&dialog, "height")->setCurrentIndex(1);
    child<QComboBox>(&dialog, "dithering")->setCurrentIndex(1);
    child<QCheckBox>(&dialog, "invert")->setChecked(true);
    child<QCheckBox>(&dialog, "transparentLight")->setChecked(false);
    const logos::ConversionOptions options = dialog.options();
    EXPECT_EQ(options.height, 16);
    EXPECT_EQ(options.dithering, logos::Dithering::FloydSteinberg);
    EXPECT_TRUE(options.invert);
    EXPECT_FALSE(options.transparentAsLight);
    EXPECT_EQ(dialog.converted().height, 16);
    EXPECT_EQ(dialog.converted().width, 68);
    // The dialog's result is the pure conversion with those options.
    EXPECT_EQ(dialog.converted().dots, logos::convertPicture(rampPicture(), options).dots);
}

TEST(PictureConversionDialog, GridPreviewDrawsTheEditorsBoxes) {
    logos::ConvertedLogo c;
    c.width = 2;
    c.height = 8;
    c.dots.assign(16, 0);
    c.dots[1] = 1; // dot (1, 0)
    const QImage grid = app::PictureConversionDialog::gridPreview(c);
    ASSERT_EQ(grid.size(), QSize(21, 81));
    EXPECT_EQ(grid.pixel(0, 0), qRgb(220, 220, 220));
    EXPECT_EQ(grid.pixel(10, 5), qRgb(220, 220, 220));
    EXPECT_EQ(grid.pixel(1, 1), qRgb(200, 200, 210));
    EXPECT_EQ(grid.pixel(9, 9), qRgb(200, 200, 210));
    EXPECT_EQ(grid.pixel(11, 1), qRgb(0, 0, 0));
    EXPECT_EQ(grid.pixel(19, 9), qRgb(0, 0, 0));
    EXPECT_EQ(grid.pixel(20, 9), qRgb(220, 220, 220));
    EXPECT_EQ(grid.pixel(11, 11), qRgb(200, 200, 210));
}

TEST(PictureConversionDialog, TextsFitTheirControls) {
    app::PictureConversionDialog dialog(rampPicture(), u("a rather long picture name.jpeg"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (auto* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
    }
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    for (auto* list : dialog.findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            EXPECT_GE(list->width(), list->fontMetrics().horizontalAdvance(list->itemText(i)) + 20)
                << list->itemText(i).toStdString();
    // The whole dialog fits a 1024 x 768 screen.
    EXPECT_LE(dialog.width(), 1024);
    EXPECT_LE(dialog.height(), 768);
}

TEST(PictureConversionDialog, OkAndCancelButtons) {
    app::PictureConversionDialog dialog(rampPicture(), u("ramp.png"));
    auto* ok = child<QPushButton>(&dialog, "ok");
    auto* cancel = child<QPushButton>(&dialog, "cancel");
    EXPECT_EQ(ok->text(), u("Загрузить в редактор"));
    EXPECT_EQ(cancel->text(), u("Отмена"));
    dialog.show();
    cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
