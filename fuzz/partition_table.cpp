// Arbitrary bytes as the start of a disk: the partition table reader must never crash,
// loop or read out of bounds, and every volume it accepts must lie inside the disk, be
// of a FAT type and start with a FAT boot sector. Bytes after the last whole sector, when
// there are four or more, give the disk's size in sectors, so that a tiny input can stand
// for a large disk whose unread sectors are zeros.
#include "diskimage/partition_table.h"

#include "diskimage/image_format.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd::diskimage;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::size_t whole = size / kSectorSize;
    std::uint64_t diskSectors = whole;
    if (size % kSectorSize >= 4) {
        std::uint32_t claimed = 0;
        std::memcpy(&claimed, data + whole * kSectorSize, sizeof claimed);
        diskSectors = claimed;
    }
    const SectorReader read = [&](std::uint64_t sector, std::span<std::uint8_t> into) {
        if (sector >= diskSectors) {
            std::abort(); // the reader must check before it reads
        }
        std::fill(into.begin(), into.end(), std::uint8_t{0});
        if (sector < whole) {
            std::copy_n(bytes.begin() + static_cast<long>(sector * kSectorSize), into.size(),
                        into.begin());
        }
        return true;
    };
    const auto volumes = ReadVolumes(read, diskSectors, "disk.img");
    if (volumes.ok()) {
        std::set<int> numbers;
        for (const Volume& volume : volumes.value()) {
            std::array<std::uint8_t, kSectorSize> boot{};
            if (volume.sectors == 0 || volume.firstSector + volume.sectors > diskSectors ||
                !numbers.insert(volume.number).second ||
                (volume.number != 0 && !IsFatPartitionType(volume.type)) ||
                !read(volume.firstSector, boot) || !IsFatBootSector(boot)) {
                std::abort();
            }
        }
    } else if (volumes.error().message().rfind("disk.img: ", 0) != 0) {
        std::abort();
    }
    const auto tail = bytes.size() >= kSectorSize ? bytes.last(kSectorSize) : bytes;
    const auto format =
        DetectImageFormat(bytes.first(std::min(size, kSectorSize)), tail, size, "disk.img");
    if (format.ok() && format.value().diskBytes > size) {
        std::abort();
    }
    return 0;
}
