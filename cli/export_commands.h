// kbdtool to-xkb, to-klc and floppy: the layout in the formats of other systems, through
// the same export code as the editor's Tools menu.
#pragma once

#include "codepage/code_page.h"
#include "exit_status.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace cli {

class ExportCommands {
public:
    // Adds the three subcommands to `app`; their --codepage fills `codePage`, which the
    // caller shares with its other commands and turns into a code page.
    ExportCommands(CLI::App& app, int& codePage);

    // The exit status of the export command given, or nothing when none was.
    std::optional<ExitStatus> run(const kbd::CodePage& page) const;

private:
    CLI::App* xkb_;
    CLI::App* klc_;
    CLI::App* floppy_;
    std::string in_;
    std::string out_;
    std::optional<std::string> name_;
    std::optional<std::string> locale_; // to-klc's --locale, BCP 47
};

} // namespace cli
