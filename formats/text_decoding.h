// Keyboard sources are text in one of two encodings: MSKLC writes UTF-16LE with a
// byte-order mark and also reads UTF-8. Both become code points here, so the readers
// never see bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace formats {

// True when the bytes start with the UTF-16LE byte-order mark FF FE.
bool HasUtf16LeMark(std::span<const std::uint8_t> bytes);

// The text without its byte-order mark: UTF-16LE after FF FE, else UTF-8 (after EF BB BF
// or none). Nothing, with `why` set, for a sequence neither encoding allows.
std::optional<std::u32string> DecodeText(std::span<const std::uint8_t> bytes, std::string& why);

} // namespace formats
