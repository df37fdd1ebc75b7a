#include "text_file.h"

#include "layout/atomic_file.h"
#include "layout/unique_fd.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

kbd::Result<std::string> ReadTextFile(const std::string& path) {
    using kbd::Error;
    using kbd::ErrorKind;
    // O_NONBLOCK keeps open() from waiting for a writer when the path is a FIFO.
    kbd::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) {
        return Error{ErrorKind::CannotOpen, path, std::strerror(errno)};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return Error{ErrorKind::CannotOpen, path, std::strerror(errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return Error{ErrorKind::NotRegularFile, path, {}};
    }
    std::string text;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Error{ErrorKind::ReadFailed, path, std::strerror(errno)};
        }
        if (got == 0) {
            return text;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
}

kbd::Status WriteTextFile(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return kbd::ReplaceFileContents(path, std::span(bytes, text.size()));
}

} // namespace cli
