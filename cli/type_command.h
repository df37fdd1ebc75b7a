// kbdtool type: what Windows 95's keyboard driver types with a file, press by press.
#pragma once

#include "codepage/code_page.h"
#include "exit_status.h"

#include <string>
#include <vector>

namespace cli {

// Every press is checked before the file is read: a malformed one is wrong usage.
ExitStatus TypePresses(const std::string& file, const kbd::CodePage& page,
                       const std::vector<std::string>& presses);

} // namespace cli
