// Speed of exporting the picture of the default layout, once per format, beside the
// cheapest file of the same kind measured in the same run: a blank white image of the
// PNG's size, encoded as PNG and put on disk the same way. Each export should take
// under 200 ms.
#include "files/atomic_file.h"
#include "ratio_report.h"
#include "render/layout_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <string>

namespace {

QString FolderFile(const char* name) {
    return QString::fromStdString(kbd::bench::ScratchFile(name));
}

void BM_BlankPng(benchmark::State& state) {
    const std::string target = kbd::bench::ScratchFile("blank.png");
    for (auto _ : state) {
        QImage image((kbd::render::PictureSize() * 2).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size()));
        if (!kbd::ReplaceFileContents(target, data).ok()) {
            state.SkipWithError("writing the blank PNG failed");
            break;
        }
    }
}

void Export(benchmark::State& state, const char* name) {
    const QString target = FolderFile(name);
    for (auto _ : state) {
        if (!kbd::render::ExportLayoutPicture(kbd::DefaultLayout(), {}, target).ok()) {
            state.SkipWithError("the export failed");
            break;
        }
    }
}

void BM_ExportPng(benchmark::State& state) {
    Export(state, "picture.png");
}
void BM_ExportSvg(benchmark::State& state) {
    Export(state, "picture.svg");
}
void BM_ExportPdf(benchmark::State& state) {
    Export(state, "picture.pdf");
}

BENCHMARK(BM_BlankPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    kbd::bench::OffscreenUnlessSet();
    QGuiApplication application(argc, argv);
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        for (const char* name : {"BM_ExportPng", "BM_ExportSvg", "BM_ExportPdf"}) {
            r.Ratio(name, "BM_BlankPng");
            r.Budget(name, 200e6);
        }
    });
}
