// Little-endian fields of sectors whose size the caller has checked once, before reading.
#pragma once

#include <cstdint>
#include <span>

namespace kbd::diskimage {

inline std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16At(bytes, at)) |
           static_cast<std::uint32_t>(U16At(bytes, at + 2)) << 16;
}

inline std::uint32_t U32BeAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 |
           static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

} // namespace kbd::diskimage
