#include "atomic_file.h"

#include "system_calls.h"
#include "unique_fd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd {
namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string DirName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Error Fail(ErrorKind kind, const std::string& path, int error) {
    return Error{kind, path, ErrnoText(error)};
}

// The kernel's fs.protected_symlinks rule, which open() obeys but a resolution by hand
// does not: in a folder that anyone may write to and that is sticky, only a link of the
// caller or of the folder's owner is followed. Another user's link there is a trap that
// would make us replace a file of ours that the link names.
bool MayFollow(const std::string& link, const struct stat& linkStat) {
    struct stat folder {};
    if (::stat(DirName(link).c_str(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folder.st_uid;
}

// Follows symbolic links by hand, since realpath() fails for a link whose file does
// not exist yet, and saving through such a link should create that file. As many hops
// as the kernel allows; more is a loop.
Result<std::string> ResolveLinks(const std::string& path) {
    constexpr int kMaxHops = 40;
    std::string target = path;
    for (int hops = 0; hops < kMaxHops; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return target;
        }
        if (!MayFollow(target, st)) {
            return Error{ErrorKind::LinkRefused, path,
                         target + " belongs to another user, in a sticky folder that anyone "
                                  "may write to"};
        }
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) {
            return Fail(ErrorKind::LinkRefused, path, errno);
        }
        link.resize(static_cast<std::size_t>(length));
        target = link.starts_with('/') ? link : DirName(target) + "/" + link;
    }
    return Fail(ErrorKind::LinkRefused, path, ELOOP);
}

// Creates a fresh file beside `target` with a name no other file has. O_EXCL makes
// sure we never write into a file that someone else created in the meantime.
UniqueFd CreateTemporary(const SystemCalls& calls, const std::string& target,
                         std::string& tempPath) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string prefix = DirName(target) + "/." + BaseName(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + std::to_string(random() % 1000000000u) + ".tmp";
        UniqueFd fd(calls.open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return UniqueFd();
}

bool WriteAll(const SystemCalls& calls, int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const ssize_t written = calls.write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

SystemCalls& FileSystemCalls() {
    static SystemCalls calls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        ::write,
        ::fsync,
        ::close,
        ::rename,
        ::unlink};
    return calls;
}

Status ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> data) {
    // An empty name would otherwise be told as a failed rename of a file without a name.
    if (path.empty()) {
        return Fail(ErrorKind::CannotCreate, "\"\"", ENOENT);
    }
    const Result<std::string> resolved = ResolveLinks(path);
    if (!resolved.ok()) {
        return resolved.error();
    }
    const std::string& target = resolved.value();

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return Fail(ErrorKind::IsFolder, path, EISDIR);
    }
    // Renaming over a FIFO or a device would replace the node itself.
    if (exists && !S_ISREG(existing.st_mode)) {
        return Error{ErrorKind::NotRegularFile, path, {}};
    }

    const SystemCalls& calls = FileSystemCalls();
    std::string tempPath;
    UniqueFd fd = CreateTemporary(calls, target, tempPath);
    if (!fd.valid()) {
        return Fail(ErrorKind::CannotCreate, path, errno);
    }

    // The reason is taken before the clean-up, whose own calls may change errno.
    auto abandon = [&](ErrorKind kind) {
        const int error = errno;
        fd.reset();
        calls.unlink(tempPath.c_str());
        return Fail(kind, path, error);
    };

    if (exists) {
        if (::fchown(fd.get(), existing.st_uid, existing.st_gid) != 0) {
            // Only a privileged user can keep another user's ownership; otherwise the
            // file becomes the saver's, as any editor's save makes it.
        }
        if (::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
            return abandon(ErrorKind::CannotWrite);
        }
    }
    if (!WriteAll(calls, fd.get(), data)) {
        return abandon(ErrorKind::CannotWrite);
    }
    if (calls.fsync(fd.get()) != 0) {
        return abandon(ErrorKind::CannotWrite);
    }
    // Some file systems report a deferred write error only here.
    if (calls.close(fd.release()) != 0) {
        return abandon(ErrorKind::CannotWrite);
    }
    if (calls.rename(tempPath.c_str(), target.c_str()) != 0) {
        return abandon(ErrorKind::CannotReplace);
    }

    return Success();
}

} // namespace kbd
