// What each byte of an 8-bit Windows code page stands for, as UTF-8. Layout bytes never
// change; only how they read does, so every display of them starts here.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace kbd {

// UTF-8 text of each byte, converted through iconv from "CP<number>"; an empty string
// where the code page defines no character (byte 0 reads as one NUL character).
// Nothing when iconv does not know the code page.
using CodePageBytes = std::array<std::string, 256>;
std::optional<CodePageBytes> DecodeCodePage(int number);

} // namespace kbd
