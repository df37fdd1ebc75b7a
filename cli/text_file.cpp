#include "text_file.h"

#include "files/atomic_file.h"
#include "files/regular_file.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace cli {

kbd::Result<std::string> ReadTextFile(const std::string& path, std::size_t limit) {
    kbd::UniqueFd fd;
    if (kbd::Status opened = kbd::OpenRegularFile(path, fd); !opened.ok()) {
        return opened.error();
    }
    std::string text;
    std::uint8_t chunk[4096];
    while (text.size() <= limit) {
        const std::size_t want = std::min(sizeof chunk, limit + 1 - text.size());
        const kbd::Result<std::size_t> got = kbd::ReadUpTo(fd, std::span(chunk, want), path);
        if (!got.ok()) {
            return got.error();
        }
        text.append(reinterpret_cast<const char*>(chunk), got.value());
        if (got.value() < want) {
            return text;
        }
    }
    return text;
}

kbd::Status WriteTextFile(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return kbd::ReplaceFileContents(path, std::span(bytes, text.size()));
}

} // namespace cli
