// KBD images built field by field for the tests: a 28-byte header and a data block laid
// out from the tables given, so a test can give the driver what our writer never does.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kbd::driver::test {

struct TableSpec {
    std::uint8_t state = 0;          // ignored for table 0
    std::uint8_t shiftState = 0;     // VK_STATES
    std::vector<std::uint8_t> keys;  // virtual keys
    std::vector<std::uint8_t> chars; // same length
};

struct ImageSpec {
    std::uint16_t flags = 0x0A;                               // CAPSNORMAL | ALTGRUSED
    std::vector<std::uint8_t> stateKeys = {0x12, 0x10, 0x11}; // Alt, Shift, Ctrl
    std::vector<TableSpec> tables;                            // table 0 first
    std::vector<std::uint8_t> scans;                          // SCANTOIDX
    std::vector<std::uint8_t> scanKeys;                       // VKEYTOIDX
    std::vector<std::uint8_t> capsKeys;                       // bits set in CAPS
    std::vector<std::uint8_t> deadKeys;                       // byte or 4-byte entries
    std::uint16_t nDeadKeys = 0;
    struct Compose {
        std::uint8_t accent, character, result;
    };
    std::vector<Compose> compose;        // DEAD_KEYTRANS
    std::vector<std::uint8_t> ligatures; // entries and the closing 4 zero bytes
};

// The data block's offsets of each header field, for tests that break one.
inline constexpr std::size_t kHeaderStart = 28;

std::vector<std::uint8_t> BuildImage(const ImageSpec& shape);

// Sets word `field` (0 Flags .. 18 CAPS) of the data header in a built image.
void SetHeaderWord(std::vector<std::uint8_t>& image, int field, std::uint16_t value);
std::uint16_t HeaderWord(const std::vector<std::uint8_t>& image, int field);

} // namespace kbd::driver::test
