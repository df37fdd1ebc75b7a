// kbdtool's two commands on the desktop's own keyboard layouts: "layouts" lists them,
// "from-xkb" turns one into a KBD file through the same rules and save as the editor.
#pragma once

#include "codepage/code_page.h"
#include "exit_status.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace cli {

// One line a layout or variant, "name" or "name(variant)", a tab and the description;
// `filter` keeps those whose name or description holds it, in any case.
ExitStatus ListLayouts(const std::string& filter);

// Writes `out` from the system layout `id` ("de", "de(nodeadkeys)") read in `codePage`,
// with its dead keys or, without `deadKeys`, their accents as plain characters; then one
// line on standard error for each character not carried. A layout the system does not
// list, or a code page iconv lacks, is refused and nothing is written. A symbols file's
// path reads as kbdtool import reads it, dead keys as plain characters.
ExitStatus FromXkb(const std::string& id, const std::string& out, int codePage,
                   bool deadKeys = true);

// Adds both commands to kbdtool's command line and runs the one given.
class SystemLayoutCommands {
public:
    explicit SystemLayoutCommands(CLI::App& app);
    SystemLayoutCommands(const SystemLayoutCommands&) = delete; // the parser holds our fields
    SystemLayoutCommands& operator=(const SystemLayoutCommands&) = delete;

    // The exit status when the command line named one of the two; nothing otherwise.
    std::optional<ExitStatus> Run() const;

private:
    CLI::App* layouts_;
    CLI::App* fromXkb_;
    std::string filter_;
    std::string id_;
    std::string out_;
    int codePage_ = kbd::kDefaultCodePage;
    bool noDeadKeys_ = false;
};

} // namespace cli
