#include "refuse.h"

#include "files/excerpt.h"

#include <iostream>

namespace cli {

ExitStatus Refuse(std::string_view message) {
    std::cerr << "kbdtool: " << kbd::Escaped(message) << "\n";
    return ExitRefused;
}

} // namespace cli
