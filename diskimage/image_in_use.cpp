#include "image_in_use.h"

#include "files/unique_fd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd::diskimage {
namespace {

std::string ProcessName(const std::filesystem::path& process) {
    std::ifstream in(process / "comm");
    std::string name;
    std::getline(in, name);
    return name.empty() ? "unknown" : name;
}

bool IsNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Processes of other users cannot be looked into; their descriptors stay unseen, which
// the lock check below partly makes up for.
std::optional<std::string> OpenedBy(const struct stat& image) {
    const std::string self = std::to_string(::getpid());
    std::error_code error;
    for (const auto& process : std::filesystem::directory_iterator("/proc", error)) {
        const std::string pid = process.path().filename();
        if (!IsNumber(pid) || pid == self) {
            continue;
        }
        std::error_code unreadable;
        for (const auto& fd :
             std::filesystem::directory_iterator(process.path() / "fd", unreadable)) {
            struct stat info {};
            if (::stat(fd.path().c_str(), &info) == 0 && info.st_dev == image.st_dev &&
                info.st_ino == image.st_ino) {
                return "process " + pid + " (" + ProcessName(process.path()) + ")";
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ImageInUse(const std::string& image) {
    struct stat info {};
    if (::stat(image.c_str(), &info) != 0) {
        return image + ": cannot look at it (" + std::strerror(errno) + ")";
    }
    if (auto process = OpenedBy(info)) {
        return image + ": " + *process +
               " has it open; shut the emulated machine down first (or close the program)";
    }
    const UniqueFd fd(::open(image.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return image + ": cannot open it (" + std::strerror(errno) + ")";
    }
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file: QEMU locks single bytes far into it
    if (::fcntl(fd.get(), F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK) {
        return image + ": another program holds a lock on it, as QEMU does on the disk of a "
                       "running machine; shut the emulated machine down first";
    }
    return std::nullopt;
}

} // namespace kbd::diskimage
