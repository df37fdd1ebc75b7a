// mtools on one FAT volume of an image file (`-i image@@offset`). Every argument is made
// safe before it is passed: the image and every host file by an absolute path (never an
// option, never a drive letter), every file of the volume as "::/" and DOS names.
#pragma once

#include "files/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::diskimage {

struct VolumeEntry {
    std::string name; // as mtools prints it, without a folder
    bool folder = false;
};

class FatTools {
public:
    // Refuses an image path that is not absolute or holds "@@", which mtools would read as
    // the start of the offset.
    static Result<FatTools> On(const std::string& image, std::uint64_t byteOffset);

    // What a folder (DOS names from the root; {} for the root) holds, or the files that a
    // pattern such as KBD*.KBD matches in it.
    Result<std::vector<VolumeEntry>> list(const std::vector<std::string>& folder,
                                          const std::string& pattern = "") const;
    bool exists(const std::vector<std::string>& file) const;
    // Copies the files a pattern matches in `folder` into the host folder `into`.
    Status copyOut(const std::vector<std::string>& folder, const std::string& pattern,
                   const std::string& into) const;
    // Copies the host file `from` to `to`, replacing a file of that name.
    Status copyIn(const std::string& from, const std::vector<std::string>& to) const;
    Status rename(const std::vector<std::string>& from, const std::vector<std::string>& to) const;

private:
    FatTools(std::string drive, std::string image) : drive_(std::move(drive)), image_(image) {}
    Result<std::string> run(std::vector<std::string> argv) const;

    std::string drive_; // the argument of -i
    std::string image_;
};

} // namespace kbd::diskimage
