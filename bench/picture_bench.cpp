// Speed of exporting the picture of the default layout, once per format, beside the
// cheapest file of the same kind measured in the same run: a blank white image of the
// PNG's size, encoded as PNG and put on disk the same way. Each export should take
// under 200 ms.
#include "layout/atomic_file.h"
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

std::string gFolder;

QString FolderFile(const char* name) {
    return QString::fromStdString(gFolder + "/" + name);
}

void BM_BlankPng(benchmark::State& state) {
    const std::string target = gFolder + "/blank.png";
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
        if (kbd::render::ExportLayoutPicture(kbd::DefaultLayout(), {}, target)) {
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

// Keeps every run's time per iteration, so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With --benchmark_repetitions the median stands for the benchmark.
            if (!run.error_occurred &&
                (run.aggregate_name.empty() || run.aggregate_name == "median")) {
                nanos_[run.run_name.str()] = run.GetAdjustedRealTime() /
                                             benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        std::printf("\nAgainst the blank PNG of the same run (target: under 200 ms each):\n");
        for (const char* name : {"BM_ExportPng", "BM_ExportSvg", "BM_ExportPdf"}) {
            Ratio(name, "BM_BlankPng");
        }
    }

private:
    void Ratio(const std::string& name, const std::string& base) const {
        const auto a = nanos_.find(name), b = nanos_.find(base);
        if (a == nanos_.end() || b == nanos_.end() || b->second <= 0) {
            std::printf("  %-14s not measured\n", name.c_str());
            return;
        }
        const double millis = a->second / 1e6;
        std::printf("  %-14s %7.2f x %s  %7.1f ms %s\n", name.c_str(), a->second / b->second,
                    base.c_str(), millis, millis < 200 ? "ok" : "OVER");
    }

    std::map<std::string, double> nanos_; // real time per iteration
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "kbd-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    gFolder = pattern;

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();

    std::filesystem::remove_all(gFolder);
    return 0;
}
