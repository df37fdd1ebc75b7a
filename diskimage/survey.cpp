#include "survey.h"

#include "dos_name.h"
#include "fat_tools.h"
#include "files/regular_file.h"
#include "scratch_folder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kbd::diskimage {
namespace {

Result<std::vector<Volume>> VolumesOf(const std::string& path, std::uint64_t diskBytes) {
    UniqueFd fd;
    const Status opened = OpenRegularFile(path, fd);
    if (!opened.ok()) {
        return opened.error();
    }
    const SectorReader read = [&](std::uint64_t sector, std::span<std::uint8_t> into) {
        const std::uint64_t at = sector * kSectorSize;
        if (at + into.size() > diskBytes) {
            return false;
        }
        return ::pread(fd.get(), into.data(), into.size(), static_cast<off_t>(at)) ==
               static_cast<ssize_t>(into.size());
    };
    return ReadVolumes(read, diskBytes / kSectorSize, path);
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every SYSTEM\KBD*.KBD, copied out in one mcopy into a folder of its own.
Result<std::vector<LayoutFile>> LayoutsOf(const FatTools& tools, const std::string& folder,
                                          const ScratchFolder& scratch) {
    const std::vector<std::string> system{folder, "SYSTEM"};
    auto listed = tools.list(system, "KBD*.KBD");
    std::vector<LayoutFile> layouts;
    if (!listed.ok() || listed.value().empty()) {
        return layouts; // mdir fails when nothing matches
    }
    const std::string into = scratch.file(folder);
    std::filesystem::create_directory(into);
    if (auto copied = tools.copyOut(system, "KBD*.KBD", into); !copied.ok()) {
        return copied.error();
    }
    for (const VolumeEntry& entry : listed.value()) {
        if (!entry.folder && IsDosName(entry.name)) {
            layouts.push_back(LayoutFile{entry.name, ReadAll(into + "/" + entry.name)});
        }
    }
    std::sort(layouts.begin(), layouts.end(),
              [](const LayoutFile& a, const LayoutFile& b) { return a.name < b.name; });
    return layouts;
}

Status FindWindows(const std::string& image, const Volume& volume, const ScratchFolder& scratch,
                   std::vector<WindowsFolder>& found) {
    auto tools = FatTools::On(image, volume.byteOffset());
    if (!tools.ok()) {
        return tools.error();
    }
    auto root = tools.value().list({});
    if (!root.ok()) {
        return root.error();
    }
    for (const VolumeEntry& entry : root.value()) {
        if (!entry.folder || !IsDosName(entry.name)) {
            continue;
        }
        const FatTools& fat = tools.value();
        if (!fat.exists({entry.name, "WIN.COM"}) ||
            !fat.exists({entry.name, "SYSTEM", "KEYBOARD.DRV"})) {
            continue;
        }
        auto layouts = LayoutsOf(fat, entry.name, scratch);
        if (!layouts.ok()) {
            return layouts.error();
        }
        found.push_back(WindowsFolder{volume, entry.name, std::move(layouts.value())});
    }
    return Success();
}

} // namespace

Result<Survey> SurveyImage(const std::string& path) {
    std::string resolved(PATH_MAX, '\0');
    if (::realpath(path.c_str(), resolved.data()) == nullptr) {
        return Refusal(path + ": cannot open it (" + std::strerror(errno) + ")");
    }
    resolved.resize(std::strlen(resolved.c_str()));
    auto format = ReadImageFormat(resolved);
    if (!format.ok()) {
        return format.error();
    }
    auto volumes = VolumesOf(resolved, format.value().diskBytes);
    if (!volumes.ok()) {
        return volumes.error();
    }
    auto scratch = ScratchFolder::Temporary(resolved);
    if (!scratch.ok()) {
        return scratch.error();
    }
    Survey survey{resolved, format.value(), volumes.value(), {}};
    for (const Volume& volume : survey.volumes) {
        if (auto failed = FindWindows(resolved, volume, scratch.value(), survey.windows);
            !failed.ok()) {
            return failed.error();
        }
    }
    return survey;
}

Result<WindowsFolder> ChooseWindows(const Survey& survey, int partition) {
    if (survey.windows.empty()) {
        return Refusal(survey.image +
                       ": no Windows folder (a folder with WIN.COM and SYSTEM\\KEYBOARD.DRV) "
                       "on any FAT partition");
    }
    std::string numbers;
    for (const WindowsFolder& windows : survey.windows) {
        if (windows.volume.number == partition || (partition < 0 && survey.windows.size() == 1)) {
            return windows;
        }
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(windows.volume.number);
    }
    if (partition < 0) {
        return Refusal(survey.image + ": Windows on partitions " + numbers +
                       "; choose one with --partition N");
    }
    return Refusal(survey.image + ": no Windows folder on partition " + std::to_string(partition) +
                   " (Windows is on partition " + numbers + ")");
}

} // namespace kbd::diskimage
