// KBD images built field by field for the tests: a 28-byte header and a data block laid
// out from the tables given, so a test can give the driver what our writer never does.
#pragma once

#include <cstdint>
#include <vector>

namespace kbd::driver::test {

using Bytes = std::vector<std::uint8_t>;

struct TableSpec {
    std::uint8_t state = 0;      // ignored for table 0
    std::uint8_t shiftState = 0; // VK_STATES
    Bytes keys = {};             // virtual keys
    Bytes chars = {};            // same length
};

struct ImageSpec {
    std::uint16_t flags = 0x0A;           // CAPSNORMAL | ALTGRUSED
    Bytes stateKeys = {0x12, 0x10, 0x11}; // Alt, Shift, Ctrl
    std::vector<TableSpec> tables = {};   // table 0 first
    Bytes scans = {};                     // SCANTOIDX
    Bytes scanKeys = {};                  // VKEYTOIDX
    Bytes capsKeys = {};                  // bits set in CAPS
    Bytes deadKeys = {};                  // byte or 4-byte entries
    std::uint16_t nDeadKeys = 0;
    struct Compose {
        std::uint8_t accent, character, result;
    };
    std::vector<Compose> compose = {}; // DEAD_KEYTRANS
    Bytes ligatures = {};              // entries and the closing 4 zero bytes
};

// The file offset of the data block, where the header's words start.
inline constexpr std::size_t kHeaderStart = 28;

Bytes BuildImage(const ImageSpec& shape);

// Word `field` (0 Flags .. 18 CAPS) of the data header in a built image.
void SetHeaderWord(Bytes& image, int field, std::uint16_t value);
std::uint16_t HeaderWord(const Bytes& image, int field);

} // namespace kbd::driver::test
