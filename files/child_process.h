// Runs another program and waits for it, without a shell between: arguments reach it as
// given, whatever characters a file name holds.
#pragma once

#include <string>
#include <vector>

namespace kbd {

struct ChildRun {
    bool started = false; // false when the program could not be run at all
    int status = -1;      // the exit status; -1 when it ended on a signal
    std::string error;    // what it wrote on standard error, or why it did not start
    std::string output;   // what it wrote on standard output, when asked to keep it
};

// Looks `argv[0]` up in PATH. Standard input reads nothing, standard output is dropped.
ChildRun RunChild(const std::vector<std::string>& argv);

// The same, keeping standard output in `output`, for a program whose answer is printed.
ChildRun RunChildReading(const std::vector<std::string>& argv);

} // namespace kbd
