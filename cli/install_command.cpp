#include "install_command.h"

#include "diskimage/install.h"
#include "diskimage/layout_preview.h"
#include "diskimage/survey.h"
#include "layout/writer.h"
#include "layout_input.h"
#include "refuse.h"

#include <iostream>
#include <unistd.h>

namespace cli {
namespace {

ExitStatus Wrong(const std::string& why) {
    std::cerr << "kbdtool: install: " << why << "\n";
    return ExitUsage;
}

// A percentage that rewrites itself, only where someone watches: a log gets nothing.
kbd::diskimage::CopyProgress TerminalProgress() {
    if (::isatty(STDERR_FILENO) == 0) {
        return {};
    }
    return [shown = -1](std::uint64_t done, std::uint64_t total) mutable {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (percent != shown) {
            shown = percent;
            std::cerr << "\rcopying the image: " << percent << "%" << (percent == 100 ? "\n" : "")
                      << std::flush;
        }
    };
}

} // namespace

InstallCommand::InstallCommand(CLI::App& app, int& codePage)
    : command_(app.add_subcommand("install")) {
    command_->add_option("FILE DISK.IMG", paths_)->expected(1, 2);
    command_->add_flag("--list", list_);
    command_->add_option("--replace", replace_);
    command_->add_option("--add", add_);
    command_->add_option("--text", text_);
    command_->add_option("--partition", partition_);
    command_->add_option("--codepage", codePage);
}

std::optional<ExitStatus> InstallCommand::run(const kbd::CodePage& page) const {
    if (!command_->parsed()) {
        return std::nullopt;
    }
    if (list_) {
        if (paths_.size() != 1 || replace_ || add_) {
            return Wrong("--list takes one DISK.IMG and neither --replace nor --add");
        }
        return list(paths_[0], page);
    }
    if (paths_.size() != 2 || replace_.has_value() == add_.has_value()) {
        return Wrong("give FILE DISK.IMG and one of --replace KBDXX.KBD, --add NAME");
    }
    if (!text_.empty() && !add_) {
        return Wrong("--text goes with --add");
    }
    return install(paths_[0], paths_[1], page);
}

ExitStatus InstallCommand::list(const std::string& image, const kbd::CodePage& page) const {
    namespace disk = kbd::diskimage;
    const auto survey = disk::SurveyImage(image);
    if (!survey.ok()) {
        return Refuse(survey.error().message());
    }
    if (survey.value().windows.empty()) {
        return Refuse(disk::ChooseWindows(survey.value(), -1).error().message());
    }
    for (const disk::WindowsFolder& windows : survey.value().windows) {
        std::cout << "partition " << windows.volume.number << ": " << windows.folder << "\n";
        for (const disk::LayoutFile& file : windows.layouts) {
            std::cout << "  " << file.name << std::string(12 - file.name.size(), ' ')
                      << kbd::diskimage::FirstRowPreview(file.bytes, page) << "\n";
        }
    }
    return ExitOk;
}

ExitStatus InstallCommand::install(const std::string& file, const std::string& image,
                                   const kbd::CodePage& page) const {
    const auto layout = ReadLayout(file, page);
    if (!layout) {
        return ExitRefused;
    }
    namespace disk = kbd::diskimage;
    disk::InstallRequest request;
    request.image = image;
    request.partition = partition_;
    request.way = replace_ ? disk::InstallWay::Replace : disk::InstallWay::Add;
    request.name = replace_ ? *replace_ : *add_;
    request.text = text_;
    request.kbd = kbd::BuildKbdFile(*layout);
    const auto installed = disk::InstallLayout(request, TerminalProgress());
    if (!installed.ok()) {
        return Refuse(installed.error().message());
    }
    std::cout << installed.value().done << "\n" << installed.value().back << "\n";
    return ExitOk;
}

} // namespace cli
