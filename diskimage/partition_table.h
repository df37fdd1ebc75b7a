// The FAT volumes of a disk: an MBR partition table with its chain of extended boot
// records, or one FAT volume filling the disk (a "superfloppy" without a table). Every
// partition is checked against the disk's size once, here, before anything reads or
// writes inside it.
#pragma once

#include "files/result.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kbd::diskimage {

struct Volume {
    int number = 0;        // 1..4 primary, 5.. logical, as fdisk and Linux count; 0 bare
    std::uint8_t type = 0; // the partition type byte; 0 for a bare volume
    std::uint64_t firstSector = 0;
    std::uint64_t sectors = 0;

    std::uint64_t byteOffset() const { return firstSector * 512; }
};

// Fills `into` with the disk's sector `sector`; false when it cannot be read.
using SectorReader = std::function<bool(std::uint64_t sector, std::span<std::uint8_t> into)>;

// True for the partition types of FAT12, FAT16 and FAT32 (01 04 06 0B 0C 0E).
bool IsFatPartitionType(std::uint8_t type);

// True when the sector is a FAT boot sector mtools can read: a jump, 512-byte sectors, a
// power-of-two cluster, reserved sectors, one or two FATs, a sector count.
bool IsFatBootSector(std::span<const std::uint8_t> sector);

// The FAT volumes of a disk of `diskSectors` sectors, in table order. A table entry that
// reaches past the disk, a logical partition outside its extended partition, a chain
// that loops or a FAT volume larger than its partition refuses the whole disk: a table
// that is wrong in one place cannot be trusted in another. `name` opens each refusal.
Result<std::vector<Volume>> ReadVolumes(const SectorReader& read, std::uint64_t diskSectors,
                                        const std::string& name);

} // namespace kbd::diskimage
