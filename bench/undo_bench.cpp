// One undo and one redo of a palette drop, each with the re-captioning of the 49 keys in
// the shown layer, beside that re-captioning alone (ShowLayer), measured in the same run.
// The budget of an undo or a redo is 1 ms.
#include "layout/keyboard_layout.h"
#include "ratio_report.h"
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
        static kbd::LayoutDocument document(kbd::ProgramLayout());
        auto* made = new kbd::TAllKeysForm(document);
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

} // namespace

int main(int argc, char** argv) {
    kbd::bench::OffscreenUnlessSet();
    QApplication app(argc, argv);
    // Each iteration is one undo and one redo.
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_UndoThenRedo", "BM_ShowLayer");
        r.Budget("BM_UndoThenRedo", 1e6, 2);
    });
}
