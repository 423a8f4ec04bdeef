#include "logos/PictureConversion.h"

#include "logos/LogoEditor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace nimbrel::logos {

namespace {

// Pictures up to this many pixels are converted to 32 bits whole; larger ones are first
// sampled down so that no full-size copy is ever made.
constexpr qint64 kWholeCopyPixels = 4 * 1024 * 1024;
// The nearest-pixel pre-step keeps this many samples per logo dot in each direction for the
// smooth filter to average.
constexpr int kSamplesPerDot = 8;

bool scalesWithoutCopy(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

// The picture at the logo's size, premultiplied, with as little memory as its size needs.
QImage scaledPicture(const QImage& picture, QSize size) {
    QImage source = picture;
    if (!scalesWithoutCopy(source.format())) {
        const qint64 pixels = static_cast<qint64>(source.width()) * source.height();
        const QSize sampled(std::min(source.width(), kSamplesPerDot * size.width()),
                            std::min(source.height(), kSamplesPerDot * size.height()));
        if (pixels > kWholeCopyPixels && sampled != source.size())
            source = source.scaled(sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        source = source.convertToFormat(
            source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Grey values 0..255 of the scaled picture with inversion and transparency applied: a
// transparent pixel takes the grey of the background it is taken to stand on.
std::vector<int> greyValues(const QImage& scaled, const ConversionOptions& options) {
    std::vector<int> grey;
    grey.reserve(static_cast<std::size_t>(scaled.width()) * scaled.height());
    const int background = options.transparentAsLight ? 255 : 0;
    for (int y = 0; y < scaled.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < scaled.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            int value = std::min(qGray(line[x]), alpha); // premultiplied: at most alpha
            if (options.invert)
                value = alpha - value;
            value += (255 - alpha) * background / 255;
            grey.push_back(std::clamp(value, 0, 255));
        }
    }
    return grey;
}

std::vector<std::uint8_t> thresholded(const std::vector<int>& grey, int threshold) {
    std::vector<std::uint8_t> dots(grey.size());
    for (std::size_t i = 0; i < grey.size(); ++i)
        dots[i] = grey[i] < threshold ? 1 : 0;
    return dots;
}

// Floyd-Steinberg: each dot's rounding error goes on to its right and lower neighbours, so
// the share of dark dots follows the grey.
std::vector<std::uint8_t> diffused(const std::vector<int>& grey, int width, int height,
                                   int threshold) {
    std::vector<std::uint8_t> dots(grey.size());
    std::vector<float> current(static_cast<std::size_t>(width) + 2, 0.0f);
    std::vector<float> next(static_cast<std::size_t>(width) + 2, 0.0f);
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), 0.0f);
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const float value = static_cast<float>(grey[i]) + current[x + 1];
            const bool dark = value < static_cast<float>(threshold);
            dots[i] = dark ? 1 : 0;
            const float error = value - (dark ? 0.0f : 255.0f);
            current[x + 2] += error * 7.0f / 16.0f;
            next[x] += error * 3.0f / 16.0f;
            next[x + 1] += error * 5.0f / 16.0f;
            next[x + 2] += error * 1.0f / 16.0f;
        }
        std::swap(current, next);
    }
    return dots;
}

} // namespace

int ConvertedLogo::darkCount() const {
    return static_cast<int>(std::count(dots.begin(), dots.end(), std::uint8_t{1}));
}

QByteArray ConvertedLogo::columnBytes() const {
    const int r = height / 8;
    QByteArray out(static_cast<qsizetype>(width) * r, '\0');
    for (int x = 0; x < width; ++x)
        for (int k = 0; k < r; ++k) {
            int byte = 0;
            for (int b = 0; b < 8; ++b)
                if (dark(x, height - 1 - 8 * k - b))
                    byte |= 1 << b;
            out[static_cast<qsizetype>(x) * r + k] = static_cast<char>(byte);
        }
    return out;
}

QImage ConvertedLogo::image() const {
    QImage out(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    out.fill(kLightDotColour);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dark(x, y))
                out.setPixel(x, y, kDarkColour);
    return out;
}

int autoHeight(int pictureHeight) {
    return std::clamp((pictureHeight + 7) / 8, 1, kMaxLogoHeight / 8) * 8;
}

QSize convertedSize(QSize picture, int height) {
    if (picture.width() <= 0 || picture.height() <= 0)
        return {};
    const int h = autoHeight(height == kAutoHeight ? picture.height() : height);
    const double w = std::round(static_cast<double>(picture.width()) * h / picture.height());
    return {static_cast<int>(std::clamp(w, 1.0, static_cast<double>(kGridColumns))), h};
}

