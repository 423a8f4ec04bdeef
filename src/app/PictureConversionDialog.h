#pragma once

#include "logos/PictureConversion.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QSlider;

namespace nimbrel::app {

// Asks how a picture becomes a logo and shows the result as it will be: at natural size and
// at the editor grid's scale. It changes no state: the caller takes converted() after OK.
class PictureConversionDialog : public QDialog {
    Q_OBJECT
public:
    PictureConversionDialog(const QImage& picture, const QString& pictureName,
                            QWidget* parent = nullptr);

    logos::ConversionOptions options() const;
    // The conversion of the picture with the options shown.
    const logos::ConvertedLogo& converted() const { return m_result; }

    // The converted dots drawn as the editor draws its grid: a 9 x 9 box per dot, 10 pixels
    // apart, grid lines between.
    static QImage gridPreview(const logos::ConvertedLogo& converted);

private:
    void convert();

    QImage m_picture;
    logos::ConvertedLogo m_result;
    QComboBox* m_height;
    QCheckBox* m_autoThreshold;
    QSlider* m_threshold;
    QLabel* m_thresholdValue;
    QComboBox* m_dithering;
    QCheckBox* m_invert;
    QCheckBox* m_transparentLight;
    QLabel* m_naturalPreview;
    QLabel* m_gridPreview;
    QScrollArea* m_gridArea;
    QLabel* m_dotCount;
};

} // namespace nimbrel::app
