#include "scratch_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace kbd::diskimage {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

namespace {

Result<std::string> Make(std::string pattern, const std::string& path) {
    if (::mkdtemp(pattern.data()) == nullptr) {
        return Refusal(path + ": cannot make a scratch folder for it (" + std::strerror(errno) +
                       ")");
    }
    return pattern;
}

} // namespace

Result<ScratchFolder> ScratchFolder::Beside(const std::string& path) {
    auto made = Make(FolderOf(path) + "/.kbdgen-install-XXXXXX", path);
    if (!made.ok()) {
        return made.error();
    }
    return ScratchFolder(made.value());
}

Result<ScratchFolder> ScratchFolder::Temporary(const std::string& path) {
    const char* folder = std::getenv("TMPDIR");
    auto made = Make(std::string(folder != nullptr && *folder == '/' ? folder : "/tmp") +
                         "/kbdgen-survey-XXXXXX",
                     path);
    if (!made.ok()) {
        return made.error();
    }
    return ScratchFolder(made.value());
}

ScratchFolder::ScratchFolder(ScratchFolder&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

} // namespace kbd::diskimage
