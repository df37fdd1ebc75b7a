// One key press through the driver model (scan code to virtual key, state, table search,
// fallbacks) on the default file, against looking the key's byte up in a 49-byte array,
// measured in the same run; the press has a budget of 1 µs.
#include "driver/to_ascii.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

namespace {

constexpr kbd::driver::Modifiers kHeld[] = {kbd::driver::kNorm, kbd::driver::kShift,
                                            kbd::driver::kAltGr, kbd::driver::kShiftAltGr,
                                            kbd::driver::kCtrl};

void BM_ArrayLookup(benchmark::State& state) {
    const kbd::KeyBytes& chars = kbd::DefaultLayout().NormalChar;
    int key = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chars[static_cast<std::size_t>(key)]);
        key = key == kbd::kKeyCount - 1 ? 0 : key + 1;
    }
}

void BM_DriverPress(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    const auto loaded = kbd::driver::LoadKeyboard(image);
    kbd::driver::Keyboard keyboard(loaded.value());
    int key = 0, held = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(keyboard.pressKey(key, kHeld[held]));
        key = key == kbd::kKeyCount - 1 ? 0 : key + 1;
        held = held == 4 ? 0 : held + 1;
    }
}

} // namespace

BENCHMARK(BM_ArrayLookup);
BENCHMARK(BM_DriverPress);

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_DriverPress", "BM_ArrayLookup");
        r.Budget("BM_DriverPress", 1000);
    });
}
