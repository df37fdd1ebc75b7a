#include "partition_table.h"

#include "le_bytes.h"

#include <array>
#include <cstdio>
#include <optional>
#include <set>

namespace kbd::diskimage {
namespace {

constexpr std::size_t kSector = 512;
constexpr std::size_t kTableAt = 446;
constexpr std::size_t kEntrySize = 16;
// More logical partitions than any DOS fdisk makes; a longer chain is a loop in disguise.
constexpr int kMostLogical = 64;

using Sector = std::array<std::uint8_t, kSector>;

struct Entry {
    std::uint8_t type;
    std::uint64_t first; // relative to the table's base
    std::uint64_t count;
};

Entry EntryAt(const Sector& sector, int index) {
    const std::size_t at = kTableAt + kEntrySize * static_cast<std::size_t>(index);
    return Entry{sector[at + 4], U32At(sector, at + 8), U32At(sector, at + 12)};
}

bool HasBootSignature(const Sector& sector) {
    return sector[510] == 0x55 && sector[511] == 0xAA;
}

bool IsExtended(std::uint8_t type) {
    return type == 0x05 || type == 0x0F || type == 0x85;
}

std::string Hex(std::uint8_t type) {
    std::array<char, 3> text{};
    std::snprintf(text.data(), text.size(), "%02X", type);
    return text.data();
}

std::uint64_t FatTotalSectors(std::span<const std::uint8_t> sector) {
    const std::uint16_t small = U16At(sector, 19);
    return small != 0 ? small : U32At(sector, 32);
}

class TableReader {
public:
    TableReader(const SectorReader& read, std::uint64_t diskSectors, const std::string& name)
        : read_(read), diskSectors_(diskSectors), name_(name) {}

    Result<std::vector<Volume>> run() {
        Sector first{};
        // An image shorter than one sector has no first sector to read.
        if (diskSectors_ == 0) {
            return refuse("shorter than one sector");
        }
        if (!read_(0, first)) {
            return refuse("cannot read its first sector");
        }
        if (IsFatBootSector(first)) {
            return checkFat(Volume{0, 0, 0, diskSectors_}, first);
        }
        if (!HasBootSignature(first)) {
            return refuse("neither a partition table nor a FAT volume at its start");
        }
        for (int i = 0; i < 4; ++i) {
            const Entry entry = EntryAt(first, i);
            if (entry.type == 0) {
                continue;
            }
            const Volume volume{i + 1, entry.type, entry.first, entry.count};
            if (auto outside = checkInside(volume, 0, diskSectors_)) {
                return *outside;
            }
            if (IsExtended(entry.type)) {
                if (auto failed = readChain(volume)) {
                    return *failed;
                }
            } else if (IsFatPartitionType(entry.type)) {
                if (auto failed = addFat(volume)) {
                    return *failed;
                }
            }
        }
        return volumes_;
    }

private:
    Error refuse(const std::string& why) const { return Refusal(name_ + ": " + why); }

    std::string describe(const Volume& volume) const {
        return "partition " + std::to_string(volume.number) + " (type " + Hex(volume.type) + ")";
    }

    // Checked in 64 bits: both fields are 32-bit, so their sum cannot wrap.
    std::optional<Error> checkInside(const Volume& volume, std::uint64_t from,
                                     std::uint64_t to) const {
        if (volume.sectors == 0 || volume.firstSector < from ||
            volume.firstSector + volume.sectors > to) {
            return refuse(
                describe(volume) + " runs from sector " + std::to_string(volume.firstSector) +
                " to " + std::to_string(volume.firstSector + volume.sectors) + ", outside the " +
                (to == diskSectors_ ? "image's " : "extended partition's ") + std::to_string(from) +
                ".." + std::to_string(to) + "; the partition table cannot be trusted");
        }
        return std::nullopt;
    }

    Result<std::vector<Volume>> checkFat(const Volume& volume, const Sector& boot) const {
        if (FatTotalSectors(boot) > volume.sectors) {
            return refuse(
                "the FAT volume " +
                (volume.number == 0 ? std::string("at its start") : "in " + describe(volume)) +
                " claims " + std::to_string(FatTotalSectors(boot)) + " sectors, more than the " +
                std::to_string(volume.sectors) + " it has");
        }
        return std::vector<Volume>{volume};
    }

    // A FAT partition that is not formatted (yet) is no error, only nothing to look in.
    std::optional<Error> addFat(const Volume& volume) {
        Sector boot{};
        if (!read_(volume.firstSector, boot)) {
            return refuse("cannot read the first sector of " + describe(volume));
        }
        if (!IsFatBootSector(boot)) {
            return std::nullopt;
        }
        auto checked = checkFat(volume, boot);
        if (!checked.ok()) {
            return checked.error();
        }
        volumes_.push_back(volume);
        return std::nullopt;
    }

    // Each extended boot record holds one logical partition (relative to itself) and the
    // link to the next record (relative to the extended partition's start).
    std::optional<Error> readChain(const Volume& extended) {
        const std::uint64_t end = extended.firstSector + extended.sectors;
        std::set<std::uint64_t> seen;
        std::uint64_t record = extended.firstSector;
        for (int logical = 5;; ++logical) {
            if (!seen.insert(record).second || logical - 5 >= kMostLogical) {
                return refuse("the chain of logical partitions loops");
            }
            Sector sector{};
            if (!read_(record, sector)) {
                return refuse("cannot read the extended boot record at sector " +
                              std::to_string(record));
            }
            if (!HasBootSignature(sector)) {
                return refuse("the extended boot record at sector " + std::to_string(record) +
                              " has no boot signature");
            }
            const Entry entry = EntryAt(sector, 0);
            if (entry.type != 0) {
                const Volume volume{logical, entry.type, record + entry.first, entry.count};
                if (auto outside = checkInside(volume, extended.firstSector, end)) {
                    return outside;
                }
                if (IsFatPartitionType(entry.type)) {
                    if (auto failed = addFat(volume)) {
                        return failed;
                    }
                }
            }
            const Entry next = EntryAt(sector, 1);
            if (next.type == 0 || next.first == 0) {
                return std::nullopt;
            }
            record = extended.firstSector + next.first;
            if (record >= end) {
                return refuse("the chain of logical partitions leaves the extended partition "
                              "at sector " +
                              std::to_string(record));
            }
        }
    }

    const SectorReader& read_;
    std::uint64_t diskSectors_;
    const std::string& name_;
    std::vector<Volume> volumes_;
};

} // namespace

bool IsFatPartitionType(std::uint8_t type) {
    switch (type) {
    case 0x01:
    case 0x04:
    case 0x06:
    case 0x0B:
    case 0x0C:
    case 0x0E:
        return true;
    default:
        return false;
    }
}

bool IsFatBootSector(std::span<const std::uint8_t> sector) {
    if (sector.size() < kSector || (sector[0] != 0xEB && sector[0] != 0xE9)) {
        return false;
    }
    const std::uint16_t bytesPerSector = U16At(sector, 11);
    const std::uint8_t perCluster = sector[13];
    const std::uint16_t reserved = U16At(sector, 14);
    const std::uint8_t fats = sector[16];
    return bytesPerSector == kSector && perCluster != 0 && (perCluster & (perCluster - 1)) == 0 &&
           reserved != 0 && (fats == 1 || fats == 2) && FatTotalSectors(sector) != 0;
}

Result<std::vector<Volume>> ReadVolumes(const SectorReader& read, std::uint64_t diskSectors,
                                        const std::string& name) {
    return TableReader(read, diskSectors, name).run();
}

} // namespace kbd::diskimage
