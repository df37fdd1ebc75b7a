// The one way kbdtool says why it did not do something: "kbdtool: " and the reason on
// standard error, with any control character of the input it quotes escaped, so that a
// hostile name cannot drive the terminal.
#pragma once

#include "exit_status.h"

#include <string_view>

namespace cli {

// Prints the reason; ExitRefused, for a return statement.
ExitStatus Refuse(std::string_view message);

} // namespace cli
