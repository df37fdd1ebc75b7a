#include "kbd_driver.h"

#include <string>

namespace kbd::driver {
namespace {

// The loader reads this many bytes of header before it trusts any of it.
constexpr std::size_t kFileHeaderSize = 28;
constexpr std::size_t kLayoutStartOffset = 8; // DWORD pKbdStart
constexpr std::size_t kLayoutSizeOffset = 12; // WORD kbdSize
// Flags .. CAPS: nineteen words.
constexpr std::size_t kDataHeaderSize = 38;
constexpr std::size_t kCapsBitmapSize = 32;
// The state is one byte: a ninth state key would shift its bit out of it, and a byte
// tells at most 255 states apart from "no modifier".
constexpr std::size_t kMaxStateKeys = 8;
constexpr std::size_t kMaxStates = 255;

Error Refuse(std::string reason) {
    return Error{ErrorKind::BadKeyboardData, {}, std::move(reason)};
}

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string Number(std::size_t value) {
    return std::to_string(value);
}

// Whether `count` bytes from `offset` lie in a block of `size`, without overflow.
bool Inside(std::size_t offset, std::size_t count, std::size_t size) {
    return offset <= size && count <= size - offset;
}

std::optional<std::string> OutsideBlock(const char* field, std::size_t offset, std::size_t count,
                                        std::size_t size) {
    if (Inside(offset, count, size)) {
        return std::nullopt;
    }
    return std::string(field) + " (" + Number(offset) + ", " + Number(count) +
           " bytes) reaches past the data block of " + Number(size) + " bytes";
}

DataHeader ReadHeader(std::span<const std::uint8_t> data) {
    DataHeader h;
    std::uint16_t* const fields[] = {
        &h.Flags,      &h.nStateKeys,    &h.nStates,     &h.nDeadKeys,  &h.nLigKeys,
        &h.STATE_LIST, &h.TOASC_STATES,  &h.STATETABLES, &h.VKEY_LISTS, &h.VKEY_LIST_LENS,
        &h.VK_STATES,  &h.SCANTOIDX,     &h.VKEYTOIDX,   &h.SCAN_SIZE,  &h.VKEYTOANSI,
        &h.DEAD_KEYS,  &h.DEAD_KEYTRANS, &h.LIG_KEYS,    &h.CAPS};
    std::size_t offset = 0;
    for (std::uint16_t* field : fields) {
        *field = Word(data, offset);
        offset += 2;
    }
    return h;
}

// Every table the driver may read, checked once; the first fault found is the reason.
std::optional<std::string> CheckTables(const DataHeader& h, std::span<const std::uint8_t> data) {
    const std::size_t size = data.size();
    if (h.nStateKeys > kMaxStateKeys) {
        return "nStateKeys is " + Number(h.nStateKeys) + ": the driver keeps at most " +
               Number(kMaxStateKeys) + " state keys";
    }
    if (h.nStates > kMaxStates) {
        return "nStates is " + Number(h.nStates) + ": the driver tells at most " +
               Number(kMaxStates) + " states apart";
    }
    const std::size_t tables = std::size_t{h.nStates} + 1;
    const struct {
        const char* field;
        std::size_t offset, count;
    } spans[] = {
        {"STATE_LIST", h.STATE_LIST, 2u * h.nStateKeys},
        {"TOASC_STATES", h.TOASC_STATES, h.nStates},
        {"STATETABLES", h.STATETABLES, 2 * tables},
        {"VKEY_LISTS", h.VKEY_LISTS, 2 * tables},
        {"VKEY_LIST_LENS", h.VKEY_LIST_LENS, tables},
        {"VK_STATES", h.VK_STATES, tables},
        {"SCANTOIDX", h.SCANTOIDX, h.SCAN_SIZE},
        {"VKEYTOIDX", h.VKEYTOIDX, h.SCAN_SIZE},
        {"VKEYTOANSI", h.VKEYTOANSI, h.SCAN_SIZE},
    };
    for (const auto& span : spans) {
        if (auto fault = OutsideBlock(span.field, span.offset, span.count, size)) {
            return fault;
        }
    }
    if ((h.Flags & kCapsNormal) != 0) {
        if (auto fault = OutsideBlock("CAPS", h.CAPS, kCapsBitmapSize, size)) {
            return fault;
        }
    }
    for (std::size_t t = 0; t < tables; ++t) {
        const std::size_t length = data[h.VKEY_LIST_LENS + t];
        const std::string index = "[" + Number(t) + "]";
        if (auto fault = OutsideBlock(("STATETABLES" + index).c_str(),
                                      Word(data, h.STATETABLES + 2 * t), length, size)) {
            return fault;
        }
        if (auto fault = OutsideBlock(("VKEY_LISTS" + index).c_str(),
                                      Word(data, h.VKEY_LISTS + 2 * t), length, size)) {
            return fault;
        }
    }
    if (h.nDeadKeys != 0) {
        // The loader leaves an offset of 0 unrelocated, so the driver would read the
        // dead-key lists from wherever its own data begins.
        if (h.DEAD_KEYS == 0) {
            return "DEAD_KEYS is 0 although nDeadKeys is " + Number(h.nDeadKeys);
        }
        if (h.DEAD_KEYTRANS == 0) {
            return "DEAD_KEYTRANS is 0 although nDeadKeys is " + Number(h.nDeadKeys);
        }
        const std::size_t entry = (h.Flags & kDeadCombos) != 0 ? 4 : 1;
        if (auto fault = OutsideBlock("DEAD_KEYS", h.DEAD_KEYS, entry * h.nDeadKeys, size)) {
            return fault;
        }
        if (auto fault = OutsideBlock("DEAD_KEYTRANS", h.DEAD_KEYTRANS, 2, size)) {
            return fault;
        }
        const std::size_t pairs = Word(data, h.DEAD_KEYTRANS);
        if (auto fault = OutsideBlock("DEAD_KEYTRANS", h.DEAD_KEYTRANS, 2 + 3 * pairs, size)) {
            return fault;
        }
    }
    if (h.LIG_KEYS != 0) {
        // Entries of a 4-byte key, a count and that many words, up to a key whose
        // character and virtual key are both 0. Each step moves on, so this ends.
        std::size_t at = h.LIG_KEYS;
        while (true) {
            if (!Inside(at, 4, size)) {
                return "LIG_KEYS runs past the data block without its closing entry";
            }
            if (Word(data, at) == 0) {
                break;
            }
            if (!Inside(at + 4, 1, size) || !Inside(at + 5, 2u * data[at + 4], size)) {
                return "LIG_KEYS entry at " + Number(at) + " reaches past the data block";
            }
            at += 5 + 2u * data[at + 4];
        }
    }
    return std::nullopt;
}

} // namespace

Result<LoadedKeyboard> LoadKeyboard(std::span<const std::uint8_t> image) {
    if (image.size() < kFileHeaderSize) {
        return Refuse("the file is " + Number(image.size()) + " bytes, shorter than the " +
                      Number(kFileHeaderSize) + "-byte header");
    }
    if (image[0] != 'D' || image[1] != 'S') {
        return Refuse("KbdDesc (bytes 0 and 1) is not \"DS\"");
    }
    const std::size_t start =
        Word(image, kLayoutStartOffset) | std::size_t{Word(image, kLayoutStartOffset + 2)} << 16;
    const std::size_t size = Word(image, kLayoutSizeOffset);
    if (!Inside(start, size, image.size())) {
        return Refuse("pKbdStart " + Number(start) + " with kbdSize " + Number(size) +
                      " reaches past the end of the " + Number(image.size()) + "-byte file");
    }
    if (size < kDataHeaderSize) {
        return Refuse("kbdSize " + Number(size) + " is smaller than the " +
                      Number(kDataHeaderSize) + "-byte data header");
    }
    LoadedKeyboard keyboard;
    keyboard.data_.assign(image.begin() + static_cast<std::ptrdiff_t>(start),
                          image.begin() + static_cast<std::ptrdiff_t>(start + size));
    keyboard.header_ = ReadHeader(keyboard.data_);
    if (auto fault = CheckTables(keyboard.header_, keyboard.data_)) {
        return Refuse(*fault);
    }
    const DataHeader& h = keyboard.header_;
    for (std::size_t k = 0; k < h.nStateKeys; ++k) {
        keyboard.stateKeys_.push_back(keyboard.byte(h.STATE_LIST + 2 * k));
    }
    for (std::size_t t = 0; t <= h.nStates; ++t) {
        StateTable table;
        table.state = t == 0 ? 0 : keyboard.byte(h.TOASC_STATES + t - 1);
        table.shiftState = keyboard.byte(h.VK_STATES + t);
        table.chars = keyboard.word(h.STATETABLES + 2 * t);
        table.virtualKeys = keyboard.word(h.VKEY_LISTS + 2 * t);
        table.length = keyboard.byte(h.VKEY_LIST_LENS + t);
        keyboard.tables_.push_back(table);
    }
    return keyboard;
}

} // namespace kbd::driver
