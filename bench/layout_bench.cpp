// Speed of the KBD codec and of saving and loading a file, each beside the cheapest
// way to do the same amount of work, measured in the same run:
//   building and decoding an image against a memcpy of 688 bytes;
//   SaveKbdFile against a bare write + fsync + rename of 688 bytes;
//   LoadKbdFile against a bare open + read + close of 688 bytes;
//   one press of the try-out pad (key mapping, round trip, byte lookup) against the
//   memcpy too, and against its own budget of 1 ms;
//   CheckLayout of a clean layout against building its image, and of a layout with
//   findings on every key against formatting as many sentences into a vector.
#include "layout/layout_check.h"
#include "layout/reader.h"
#include "layout/typing.h"
#include "layout/writer.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace {

void BM_Memcpy688(benchmark::State& state) {
    const kbd::KbdImage from = kbd::BuildKbdImage(kbd::DefaultLayout());
    kbd::KbdImage to{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(from.data());
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_BuildKbdImage(benchmark::State& state) {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    for (auto _ : state) {
        kbd::KbdImage image = kbd::BuildKbdImage(layout);
        benchmark::DoNotOptimize(image);
    }
}

void BM_DecodeKbdImage(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kbd::DecodeKbdImage(image, layout).ok());
        benchmark::ClobberMemory();
    }
}

void BM_PosixWriteFsyncRename(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    const std::string temp = kbd::bench::ScratchFile(".posix.tmp"),
                      target = kbd::bench::ScratchFile("posix.kbd");
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, image.data(), image.size()) != 688 || ::fsync(fd) != 0 ||
            ::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
            state.SkipWithError("POSIX save failed");
            break;
        }
    }
}

void BM_SaveKbdFile(benchmark::State& state) {
    const std::string target = kbd::bench::ScratchFile("saved.kbd");
    for (auto _ : state) {
        if (!kbd::SaveKbdFile(kbd::DefaultLayout(), target).ok()) {
            state.SkipWithError("SaveKbdFile failed");
            break;
        }
    }
}

// A file with the extra tables: a Shift+AltGr character on every letter pair's AltGr key
// and a dead circumflex composing with five vowels.
void BM_SaveExtendedKbdFile(benchmark::State& state) {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    for (int i = 0; i < kbd::kKeyCount; ++i) {
        layout.ShiftAltGrChar[i] = layout.AltGrChar[i] > 32 ? layout.AltGrChar[i] : 0;
    }
    layout.NormalChar[23] = '^';
    layout.DeadLayers[23] = 1;
    for (const char vowel : {'a', 'e', 'i', 'o', 'u'}) {
        layout.Compositions.push_back({'^', static_cast<std::uint8_t>(vowel), 0xE2});
    }
    const std::string target = kbd::bench::ScratchFile("extended.kbd");
    for (auto _ : state) {
        if (!kbd::SaveKbdFile(layout, target).ok()) {
            state.SkipWithError("SaveKbdFile failed");
            break;
        }
    }
}

void BM_PosixOpenReadClose(benchmark::State& state) {
    const std::string target = kbd::bench::ScratchFile("saved.kbd");
    (void)kbd::SaveKbdFile(kbd::DefaultLayout(), target);
    kbd::KbdImage image{};
    for (auto _ : state) {
        const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::read(fd, image.data(), image.size()) != 688 || ::close(fd) != 0) {
            state.SkipWithError("POSIX load failed");
            break;
        }
        benchmark::ClobberMemory();
    }
}

void BM_LoadKbdFile(benchmark::State& state) {
    const std::string target = kbd::bench::ScratchFile("saved.kbd");
    (void)kbd::SaveKbdFile(kbd::DefaultLayout(), target);
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    for (auto _ : state) {
        if (!kbd::LoadKbdFile(target, layout).ok()) {
            state.SkipWithError("LoadKbdFile failed");
            break;
        }
        benchmark::ClobberMemory();
    }
}

