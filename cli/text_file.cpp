#include "text_file.h"

#include "files/atomic_file.h"
#include "files/regular_file.h"

#include <cstdint>
#include <span>

namespace cli {

kbd::Result<std::string> ReadTextFile(const std::string& path) {
    kbd::UniqueFd fd;
    if (kbd::Status opened = kbd::OpenRegularFile(path, fd); !opened.ok()) {
        return opened.error();
    }
    std::string text;
    std::uint8_t chunk[4096];
    for (;;) {
        const kbd::Result<std::size_t> got = kbd::ReadUpTo(fd, chunk, path);
        if (!got.ok()) {
            return got.error();
        }
        text.append(reinterpret_cast<const char*>(chunk), got.value());
        if (got.value() < sizeof chunk) {
            return text;
        }
    }
}

kbd::Status WriteTextFile(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return kbd::ReplaceFileContents(path, std::span(bytes, text.size()));
}

} // namespace cli
