#include "image_copy.h"

#include "copy_calls.h"
#include "files/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kbd::diskimage {
namespace {

int Clone(int to, int from) {
    return ::ioctl(to, FICLONE, from);
}

constexpr std::uint64_t kSlice = 8 << 20;

std::string Megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

// copy_file_range lets the kernel (or a network file system) copy without our buffer;
// where it cannot, plain reads and writes do the same.
bool CopySlice(int from, int to, std::uint64_t at, std::uint64_t size, std::vector<char>& buffer) {
    auto in = static_cast<off_t>(at), out = static_cast<off_t>(at);
    std::uint64_t left = size;
    while (left > 0) {
        const ssize_t copied = ::copy_file_range(from, &in, to, &out, left, 0);
        if (copied > 0) {
            left -= static_cast<std::uint64_t>(copied);
            continue;
        }
        if (copied < 0 && errno == EINTR) {
            continue;
        }
        break;
    }
    while (left > 0) {
        const std::size_t chunk = std::min<std::uint64_t>(left, buffer.size());
        const ssize_t got = ::pread(from, buffer.data(), chunk, in);
        if (got <= 0) {
            return false;
        }
        if (::pwrite(to, buffer.data(), static_cast<std::size_t>(got), out) != got) {
            return false;
        }
        in += got;
        out += got;
        left -= static_cast<std::uint64_t>(got);
    }
    return true;
}

} // namespace

CopyCalls& ImageCopyCalls() {
    static CopyCalls calls{Clone, ::fstatvfs};
    return calls;
}

Status CopyImage(const std::string& image, const std::string& copy, const CopyProgress& progress) {
    const UniqueFd from(::open(image.c_str(), O_RDONLY | O_CLOEXEC));
    if (!from.valid()) {
        return Refusal(image + ": cannot open it (" + std::strerror(errno) + ")");
    }
    struct stat info {};
    if (::fstat(from.get(), &info) != 0) {
        return Refusal(image + ": cannot read its size (" + std::strerror(errno) + ")");
    }
    const UniqueFd to(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!to.valid()) {
        return Refusal(image + ": cannot make a copy beside it (" + std::strerror(errno) + ")");
    }
    const CopyCalls& calls = ImageCopyCalls();
    const auto total = static_cast<std::uint64_t>(info.st_size);
    if (calls.clone(to.get(), from.get()) == 0) {
        if (progress) {
            progress(total, total);
        }
        return Success();
    }
    struct statvfs space {};
    if (calls.fstatvfs(to.get(), &space) != 0) {
        return Refusal(image + ": cannot tell the free space beside it (" + std::strerror(errno) +
                       ")");
    }
    const std::uint64_t free = static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize;
    if (free < total) {
        return Refusal(image + ": writing into it safely needs a copy of it, " + Megabytes(total) +
                       ", and its file system has only " + Megabytes(free) +
                       " free; nothing was written");
    }
    std::vector<char> buffer(1 << 20);
    for (std::uint64_t at = 0; at < total; at += kSlice) {
        if (progress) {
            progress(at, total);
        }
        const std::uint64_t size = std::min(kSlice, total - at);
        if (!CopySlice(from.get(), to.get(), at, size, buffer)) {
            return Refusal(image + ": copying it failed (" + std::strerror(errno) +
                           "); nothing was written");
        }
        // The copy must reach the disk before it replaces the image; starting that now lets
        // the disk write while the next slice is read, instead of all at the final fsync.
        ::sync_file_range(to.get(), static_cast<off_t>(at), static_cast<off_t>(size),
                          SYNC_FILE_RANGE_WRITE);
    }
    if (progress) {
        progress(total, total);
    }
    return Success();
}

} // namespace kbd::diskimage