// The work of one press in the pad, on a layout that changes between presses as an
// edit would, so nothing can be carried from one press to the next.
void BM_PadPress(benchmark::State& state) {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    constexpr std::uint32_t kNativeA = 30 + kbd::kNativeScanOffset;
    std::uint8_t edit = 0;
    for (auto _ : state) {
        layout.AltGrChar[26] = ++edit;
        benchmark::DoNotOptimize(layout);
        const std::optional<int> key = kbd::KeyForNativeScanCode(layout, kNativeA);
        const kbd::Typed typed = kbd::TypeKey(kbd::ReadBack(layout), *key, {false, true, false});
        benchmark::DoNotOptimize(typed);
    }
}

// Code page 1252: the default layout passes.
kbd::CodePage Western() {
    return kbd::CodePage::LoadOrLatin1(1252);
}

// Each key after the first shares its code and has an AltGr character below the space,
// Caps Lock on a digit pair and a stray ANSI character: four findings on 48 keys.
kbd::KeyboardLayout EveryKeyFlawed() {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    layout.VirtualKey.fill(0x41);
    layout.NormalChar.fill('1');
    layout.ShiftChar.fill('!');
    layout.AnsiChar.fill('#');
    layout.AltGrChar.fill(5);
    layout.CapsAffected.fill(1);
    return layout;
}

void BM_CheckCleanLayout(benchmark::State& state) {
    const kbd::CodePage facts = Western();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kbd::CheckLayout(kbd::DefaultLayout(), facts));
    }
}

void BM_CheckFlawedLayout(benchmark::State& state) {
    const kbd::CodePage facts = Western();
    const kbd::KeyboardLayout layout = EveryKeyFlawed();
    state.counters["findings"] = static_cast<double>(kbd::CheckLayout(layout, facts).size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(kbd::CheckLayout(layout, facts));
    }
}

// As many findings as the flawed layout gives, each a formatted sentence of about the
// same length: the least a check that reports them can do.
void BM_FormatFindings(benchmark::State& state) {
    const std::size_t count = kbd::CheckLayout(EveryKeyFlawed(), Western()).size();
    for (auto _ : state) {
        std::vector<kbd::Finding> out;
        for (std::size_t i = 0; i < count; ++i) {
            char text[256];
            std::snprintf(text, sizeof text,
                          "AltGr character 0x%02X is below the space, so it is not written and "
                          "the key reads back with no AltGr character",
                          static_cast<unsigned>(i % 32));
            out.push_back(kbd::Finding{static_cast<int>(i), 3, kbd::Severity::Warning, text});
        }
        benchmark::DoNotOptimize(out);
    }
}

BENCHMARK(BM_Memcpy688);
BENCHMARK(BM_BuildKbdImage);
BENCHMARK(BM_DecodeKbdImage);
BENCHMARK(BM_PosixWriteFsyncRename)->MinTime(1.0);
BENCHMARK(BM_SaveKbdFile)->MinTime(1.0);
BENCHMARK(BM_SaveExtendedKbdFile)->MinTime(1.0);
BENCHMARK(BM_PosixOpenReadClose);
BENCHMARK(BM_LoadKbdFile);
BENCHMARK(BM_PadPress);
BENCHMARK(BM_CheckCleanLayout);
BENCHMARK(BM_CheckFlawedLayout);
BENCHMARK(BM_FormatFindings);

} // namespace

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_BuildKbdImage", "BM_Memcpy688", 20);
        r.Ratio("BM_DecodeKbdImage", "BM_Memcpy688", 20);
        r.Ratio("BM_SaveKbdFile/min_time:1.000", "BM_PosixWriteFsyncRename/min_time:1.000", 1.5);
        r.Ratio("BM_SaveExtendedKbdFile/min_time:1.000", "BM_SaveKbdFile/min_time:1.000", 1.2);
        r.Ratio("BM_LoadKbdFile", "BM_PosixOpenReadClose", 1.5);
        r.Ratio("BM_PadPress", "BM_Memcpy688", 50);
        r.Budget("BM_PadPress", 1e6);
        r.Ratio("BM_CheckCleanLayout", "BM_BuildKbdImage", 3);
        // A shared code's sentence takes up to three formats.
        r.Ratio("BM_CheckFlawedLayout", "BM_FormatFindings", 2);
    });
}
