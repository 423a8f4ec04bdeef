// Pictures to logos and the editor's undo: a 4000 x 3000 JPEG read and converted to a 32-dot
// logo, and one undo of a stroke on the widest logo.
#include "logos/EditorMouse.h"
#include "logos/LogoEditor.h"
#include "logos/PictureConversion.h"
#include "logos/UndoHistory.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace nimbrel;

// A photo-like picture: a colour gradient with shapes, so the JPEG has real content.
QString writePhoto(const QTemporaryDir& dir, int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, w, h);
    gradient.setColorAt(0, QColor(240, 220, 180));
    gradient.setColorAt(1, QColor(40, 60, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(QRect(w / 10, h / 10, w / 3, h * 2 / 3));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), h / 6));
    painter.setPen(Qt::black);
    painter.drawText(QRect(w / 2, h / 4, w / 2, h / 2), Qt::AlignCenter, QStringLiteral("ЛОГО"));
    painter.end();
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    picture.save(path, "JPEG", 90);
    return path;
}

void BM_ConvertJpeg4000x3000To32Dots(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writePhoto(dir, 4000, 3000);
    logos::ConversionOptions options;
    options.height = 32;
    options.dithering = state.range(0) ? logos::Dithering::FloydSteinberg : logos::Dithering::None;
    int dark = 0;
    for (auto _ : state) {
        const logos::PictureRead read = logos::readPicture(path);
        const logos::ConvertedLogo logo = logos::convertPicture(read.picture, options);
        dark = logo.darkCount();
        benchmark::DoNotOptimize(dark);
    }
    state.counters["dark_dots"] = dark;
}
BENCHMARK(BM_ConvertJpeg4000x3000To32Dots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same picture already in memory: the smooth scaling and thresholding alone.
void BM_ConvertPicture4000x3000InMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const QImage picture(writePhoto(dir, 4000, 3000));
    logos::ConversionOptions options;
    options.height = 32;
    for (auto _ : state)
        benchmark::DoNotOptimize(logos::convertPicture(picture, options).darkCount());
}
BENCHMARK(BM_ConvertPicture4000x3000InMemory)->Unit(benchmark::kMillisecond);

// A full 819 x 32 logo of random dots, and a stroke across its whole width.
struct StrokedLogo {
    logos::LogoState logo;
    logos::UndoHistory history;

    StrokedLogo() {
        QByteArray columns(819 * 4, '\0');
        QRandomGenerator random(5);
        for (auto& b : columns)
            b = static_cast<char>(random.bounded(256));
        logos::unpackColumns(logo, columns, 819, 4);
    }
    void stroke() {
        history.begin(logo);
        logo.columnOffset = 0;
        for (int x = 0; x < 819; ++x) {
            const int y = 16 + (x % 24) - 12;
            logos::paintDot(logo, x, y, (x / 3) % 2 == 0);
        }
        logo.changed = true;
        history.end(logo);
    }
};

void BM_UndoStrokeOnFullLogo(benchmark::State& state) {
    StrokedLogo s;
    for (auto _ : state) {
        state.PauseTiming();
        s.stroke();
        state.ResumeTiming();
        s.history.undo(s.logo);
    }
    state.counters["step_bytes"] = static_cast<double>(s.history.memoryBytes());
}
BENCHMARK(BM_UndoStrokeOnFullLogo)->Unit(benchmark::kMicrosecond);

void BM_UndoAndRedoStrokeOnFullLogo(benchmark::State& state) {
    StrokedLogo s;
    s.stroke();
    for (auto _ : state) {
        s.history.undo(s.logo);
        s.history.redo(s.logo);
    }
}
BENCHMARK(BM_UndoAndRedoStrokeOnFullLogo)->Unit(benchmark::kMicrosecond);

// Recording the step: the cost a mouse release pays.
void BM_RecordStrokeOnFullLogo(benchmark::State& state) {
    StrokedLogo s;
    for (auto _ : state) {
        s.stroke();
        state.PauseTiming();
        s.history.undo(s.logo);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordStrokeOnFullLogo)->Unit(benchmark::kMicrosecond);

void BM_UndoInvertOfFullLogo(benchmark::State& state) {
    StrokedLogo s;
    s.history.begin(s.logo);
    logos::invertLogo(s.logo);
    s.history.end(s.logo);
    for (auto _ : state) {
        s.history.undo(s.logo);
        s.history.redo(s.logo);
    }
}
BENCHMARK(BM_UndoInvertOfFullLogo)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
