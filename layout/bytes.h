// Little-endian byte placement over fixed images: a running write position as the
// file's tables are laid out one entry after another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kbd {

class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> image, std::size_t position = 0)
        : image_(image), position_(position) {}

    void seek(std::size_t position) { position_ = position; }
    std::size_t position() const { return position_; }

    void putByte(std::uint8_t value) { image_[position_++] = value; }
    void putWord(std::uint16_t value) {
        putByte(static_cast<std::uint8_t>(value & 0xFF));
        putByte(static_cast<std::uint8_t>(value >> 8));
    }
    template <class Range> void putBytes(const Range& values) {
        for (auto value : values) {
            putByte(static_cast<std::uint8_t>(value));
        }
    }
    template <class Range> void putWords(const Range& values) {
        for (auto value : values) {
            putWord(static_cast<std::uint16_t>(value));
        }
    }

private:
    std::span<std::uint8_t> image_;
    std::size_t position_;
};

} // namespace kbd
