#include "image_builder.h"

#include <algorithm>

namespace kbd::driver::test {
namespace {

constexpr std::size_t kDataHeader = 38;

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

} // namespace

std::vector<std::uint8_t> BuildImage(const ImageSpec& shape) {
    std::vector<std::uint8_t> data(kDataHeader, 0);
    std::uint16_t words[19] = {};
    auto append = [&data](const std::vector<std::uint8_t>& bytes) {
        const auto at = static_cast<std::uint16_t>(data.size());
        data.insert(data.end(), bytes.begin(), bytes.end());
        return at;
    };
    const std::size_t nStates = shape.tables.empty() ? 0 : shape.tables.size() - 1;
    words[0] = shape.flags;
    words[1] = static_cast<std::uint16_t>(shape.stateKeys.size());
    words[2] = static_cast<std::uint16_t>(nStates);
    words[3] = shape.nDeadKeys;
    std::vector<std::uint8_t> stateList;
    for (std::uint8_t key : shape.stateKeys) {
        stateList.push_back(key);
        stateList.push_back(0x80);
    }
    words[5] = append(stateList);
    std::vector<std::uint8_t> toAsc, lens, vkStates;
    for (std::size_t t = 0; t < shape.tables.size(); ++t) {
        if (t > 0) {
            toAsc.push_back(shape.tables[t].state);
        }
        lens.push_back(static_cast<std::uint8_t>(shape.tables[t].keys.size()));
        vkStates.push_back(shape.tables[t].shiftState);
    }
    words[6] = append(toAsc);
    std::vector<std::uint16_t> charOffsets, keyOffsets;
    for (const TableSpec& table : shape.tables) {
        charOffsets.push_back(table.keys.empty() ? 0 : append(table.chars));
        keyOffsets.push_back(table.keys.empty() ? 0 : append(table.keys));
    }
    auto appendWords = [&](const std::vector<std::uint16_t>& values) {
        std::vector<std::uint8_t> bytes;
        for (std::uint16_t value : values) {
            bytes.push_back(static_cast<std::uint8_t>(value));
            bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        }
        return append(bytes);
    };
    words[7] = appendWords(charOffsets);
    words[8] = appendWords(keyOffsets);
    words[9] = append(lens);
    words[10] = append(vkStates);
    words[11] = append(shape.scans);
    words[12] = append(shape.scanKeys);
    words[13] = static_cast<std::uint16_t>(shape.scans.size());
    words[14] = append(shape.scanKeys); // VKEYTOANSI: any bytes of the same length
    if (!shape.deadKeys.empty()) {
        words[15] = append(shape.deadKeys);
        std::vector<std::uint8_t> trans = {static_cast<std::uint8_t>(shape.compose.size()), 0};
        for (const auto& pair : shape.compose) {
            trans.push_back(pair.accent);
            trans.push_back(pair.character);
        }
        for (const auto& pair : shape.compose) {
            trans.push_back(pair.result);
        }
        words[16] = append(trans);
    }
    if (!shape.ligatures.empty()) {
        words[17] = append(shape.ligatures);
    }
    std::vector<std::uint8_t> caps(32, 0);
    for (std::uint8_t key : shape.capsKeys) {
        caps[key / 8] |= static_cast<std::uint8_t>(1 << (key % 8));
    }
    words[18] = append(caps);
    for (int i = 0; i < 19; ++i) {
        PutWord(data, 2 * static_cast<std::size_t>(i), words[i]);
    }
    std::vector<std::uint8_t> image(kHeaderStart + data.size(), 0);
    image[0] = 'D';
    image[1] = 'S';
    PutWord(image, 8, kHeaderStart);
    PutWord(image, 12, static_cast<std::uint16_t>(data.size()));
    std::copy(data.begin(), data.end(), image.begin() + kHeaderStart);
    return image;
}

void SetHeaderWord(std::vector<std::uint8_t>& image, int field, std::uint16_t value) {
    PutWord(image, kHeaderStart + 2 * static_cast<std::size_t>(field), value);
}

std::uint16_t HeaderWord(const std::vector<std::uint8_t>& image, int field) {
    const std::size_t at = kHeaderStart + 2 * static_cast<std::size_t>(field);
    return static_cast<std::uint16_t>(image[at] | image[at + 1] << 8);
}

} // namespace kbd::driver::test