int otsuThreshold(const std::vector<long long>& histogram) {
    double total = 0;
    double sum = 0;
    for (std::size_t i = 0; i < histogram.size() && i < 256; ++i) {
        total += static_cast<double>(histogram[i]);
        sum += static_cast<double>(i) * static_cast<double>(histogram[i]);
    }
    std::vector<double> between(257, 0.0);
    double below = 0;
    double belowSum = 0;
    double best = 0;
    for (int t = 1; t <= 255; ++t) {
        const auto count = static_cast<std::size_t>(t - 1) < histogram.size()
                               ? static_cast<double>(histogram[static_cast<std::size_t>(t - 1)])
                               : 0.0;
        below += count;
        belowSum += (t - 1) * count;
        const double above = total - below;
        if (below > 0 && above > 0) {
            const double difference = belowSum / below - (sum - belowSum) / above;
            between[t] = below * above * difference * difference;
        }
        best = std::max(best, between[t]);
    }
    // The plateau of the best separation: a picture of two clean tones gets the threshold half
    // way between them, not right above the darker one.
    const double tolerance = best * 1e-12;
    int first = 0;
    int last = 0;
    for (int t = 1; t <= 255; ++t)
        if (best - between[t] <= tolerance) {
            if (first == 0)
                first = t;
            last = t;
        }
    return (first + last) / 2;
}

ConvertedLogo convertPicture(const QImage& picture, const ConversionOptions& options) {
    ConvertedLogo out;
    out.pictureSize = picture.size();
    const QSize size = convertedSize(picture.size(), options.height);
    if (picture.isNull() || size.isEmpty()) {
        out.error = QCoreApplication::translate("PictureConversion",
                                                "Картинка пуста: в ней нет ни одной точки.");
        return out;
    }
    out.width = size.width();
    out.height = size.height();
    out.narrowed = std::round(static_cast<double>(picture.width()) * out.height /
                              picture.height()) > kGridColumns;
    const std::vector<int> grey = greyValues(scaledPicture(picture, size), options);
    if (options.threshold == kAutoThreshold) {
        std::vector<long long> histogram(256, 0);
        for (int value : grey)
            ++histogram[static_cast<std::size_t>(value)];
        out.threshold = otsuThreshold(histogram);
    } else {
        out.threshold = std::clamp(options.threshold, 0, 255);
    }
    out.dots = options.dithering == Dithering::FloydSteinberg
                   ? diffused(grey, out.width, out.height, out.threshold)
                   : thresholded(grey, out.threshold);
    return out;
}

PictureRead readPicture(const QString& path) {
    PictureRead out;
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo::exists(path)) {
        out.error =
            QCoreApplication::translate("PictureConversion", "Файл '%1' не найден.").arg(name);
        return out;
    }
    QImageReader reader(path);
    if (!reader.canRead()) {
        out.error = QCoreApplication::translate(
                        "PictureConversion", "Файл '%1' не является картинкой известного формата.")
                        .arg(name);
        return out;
    }
    out.fullSize = reader.size();
    const QSize full = out.fullSize;
    if (full.isValid() && (full.width() > kReadWidthLimit || full.height() > kReadHeightLimit)) {
        const double factor = std::min(static_cast<double>(kReadWidthLimit) / full.width(),
                                       static_cast<double>(kReadHeightLimit) / full.height());
        reader.setScaledSize(QSize(std::max(1, static_cast<int>(full.width() * factor)),
                                   std::max(1, static_cast<int>(full.height() * factor))));
    }
    out.picture = reader.read();
    if (out.picture.isNull()) {
        out.error = QCoreApplication::translate("PictureConversion",
                                                "Картинку из файла '%1' прочитать невозможно:\n\r"
                                                "файл поврежден или картинка слишком велика.")
                        .arg(name);
        return out;
    }
    if (!out.fullSize.isValid())
        out.fullSize = out.picture.size();
    if (out.picture.width() > kReadWidthLimit || out.picture.height() > kReadHeightLimit)
        out.picture = out.picture.scaled(kReadWidthLimit, kReadHeightLimit, Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
    return out;
}

QStringList pictureFilePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        if (suffix == QLatin1String("bmp") || suffix == QLatin1String("pbm"))
            continue;
        patterns << QStringLiteral("*.") + suffix;
    }
    patterns.sort();
    patterns.removeDuplicates();
    return patterns;
}

QString pictureFileFilter() {
    return QCoreApplication::translate("PictureConversion", "Картинки (%1)")
        .arg(pictureFilePatterns().join(QLatin1Char(' ')));
}

bool isNetpbm(const QByteArray& head) {
    return head.startsWith("P1") || head.startsWith("P4");
}

LogoFileKind logoFileKind(const QString& path) {
    const QString type = QFileInfo(path).suffix().toLower();
    if (type == QLatin1String("bmp"))
        return LogoFileKind::Bmp;
    if (type == QLatin1String("bin"))
        return LogoFileKind::Bin;
    if (type == QLatin1String("pbm")) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && isNetpbm(file.read(2)))
            return LogoFileKind::Picture;
        return LogoFileKind::Pbm;
    }
    if (!type.isEmpty() && pictureFilePatterns().contains(QStringLiteral("*.") + type))
        return LogoFileKind::Picture;
    return LogoFileKind::Unknown;
}

void loadConvertedLogo(LogoState& logo, const ConvertedLogo& converted) {
    if (!converted.ok())
        return;
    unpackColumns(logo, converted.columnBytes(), converted.width, converted.height / 8);
    logo.changed = true;
    logo.file.name.clear();
    logo.file.type = QStringLiteral("bmp");
    logo.columnOffset = 0;
    logo.scrollHome = true;
}

} // namespace nimbrel::logos
