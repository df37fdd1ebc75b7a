// Input quoted in a message: a hostile file or argument must not reach the terminal as
// escape sequences, nor make a message as long as itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kbd {

// `text` with every control character (C0, DEL, C1) and every byte that is not part of
// valid UTF-8 written as \xNN, the rest as it is.
std::string Escaped(std::string_view text);

// Escaped(text), cut after `limit` characters with "…" when it is longer.
std::string Excerpt(std::string_view text, std::size_t limit = 40);

} // namespace kbd
