#include "install.h"

#include "dos_name.h"
#include "fat_tools.h"
#include "files/unique_fd.h"
#include "image_in_use.h"
#include "layout_registry.h"
#include "scratch_folder.h"
#include "survey.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd::diskimage {
namespace {

// What the copy must hold when the writing is done: a volume file and its bytes.
struct Expected {
    std::vector<std::string> path;
    std::vector<std::uint8_t> bytes;
};

// The plan: every name checked, every byte known, before the copy is made.
struct Plan {
    std::string image;
    WindowsFolder windows;
    std::string kbdName;  // in SYSTEM
    std::string keptName; // Replace: NAME.ORI, when it is to be made now
    std::string regName;  // Add: NAME.REG in the Windows folder
    std::string regText;
    std::vector<std::uint8_t> original; // Replace: the file replaced
    std::vector<Expected> expected;
    InstallReport report;
};

std::vector<std::string> InSystem(const Plan& plan, const std::string& name) {
    return {plan.windows.folder, "SYSTEM", name};
}

Status WriteFile(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        return Refusal(path + ": cannot write it (" + std::strerror(errno) + ")");
    }
    return Success();
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Where(const Plan& plan) {
    return plan.image + " (partition " + std::to_string(plan.windows.volume.number) + ")";
}

Result<Plan> PlanReplace(const InstallRequest& request, Plan plan, const FatTools& tools) {
    const auto name = DosNameOf(request.name);
    const auto& layouts = plan.windows.layouts;
    const auto found = std::find_if(layouts.begin(), layouts.end(), [&](const LayoutFile& file) {
        return name && file.name == *name;
    });
    if (found == layouts.end()) {
        std::string names;
        for (const LayoutFile& file : layouts) {
            names += (names.empty() ? "" : ", ") + file.name;
        }
        return Refusal(plan.image + ": " + plan.windows.folder + "\\SYSTEM has no " + request.name +
                       (names.empty() ? "" : " (it has " + names + ")"));
    }
    plan.kbdName = *name;
    plan.original = found->bytes;
    const std::string kept = WithExtension(*name, "ORI");
    const std::string system = plan.windows.folder + "\\SYSTEM\\";
    if (!tools.exists(InSystem(plan, kept))) {
        plan.keptName = kept;
        plan.expected.push_back({InSystem(plan, kept), plan.original});
    }
    plan.expected.push_back({InSystem(plan, plan.kbdName), request.kbd});
    plan.report.done = "Replaced " + system + plan.kbdName + " in " + Where(plan) +
                       (plan.keptName.empty() ? "; the original was kept before as "
                                              : "; the original is kept as ") +
                       system + kept + ".";
    plan.report.back = "To go back, delete " + system + plan.kbdName + " and rename " + system +
                       kept + " to " + plan.kbdName + ", then restart Windows.";
    return plan;
}

Result<Plan> PlanAdd(const InstallRequest& request, Plan plan, const FatTools& tools) {
    const auto stem = DosNameOf(request.name);
    if (!stem || stem->find('.') != std::string::npos) {
        return Refusal(request.name + ": not a DOS file name of 1 to 8 letters, digits, _ or - "
                                      "without an extension");
    }
    const std::string text = request.text.empty() ? *stem : request.text;
    if (auto problem = LayoutTextProblem(text)) {
        return Refusal("\"" + text + "\": " + *problem);
    }
    plan.kbdName = *stem + ".KBD";
    plan.regName = *stem + ".REG";
    const std::string system = plan.windows.folder + "\\SYSTEM\\";
    if (tools.exists(InSystem(plan, plan.kbdName))) {
        return Refusal(plan.image + ": " + system + plan.kbdName +
                       " exists already; choose another name, or replace it");
    }
    if (tools.exists({plan.windows.folder, plan.regName})) {
        return Refusal(plan.image + ": " + plan.windows.folder + "\\" + plan.regName +
                       " exists already; choose another name");
    }
    const std::uint16_t language = KbdLanguage(request.kbd);
    plan.regText = LayoutRegistryFile(plan.kbdName, text, language);
    plan.expected.push_back({InSystem(plan, plan.kbdName), request.kbd});
    plan.expected.push_back(
        {{plan.windows.folder, plan.regName}, {plan.regText.begin(), plan.regText.end()}});
    const std::string reg = plan.windows.folder + "\\" + plan.regName;
    plan.report.done = "Added " + system + plan.kbdName + " and " + reg + " to " + Where(plan) +
                       ". In Windows, open " + reg + ", then choose \"" + text +
                       "\" under Control Panel, Keyboard, Language, Properties.";
    plan.report.back = "To go back, remove the layout under Control Panel, Keyboard, "
                       "Language, and the registry key " +
                       std::string(kLayoutsKey) + "\\" + LayoutKeyName(plan.kbdName, language) +
                       " with regedit.";
    return plan;
}

Result<Plan> MakePlan(const InstallRequest& request) {
    auto survey = SurveyImage(request.image);
    if (!survey.ok()) {
        return survey.error();
    }
    auto windows = ChooseWindows(survey.value(), request.partition);
    if (!windows.ok()) {
        return windows.error();
    }
    Plan plan;
    plan.image = survey.value().image;
    plan.windows = windows.value();
    auto tools = FatTools::On(plan.image, plan.windows.volume.byteOffset());
    if (!tools.ok()) {
        return tools.error();
    }
    return request.way == InstallWay::Replace ? PlanReplace(request, std::move(plan), tools.value())
                                              : PlanAdd(request, std::move(plan), tools.value());
}

// Writes the plan into the copy with mtools and reads every file back.
Status WriteAndCheck(const Plan& plan, const std::string& copy, const ScratchFolder& scratch,
                     const std::vector<std::uint8_t>& kbd) {
    auto opened = FatTools::On(copy, plan.windows.volume.byteOffset());
    if (!opened.ok()) {
        return opened.error();
    }
    const FatTools& tools = opened.value();
    const std::string kbdFile = scratch.file(plan.kbdName);
    if (auto written = WriteFile(kbdFile, kbd.data(), kbd.size()); !written.ok()) {
        return written;
    }
    if (!plan.keptName.empty()) {
        if (auto kept = tools.rename(InSystem(plan, plan.kbdName), InSystem(plan, plan.keptName));
            !kept.ok()) {
            return kept;
        }
    }
    if (auto copied = tools.copyIn(kbdFile, InSystem(plan, plan.kbdName)); !copied.ok()) {
        return copied;
    }
    if (!plan.regName.empty()) {
        const std::string regFile = scratch.file(plan.regName);
        if (auto written = WriteFile(regFile, plan.regText.data(), plan.regText.size());
            !written.ok()) {
            return written;
        }
        if (auto copied = tools.copyIn(regFile, {plan.windows.folder, plan.regName});
            !copied.ok()) {
            return copied;
        }
    }
    const std::string back = scratch.file("back");
    if (::mkdir(back.c_str(), 0700) != 0) {
        return Refusal(back + ": cannot make it (" + std::strerror(errno) + ")");
    }
    for (const Expected& file : plan.expected) {
        const std::vector<std::string> folder(file.path.begin(), file.path.end() - 1);
        if (auto listed = tools.list(folder, file.path.back());
            !listed.ok() || listed.value().size() != 1) {
            return Refusal(plan.image + ": " + file.path.back() +
                           " is not in the folder after writing; nothing was changed");
        }
        if (auto copied = tools.copyOut(folder, file.path.back(), back); !copied.ok()) {
            return copied;
        }
        if (ReadAll(back + "/" + file.path.back()) != file.bytes) {
            return Refusal(plan.image + ": " + file.path.back() +
                           " read back differs from what was written; nothing was changed");
        }
    }
    return Success();
}

// The copy takes the image's place with the image's permission bits (and owner, where
// allowed); the image must not have changed, nor been opened, since it was copied.
Status PutInPlace(const std::string& image, const std::string& copy, const struct stat& before) {
    struct stat now {};
    if (::stat(image.c_str(), &now) != 0 || now.st_size != before.st_size ||
        now.st_mtim.tv_sec != before.st_mtim.tv_sec ||
        now.st_mtim.tv_nsec != before.st_mtim.tv_nsec) {
        return Refusal(image + ": it changed while the layout was being written; nothing was "
                               "changed");
    }
    if (auto busy = ImageInUse(image)) {
        return Refusal(*busy);
    }
    const UniqueFd fd(::open(copy.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd.valid() || ::fchmod(fd.get(), before.st_mode & 07777) != 0 || ::fsync(fd.get()) != 0) {
        return Refusal(image + ": cannot finish the copy (" + std::strerror(errno) +
                       "); nothing was changed");
    }
    // Only root may give a file away; for anyone else the owner is already theirs.
    [[maybe_unused]] const int owned = ::fchown(fd.get(), before.st_uid, before.st_gid);
    if (::rename(copy.c_str(), image.c_str()) != 0) {
        return Refusal(image + ": cannot replace it with the written copy (" +
                       std::strerror(errno) + "); nothing was changed");
    }
    const UniqueFd folder(::open(FolderOf(image).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) {
        ::fsync(folder.get());
    }
    return Success();
}

} // namespace

Result<InstallReport> InstallLayout(const InstallRequest& request, const CopyProgress& progress) {
    if (auto busy = ImageInUse(request.image)) {
        return Refusal(*busy);
    }
    auto plan = MakePlan(request);
    if (!plan.ok()) {
        return plan.error();
    }
    const std::string& image = plan.value().image;
    struct stat before {};
    if (::stat(image.c_str(), &before) != 0) {
        return Refusal(image + ": cannot look at it (" + std::strerror(errno) + ")");
    }
    auto scratch = ScratchFolder::Beside(image);
    if (!scratch.ok()) {
        return scratch.error();
    }
    const std::string copy = scratch.value().file("image");
    if (auto copied = CopyImage(image, copy, progress); !copied.ok()) {
        return copied.error();
    }
    if (auto written = WriteAndCheck(plan.value(), copy, scratch.value(), request.kbd);
        !written.ok()) {
        return written.error();
    }
    if (auto placed = PutInPlace(image, copy, before); !placed.ok()) {
        return placed.error();
    }
    return plan.value().report;
}

} // namespace kbd::diskimage
