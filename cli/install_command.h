// kbdtool install: the layout into the Windows of an emulated machine's disk image, by
// the same code as the editor's Tools menu.
#pragma once

#include "codepage/code_page.h"
#include "exit_status.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace cli {

class InstallCommand {
public:
    // Adds the subcommand to `app`; its --codepage (the one the previews are read in)
    // fills `codePage`, which the caller turns into a code page.
    InstallCommand(CLI::App& app, int& codePage);

    // The exit status when install was given, or nothing.
    std::optional<ExitStatus> run(const kbd::CodePage& page) const;

private:
    ExitStatus list(const std::string& image, const kbd::CodePage& page) const;
    ExitStatus install(const std::string& file, const std::string& image,
                       const kbd::CodePage& page) const;

    CLI::App* command_;
    std::vector<std::string> paths_;
    bool list_ = false;
    std::optional<std::string> replace_;
    std::optional<std::string> add_;
    std::string text_;
    int partition_ = -1;
};

} // namespace cli
