#include "image_builder.h"

namespace kbd::driver::test {
namespace {

void PutWord(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

} // namespace

Bytes BuildImage(const ImageSpec& shape) {
    Bytes data(38, 0); // the data header: 19 words
    std::uint16_t words[19] = {};
    const auto append = [&data](const Bytes& bytes) {
        const auto at = static_cast<std::uint16_t>(data.size());
        data.insert(data.end(), bytes.begin(), bytes.end());
        return at;
    };
    const auto appendWords = [&](const std::vector<std::uint16_t>& values) {
        Bytes bytes;
        for (std::uint16_t value : values) {
            bytes.insert(bytes.end(),
                         {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
        }
        return append(bytes);
    };
    words[0] = shape.flags;
    words[1] = static_cast<std::uint16_t>(shape.stateKeys.size());
    words[2] = static_cast<std::uint16_t>(shape.tables.empty() ? 0 : shape.tables.size() - 1);
    words[3] = shape.nDeadKeys;
    Bytes stateList, toAsc, lens, vkStates;
    for (std::uint8_t key : shape.stateKeys) {
        stateList.insert(stateList.end(), {key, 0x80});
    }
    words[5] = append(stateList);
    std::vector<std::uint16_t> charOffsets, keyOffsets;
    for (const TableSpec& table : shape.tables) {
        if (&table != &shape.tables[0]) {
            toAsc.push_back(table.state);
        }
        lens.push_back(static_cast<std::uint8_t>(table.keys.size()));
        vkStates.push_back(table.shiftState);
    }
    words[6] = append(toAsc);
    for (const TableSpec& table : shape.tables) {
        charOffsets.push_back(table.keys.empty() ? 0 : append(table.chars));
        keyOffsets.push_back(table.keys.empty() ? 0 : append(table.keys));
    }
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
        Bytes trans = {static_cast<std::uint8_t>(shape.compose.size()), 0}, results;
        for (const auto& pair : shape.compose) {
            trans.insert(trans.end(), {pair.accent, pair.character});
            results.push_back(pair.result);
        }
        trans.insert(trans.end(), results.begin(), results.end());
        words[16] = append(trans);
    }
    if (!shape.ligatures.empty()) {
        words[17] = append(shape.ligatures);
    }
    Bytes caps(32, 0);
    for (std::uint8_t key : shape.capsKeys) {
        caps[key / 8] |= static_cast<std::uint8_t>(1 << (key % 8));
    }
    words[18] = append(caps);
    for (std::size_t i = 0; i < 19; ++i) {
        PutWord(data, 2 * i, words[i]);
    }
    Bytes image = {'D', 'S'};
    image.resize(kHeaderStart, 0);
    PutWord(image, 8, kHeaderStart);
    PutWord(image, 12, static_cast<std::uint16_t>(data.size()));
    image.insert(image.end(), data.begin(), data.end());
    return image;
}

void SetHeaderWord(Bytes& image, int field, std::uint16_t value) {
    PutWord(image, kHeaderStart + 2 * static_cast<std::size_t>(field), value);
}

std::uint16_t HeaderWord(const Bytes& image, int field) {
    const std::size_t at = kHeaderStart + 2 * static_cast<std::size_t>(field);
    return static_cast<std::uint16_t>(image[at] | image[at + 1] << 8);
}

} // namespace kbd::driver::test
