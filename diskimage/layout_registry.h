// The REGEDIT4 file that makes Windows 95 know a KBD file as a layout of its own, beside
// the ones it ships, so that nothing of Windows is overwritten. The keys and values are
// those Microsoft's Windows 98 DDK gives for keyboard layouts in the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kbd::diskimage {

inline constexpr std::string_view kLayoutsKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Keyboard layouts";

// The subkey's eight hex digits: a variant word made from `kbdName` (never 0000, which is
// a language's own layout) and the language word of the KBD file (its bytes 2..3).
std::string LayoutKeyName(std::string_view kbdName, std::uint16_t language);

// Why `text` cannot be the "layout text" (REGEDIT4 files are read in the machine's code
// page, so only printable ASCII is sure to arrive), or nothing.
std::optional<std::string> LayoutTextProblem(std::string_view text);

// The file, CRLF line ends: the subkey with "layout file" = `kbdName`, "layout text" =
// `text` and "layout id" = the variant word.
std::string LayoutRegistryFile(std::string_view kbdName, std::string_view text,
                               std::uint16_t language);

// The language word of a KBD file, 0x0409 for one too short to carry it.
std::uint16_t KbdLanguage(std::span<const std::uint8_t> kbd);

} // namespace kbd::diskimage
