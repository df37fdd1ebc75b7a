// Disk images the tests make themselves with mtools: an MBR written here, FAT volumes
// made by mformat, a Windows folder with just what is looked for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::testing {

struct Partition {
    std::uint8_t type;
    std::uint32_t first;
    std::uint32_t sectors;
    bool format = true;   // mformat it
    bool windows = false; // WINDOWS\WIN.COM, SYSTEM\KEYBOARD.DRV, KBDUS.KBD, KBDYU.KBD
};

inline constexpr std::uint32_t kDiskSectors = 16384; // 8 MB

// The two layout files each Windows folder holds, written by the editor's writer: the
// built-in layout, and one whose first letter row is Serbian's.
std::string UsKbd();
std::string YuKbd();

// Writes an image of kDiskSectors sectors with an MBR listing `partitions`.
void MakeDisk(const std::string& path, const std::vector<Partition>& partitions);
// A FAT volume filling the whole file, holding a Windows folder.
void MakeBareVolume(const std::string& path);
// The usual test disk: FAT16 at sector 63 with Windows, and a second FAT16 without.
void MakeWindowsDisk(const std::string& path);

// mtools' view of a file in the image's volume at `sector`, "" when missing.
std::string ReadFromVolume(const std::string& image, std::uint32_t sector, const std::string& file);

} // namespace kbd::testing
