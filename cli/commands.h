// The kbdtool commands. Each returns the process exit status and reports any
// refusal on standard error; none writes a file unless it has succeeded in full.
#pragma once

#include "codepage/code_page.h"
#include "exit_status.h"
#include "layout/layout_check.h"

#include <optional>
#include <string>

namespace cli {

ExitStatus WriteDefault(const std::string& out);
// Without `out` the JSON goes to standard output.
// Every command reads its layout through ReadLayout: characters of .klc and XKB files
// become bytes of `page`.
ExitStatus ExportJson(const std::string& kbdFile, const std::optional<std::string>& out,
                      const kbd::CodePage& page);
// A KBD file from any keyboard file kbdtool reads.
ExitStatus ImportToKbd(const std::string& file, const std::string& out, const kbd::CodePage& page);
ExitStatus ShowTable(const std::string& kbdFile, const kbd::CodePage& page);
ExitStatus CheckFile(const std::string& kbdFile, const kbd::CodePage& page);
// The picture format follows the extension of `out`; any other is a refused output.
ExitStatus WritePicture(const std::string& kbdFile, const std::string& out,
                        const kbd::CodePage& page);
// One line a finding, or "no findings"; ExitRefused when a finding loses data.
ExitStatus LintFile(const std::string& kbdFile, const kbd::CodePage& page);

} // namespace cli
