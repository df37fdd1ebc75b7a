#include "regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace kbd {

Status OpenRegularFile(const std::string& path, UniqueFd& fd) {
    // O_NONBLOCK keeps open() from waiting for a writer when the path is a FIFO.
    fd.reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) {
        return Error{ErrorKind::CannotOpen, path, std::strerror(errno)};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        const int error = errno;
        fd.reset();
        return Error{ErrorKind::CannotOpen, path, std::strerror(error)};
    }
    if (!S_ISREG(st.st_mode)) {
        fd.reset();
        return Error{ErrorKind::NotRegularFile, path, {}};
    }
    return Success();
}

Result<std::size_t> ReadUpTo(const UniqueFd& fd, std::span<std::uint8_t> into,
                             const std::string& path) {
    std::size_t have = 0;
    while (have < into.size()) {
        const ssize_t got = ::read(fd.get(), into.data() + have, into.size() - have);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Error{ErrorKind::ReadFailed, path, std::strerror(errno)};
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    return have;
}

} // namespace kbd
