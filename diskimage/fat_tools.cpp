#include "fat_tools.h"

#include "dos_name.h"
#include "files/child_process.h"

#include <algorithm>

namespace kbd::diskimage {
namespace {

bool IsAbsoluteHostPath(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

bool AreDosNames(const std::vector<std::string>& parts) {
    return std::all_of(parts.begin(), parts.end(), IsDosName);
}

// A pattern is a DOS name with * or ? in it; the same characters otherwise.
bool IsDosPattern(const std::string& pattern) {
    std::string probe = pattern;
    std::replace(probe.begin(), probe.end(), '*', 'X');
    std::replace(probe.begin(), probe.end(), '?', 'X');
    return IsDosName(probe);
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

Error Unsafe(const std::string& what) {
    return Refusal("refused to pass " + what + " to mtools");
}

} // namespace

Result<FatTools> FatTools::On(const std::string& image, std::uint64_t byteOffset) {
    if (!IsAbsoluteHostPath(image) || image.find("@@") != std::string::npos) {
        return Refusal(image + ": mtools needs an absolute image path without \"@@\"");
    }
    return FatTools(image + "@@" + std::to_string(byteOffset), image);
}

Result<std::string> FatTools::run(std::vector<std::string> argv) const {
    const ChildRun run = RunChildReading(argv);
    if (!run.started) {
        return Refusal(image_ + ": cannot run " + argv[0] + " (" + run.error +
                       "); writing into a disk image needs mtools installed");
    }
    if (run.status != 0) {
        std::string message = image_ + ": " + argv[0] + " failed (" +
                              (run.status < 0 ? std::string("killed by a signal")
                                              : "exit status " + std::to_string(run.status)) +
                              ")";
        const std::string said = FirstLine(run.error);
        return Refusal(said.empty() ? message : message + ": " + said);
    }
    return run.output;
}

Result<std::vector<VolumeEntry>> FatTools::list(const std::vector<std::string>& folder,
                                                const std::string& pattern) const {
    if (!AreDosNames(folder) || (!pattern.empty() && !IsDosPattern(pattern))) {
        return Unsafe("a folder or pattern that is not made of DOS names");
    }
    const std::string prefix = VolumePath(folder) + (folder.empty() ? "" : "/");
    auto listed = run({"mdir", "-b", "-i", drive_, prefix + pattern});
    if (!listed.ok()) {
        return listed.error();
    }
    std::vector<VolumeEntry> entries;
    const std::string& text = listed.value();
    for (std::size_t at = 0; at < text.size();) {
        const auto end = std::min(text.find('\n', at), text.size());
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (line.compare(0, prefix.size(), prefix) != 0 || line.size() == prefix.size()) {
            continue;
        }
        line.erase(0, prefix.size());
        const bool isFolder = line.back() == '/';
        if (isFolder) {
            line.pop_back();
        }
        entries.push_back(VolumeEntry{line, isFolder});
    }
    return entries;
}

bool FatTools::exists(const std::vector<std::string>& file) const {
    return AreDosNames(file) && run({"mdir", "-b", "-i", drive_, VolumePath(file)}).ok();
}

Status FatTools::copyOut(const std::vector<std::string>& folder, const std::string& pattern,
                         const std::string& into) const {
    if (!AreDosNames(folder) || !IsDosPattern(pattern) || !IsAbsoluteHostPath(into)) {
        return Unsafe("a name that is not a DOS name or a host folder that is not absolute");
    }
    // -n: the host folder is our own scratch folder, nothing there to ask about.
    auto copied =
        run({"mcopy", "-n", "-i", drive_, VolumePath(folder) + "/" + pattern, into + "/"});
    return copied.ok() ? Success() : Status(copied.error());
}

Status FatTools::copyIn(const std::string& from, const std::vector<std::string>& to) const {
    if (!IsAbsoluteHostPath(from) || to.empty() || !AreDosNames(to)) {
        return Unsafe("a host file that is not absolute or a name that is not a DOS name");
    }
    // -D o replaces a file of that name without asking; standard input reads nothing,
    // so a question would fail the copy.
    auto copied = run({"mcopy", "-D", "o", "-i", drive_, from, VolumePath(to)});
    return copied.ok() ? Success() : Status(copied.error());
}

Status FatTools::rename(const std::vector<std::string>& from,
                        const std::vector<std::string>& to) const {
    if (from.empty() || to.empty() || !AreDosNames(from) || !AreDosNames(to)) {
        return Unsafe("a name that is not a DOS name");
    }
    auto moved = run({"mmove", "-i", drive_, VolumePath(from), VolumePath(to)});
    return moved.ok() ? Success() : Status(moved.error());
}

} // namespace kbd::diskimage
