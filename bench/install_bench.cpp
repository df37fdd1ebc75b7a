// Installing a layout into a 512 MB raw disk image, against the least a safe install can
// do: cp --reflink=auto of the image and one mcopy of the KBD file into the copy.
#include "diskimage/install.h"
#include "files/child_process.h"
#include "ratio_report.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

constexpr std::uint32_t kSectors = 512u * 2048u;
constexpr std::uint32_t kFirst = 63;

void Must(const std::vector<std::string>& argv) {
    if (kbd::RunChild(argv).status != 0) {
        throw std::runtime_error(argv[0] + " failed");
    }
}

// Written out in full, as 86Box and qemu-img make raw images: a sparse file would let
// cp skip what the install copies.
const std::string& Image() {
    static const std::string image = [] {
        const std::string path = kbd::bench::ScratchFile("disk.img");
        Must({"dd", "if=/dev/zero", "of=" + path, "bs=1M", "count=512", "status=none"});
        std::string mbr(512, '\0');
        const std::uint32_t fields[] = {kFirst, kSectors - kFirst};
        mbr[446 + 4] = 0x06;
        for (int f = 0; f < 2; ++f) {
            for (int i = 0; i < 4; ++i) {
                mbr[446 + 8 + 4 * f + i] = static_cast<char>(fields[f] >> (8 * i));
            }
        }
        mbr[510] = '\x55';
        mbr[511] = '\xAA';
        std::fstream(path, std::ios::binary | std::ios::in | std::ios::out) << mbr;
        const std::string drive = path + "@@" + std::to_string(kFirst * 512);
        Must({"mformat", "-i", drive, "-T", std::to_string(kSectors - kFirst), "-h", "16", "-s",
              "63", "::"});
        Must({"mmd", "-i", drive, "::/WINDOWS", "::/WINDOWS/SYSTEM"});
        const std::string file = kbd::bench::ScratchFile("file");
        std::ofstream(file) << "x";
        for (const char* name : {"::/WINDOWS/WIN.COM", "::/WINDOWS/SYSTEM/KEYBOARD.DRV",
                                 "::/WINDOWS/SYSTEM/KBDYU.KBD"}) {
            Must({"mcopy", "-i", drive, file, name});
        }
        return path;
    }();
    return image;
}

const std::string kLayout(688, 'L');

void BM_CopyAndMcopy(benchmark::State& state) {
    const std::string copy = kbd::bench::ScratchFile("copy.img");
    const std::string kbd = kbd::bench::ScratchFile("KBDYU.KBD");
    std::ofstream(kbd) << kLayout;
    // The image is made once, outside the timed loop of whichever benchmark runs first.
    const std::string& image = Image();
    for (auto _ : state) {
        Must({"cp", "--reflink=auto", image, copy});
        Must({"mcopy", "-D", "o", "-i", copy + "@@" + std::to_string(kFirst * 512), kbd,
              "::/WINDOWS/SYSTEM/KBDYU.KBD"});
        ::unlink(copy.c_str());
    }
}

// The same, made durable as a safe install must be before the copy takes the image's
// place: the copy flushed to the disk and renamed over a second copy.
void BM_CopyMcopyAndFlush(benchmark::State& state) {
    const std::string copy = kbd::bench::ScratchFile("copy.img");
    const std::string old = kbd::bench::ScratchFile("old.img");
    const std::string kbd = kbd::bench::ScratchFile("KBDYU.KBD");
    std::ofstream(kbd) << kLayout;
    const std::string& image = Image();
    for (auto _ : state) {
        state.PauseTiming();
        Must({"cp", "--reflink=auto", image, old});
        Must({"sync", "-f", old});
        state.ResumeTiming();
        Must({"cp", "--reflink=auto", image, copy});
        Must({"mcopy", "-D", "o", "-i", copy + "@@" + std::to_string(kFirst * 512), kbd,
              "::/WINDOWS/SYSTEM/KBDYU.KBD"});
        Must({"sync", "-d", copy});
        Must({"mv", copy, old});
        state.PauseTiming();
        ::unlink(old.c_str());
        state.ResumeTiming();
    }
}

void BM_Install(benchmark::State& state) {
    kbd::diskimage::InstallRequest request;
    request.image = Image(); // made outside the timed loop
    request.name = "KBDYU.KBD";
    request.kbd.assign(kLayout.begin(), kLayout.end());
    for (auto _ : state) {
        const auto installed = kbd::diskimage::InstallLayout(request, {});
        if (!installed.ok()) {
            state.SkipWithError(installed.error().message().c_str());
        }
    }
}

BENCHMARK(BM_CopyAndMcopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyMcopyAndFlush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Install)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_Install", "BM_CopyAndMcopy", 1.3);
        r.Ratio("BM_Install", "BM_CopyMcopyAndFlush", 1.3);
    });
}
