// What every refusal a fuzz target meets must be: a sentence short enough for a message
// box and without a control character that could drive the terminal it is printed on.
#pragma once

#include <string_view>

namespace kbd::fuzz {

inline bool Readable(std::string_view message, std::size_t longest) {
    if (message.empty() || message.size() > longest) {
        return false;
    }
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace kbd::fuzz
