#include "keyboard_file.h"

#include "files/regular_file.h"

namespace kbd::driver {

Result<std::vector<std::uint8_t>> ReadKeyboardFile(const std::string& path) {
    UniqueFd fd;
    if (const Status opened = OpenRegularFile(path, fd); !opened.ok()) {
        return opened.error();
    }
    // One byte more than allowed tells a file that is too long from one that fits.
    std::vector<std::uint8_t> bytes(kMaxKeyboardFileSize + 1);
    const Result<std::size_t> read = ReadUpTo(fd, bytes, path);
    if (!read.ok()) {
        return read.error();
    }
    if (read.value() > kMaxKeyboardFileSize) {
        return Error{ErrorKind::BadKeyboardData, path, "longer than any keyboard file"};
    }
    bytes.resize(read.value());
    return bytes;
}

Result<LoadedKeyboard> LoadKeyboardFile(const std::string& path) {
    const auto bytes = ReadKeyboardFile(path);
    if (!bytes.ok()) {
        return bytes.error();
    }
    auto loaded = LoadKeyboard(bytes.value());
    if (!loaded.ok()) {
        Error error = loaded.error();
        error.path = path;
        return error;
    }
    return loaded;
}

} // namespace kbd::driver
