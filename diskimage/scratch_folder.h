// A folder of our own beside a disk image: the image's copy must sit on the same file
// system to be renamed over it, and a crashed run leaves its traces where the user sees
// them. Removed with everything in it when it goes out of scope.
#pragma once

#include "files/result.h"

#include <string>

namespace kbd::diskimage {

class ScratchFolder {
public:
    static Result<ScratchFolder> Beside(const std::string& path);
    // In $TMPDIR (or /tmp), for reading an image whose folder may not be writable;
    // `path` only names the image in a refusal.
    static Result<ScratchFolder> Temporary(const std::string& path);
    ~ScratchFolder();
    ScratchFolder(ScratchFolder&& other) noexcept;
    ScratchFolder& operator=(ScratchFolder&&) = delete;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    explicit ScratchFolder(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

// The folder part of an absolute path: "/a" for "/a/b.img", "/" for "/b.img".
std::string FolderOf(const std::string& path);

} // namespace kbd::diskimage
