#include "floppy.h"

#include "diskimage/layout_registry.h"
#include "files/atomic_file.h"
#include "files/child_process.h"
#include "files/regular_file.h"
#include "floppy_readme.h"
#include "layout/writer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace kbd::exports {
namespace {

// The target's folder as an absolute path: every path handed to mtools then starts with
// '/', so that no folder name can read as an option ("-d") or a drive letter ("a:").
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, failed);
    return failed ? folder : absolute.lexically_normal().string();
}

// A scratch folder beside the target, so that it is on the same disk and a reader of
// the target's folder can see where a crashed run left it; removed with its contents.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& target) {
        std::string pattern = FolderOf(target) + "/.kbdgen-floppy-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        } else {
            error_ = errno;
        }
    }
    ~ScratchFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    int error() const { return error_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    int error_ = 0;
};

// The first line of what a tool said, enough to tell a full disk from a bad option.
std::string FirstLine(const std::string& text) {
    const auto end = text.find('\n');
    return text.substr(0, end);
}

Status Run(const std::string& target, const std::vector<std::string>& argv) {
    const ChildRun run = RunChild(argv);
    if (!run.started) {
        return Refusal(target + ": cannot run " + argv[0] + " (" + run.error +
                       "); the floppy needs mtools installed");
    }
    if (run.status == 0) {
        return Success();
    }
    std::string message = target + ": " + argv[0] + " failed (" +
                          (run.status < 0 ? std::string("killed by a signal")
                                          : "exit status " + std::to_string(run.status)) +
                          ")";
    const std::string said = FirstLine(run.error);
    return Refusal(said.empty() ? message : message + ": " + said);
}

Status ReadImage(const std::string& target, const std::string& image,
                 std::vector<std::uint8_t>& bytes) {
    UniqueFd fd;
    const Status opened = OpenRegularFile(image, fd);
    if (!opened.ok()) {
        return Refusal(target + ": " + opened.error().message());
    }
    // One byte more than a floppy holds tells a wrong size from a right one.
    bytes.resize(kFloppyImageSize + 1);
    const Result<std::size_t> read = ReadUpTo(fd, bytes, image);
    if (!read.ok()) {
        return Refusal(target + ": " + read.error().message());
    }
    if (read.value() != kFloppyImageSize) {
        return Refusal(target + ": mformat made an image of " + std::to_string(read.value()) +
                       " bytes instead of " + std::to_string(kFloppyImageSize));
    }
    bytes.resize(kFloppyImageSize);
    return Success();
}

Error Fail(ErrorKind kind, const std::string& path, int error) {
    return Error{kind, path, std::strerror(error)};
}

} // namespace

Status MakeInstallFloppy(const KeyboardLayout& layout, std::string_view name,
                         const std::string& path) {
    const Result<FloppyName> chosen = ChooseFloppyName(name, path);
    if (!chosen.ok()) {
        return chosen.error();
    }
    // The user named the image, not our scratch files: a fault in making them is told as
    // the same fault in writing the image.
    const auto asTarget = [&path](const Error& error) {
        return Error{error.kind, path, error.reason};
    };
    const ScratchFolder scratch(path);
    if (!scratch.ok()) {
        return Fail(ErrorKind::CannotCreate, path, scratch.error());
    }
    const std::string& kbdName = chosen.value().file;
    const std::string image = scratch.file("floppy.img"), kbd = scratch.file(kbdName),
                      readme = scratch.file("README.TXT");
    const std::string regName = kbdName.substr(0, kbdName.find('.')) + ".REG",
                      reg = scratch.file(regName);
    const std::string readmeText = FloppyReadme(kbdName);
    const std::vector<std::uint8_t> kbdBytes = BuildKbdFile(layout);
    // The same file an install into a disk image adds, so both ways register alike.
    const std::string regText = diskimage::LayoutRegistryFile(
        kbdName, kbdName.substr(0, kbdName.find('.')), diskimage::KbdLanguage(kbdBytes));
    const auto asBytes = [](const std::string& text) {
        return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    };
    for (const auto& [file, bytes] :
         {std::pair{kbd, std::span<const std::uint8_t>(kbdBytes)},
          std::pair{readme, asBytes(readmeText)}, std::pair{reg, asBytes(regText)}}) {
        if (const Status written = ReplaceFileContents(file, bytes); !written.ok()) {
            return asTarget(written.error());
        }
    }
    if (Status made = Run(path, {"mformat", "-C", "-f", "1440", "-i", image, "::"}); !made.ok()) {
        return made;
    }
    if (Status copied = Run(path, {"mcopy", "-i", image, kbd, reg, readme, "::"}); !copied.ok()) {
        return copied;
    }
    std::vector<std::uint8_t> bytes;
    if (Status read = ReadImage(path, image, bytes); !read.ok()) {
        return read;
    }
    return WriteWhole(path, bytes);
}

} // namespace kbd::exports
