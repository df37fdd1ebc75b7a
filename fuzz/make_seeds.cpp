// Writes the seed corpus of both fuzz targets into <folder>/decode and
// <folder>/round_trip: the files and layouts that sit on the format's edges.
#include "layout/writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes Image(const kbd::KeyboardLayout& layout) {
    const kbd::KbdImage image = kbd::BuildKbdImage(layout);
    return {image.begin(), image.end()};
}

Bytes Fields(const kbd::KeyboardLayout& layout) {
    Bytes bytes;
    for (const auto* field :
         {&layout.ScanCode, &layout.VirtualKey, &layout.NormalChar, &layout.ShiftChar,
          &layout.AltGrChar, &layout.AnsiChar, &layout.CapsAffected}) {
        bytes.insert(bytes.end(), field->begin(), field->end());
    }
    return bytes;
}

kbd::KeyboardLayout SharedCodes() {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    for (int i = 0; i < kbd::kKeyCount; i += 3) {
        layout.VirtualKey[i] = 0x41;
        layout.AltGrChar[i] = static_cast<std::uint8_t>(0x80 + i);
        layout.CapsAffected[i] = static_cast<std::uint8_t>(i);
    }
    layout.VirtualKey[48] = 0;
    return layout;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path decode = std::filesystem::path(argv[1]) / "decode";
    const std::filesystem::path roundTrip = std::filesystem::path(argv[1]) / "round_trip";

    const Bytes image = Image(kbd::DefaultLayout());
    Put(decode, "default.kbd", image);
    Put(decode, "shared-codes.kbd", Image(SharedCodes()));

    Bytes count255 = image;
    count255[kbd::kHeaderSize + kbd::body::kAltGrCount] = 255;
    Put(decode, "count-255.kbd", count255);

    Bytes earlier = image; // the signature where earlier files had it
    const std::string signature = "Tavik";
    std::copy(signature.begin(), signature.end(), earlier.begin() + 33);
    earlier[38] = earlier[39] = 'x';
    Put(decode, "signature-at-33.kbd", earlier);

    Put(decode, "short.kbd", Bytes(image.begin(), image.end() - 1));
    Put(decode, "zeros.kbd", Bytes(kbd::kImageSize, 0));
    Bytes longer = image;
    longer.resize(1100, 0xFF);
    Put(decode, "long.kbd", longer);

    Put(roundTrip, "default", Fields(kbd::DefaultLayout()));
    Put(roundTrip, "shared-codes", Fields(SharedCodes()));
    Put(roundTrip, "empty", {});
    std::mt19937 random(688);
    Bytes noise(7 * kbd::kKeyCount);
    for (auto& byte : noise) {
        byte = static_cast<std::uint8_t>(random());
    }
    Put(roundTrip, "noise", noise);
    return 0;
}
