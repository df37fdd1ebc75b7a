#include "test_image.h"

#include "files/child_process.h"
#include "layout/writer.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace kbd::testing {
namespace {

void Must(const std::vector<std::string>& argv) {
    const ChildRun run = RunChild(argv);
    if (run.status != 0) {
        throw std::runtime_error(argv[0] + " failed: " + run.error);
    }
}

// A file of `sectors` zero sectors that starts with `head`.
void Sized(const std::string& path, const std::string& head, std::uint32_t sectors) {
    std::ofstream(path, std::ios::binary) << head;
    if (::truncate(path.c_str(), sectors * 512) != 0) {
        throw std::runtime_error("cannot size " + path);
    }
}

void Put(const std::string& drive, const std::string& bytes, const std::string& to) {
    const std::string file = "/tmp/kbd-test-file-" + std::to_string(::getpid());
    std::ofstream(file, std::ios::binary) << bytes;
    Must({"mcopy", "-i", drive, file, to});
    std::remove(file.c_str());
}

void PutWindows(const std::string& drive) {
    Must({"mmd", "-i", drive, "::/WINDOWS", "::/WINDOWS/SYSTEM", "::/GAMES"});
    Put(drive, "WIN.COM", "::/WINDOWS/WIN.COM");
    Put(drive, "KEYBOARD.DRV", "::/WINDOWS/SYSTEM/KEYBOARD.DRV");
    Put(drive, UsKbd(), "::/WINDOWS/SYSTEM/KBDUS.KBD");
    Put(drive, YuKbd(), "::/WINDOWS/SYSTEM/KBDYU.KBD");
}

std::string Image(const KeyboardLayout& layout) {
    const KbdImage image = BuildKbdImage(layout);
    return {image.begin(), image.end()};
}

} // namespace

std::string UsKbd() {
    return Image(DefaultLayout());
}

std::string YuKbd() {
    KeyboardLayout layout = DefaultLayout();
    // The first letter row of the Serbian (Latin) layout in code page 1250.
    const std::string row = "qwertzuiop\x9a\xf0";
    std::copy(row.begin(), row.end(), layout.NormalChar.begin() + 13);
    return Image(layout);
}

void MakeDisk(const std::string& path, const std::vector<Partition>& partitions) {
    std::string mbr(512, '\0');
    for (std::size_t i = 0; i < partitions.size(); ++i) {
        const std::size_t at = 446 + 16 * i;
        mbr[at + 4] = static_cast<char>(partitions[i].type);
        for (std::size_t b = 0; b < 4; ++b) {
            mbr[at + 8 + b] = static_cast<char>(partitions[i].first >> (8 * b));
            mbr[at + 12 + b] = static_cast<char>(partitions[i].sectors >> (8 * b));
        }
    }
    mbr[510] = '\x55';
    mbr[511] = '\xAA';
    Sized(path, mbr, kDiskSectors);
    for (const Partition& partition : partitions) {
        const std::string drive = path + "@@" + std::to_string(partition.first * 512ull);
        if (partition.format) {
            Must({"mformat", "-i", drive, "-T", std::to_string(partition.sectors), "-h", "16", "-s",
                  "63", "-c", "1", "::"});
        }
        if (partition.format && partition.windows) {
            PutWindows(drive);
        }
    }
}

void MakeBareVolume(const std::string& path) {
    Sized(path, "", 4096);
    Must({"mformat", "-i", path, "-T", "4096", "-h", "16", "-s", "63", "::"});
    PutWindows(path);
}

void MakeWindowsDisk(const std::string& path) {
    MakeDisk(path, {{0x06, 63, 8001, true, true}, {0x06, 8064, 8320, true, false}});
}

std::string ReadFromVolume(const std::string& image, std::uint32_t sector,
                           const std::string& file) {
    const std::string out = "/tmp/kbd-test-read-" + std::to_string(::getpid());
    std::remove(out.c_str());
    RunChild({"mcopy", "-n", "-i", image + "@@" + std::to_string(sector * 512ull), file, out});
    std::ifstream in(out, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::remove(out.c_str());
    return bytes;
}

} // namespace kbd::testing
