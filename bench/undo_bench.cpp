// One undo and one redo of a palette drop, each with the re-captioning of the 49 keys in
// the shown layer, beside that re-captioning alone (ShowLayer), measured in the same run.
// The budget of an undo or a redo is 1 ms.
#include "layout/keyboard_layout.h"
#include "ui/Allkeys/all_keys_form.h"

#include <QApplication>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

// One step to take back and forth: the drop of A onto key 14 in the Norm layer.
void KeyboardEdit(kbd::TAllKeysForm* form) {
    kbd::KeyboardLayout dropped = form->document().layout();
    dropped.NormalChar[13] = 'A';
    form->document().change(QStringLiteral("drop of A on key 14"), dropped);
}

kbd::TAllKeysForm* Form() {
    static kbd::TAllKeysForm* form = [] {
        auto* made = new kbd::TAllKeysForm;
        KeyboardEdit(made);
        return made;
    }();
    return form;
}

void BM_ShowLayer(benchmark::State& state) {
    kbd::TAllKeysForm* form = Form();
    for (auto _ : state) {
        form->ShowLayer(kbd::LayerNorm);
    }
}

void BM_UndoThenRedo(benchmark::State& state) {
    QUndoStack& history = Form()->document().undoStack();
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
    state.counters["steps"] = 2;
}

BENCHMARK(BM_ShowLayer);
BENCHMARK(BM_UndoThenRedo);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        const auto show = times_.find("BM_ShowLayer");
        const auto both = times_.find("BM_UndoThenRedo");
        if (show == times_.end() || both == times_.end() || show->second <= 0) {
            return;
        }
        const double step = both->second / 2;
        std::printf("\none undo or redo %.2f x BM_ShowLayer; %.1f us of a budget of 1000 us %s\n",
                    step / show->second, step / 1e3, step <= 1e6 ? "ok" : "OVER");
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
