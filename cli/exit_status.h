// The exit statuses that scripts calling kbdtool rely on.
#pragma once

namespace cli {

enum ExitStatus : int {
    ExitOk = 0,
    ExitRefused = 1, // a file or input that the editor would not take, or an I/O failure
    ExitUsage = 2,   // the command line itself is wrong
};

} // namespace cli
