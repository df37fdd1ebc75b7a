#include "export_names.h"

#include "files/atomic_file.h"

#include <algorithm>

namespace kbd::exports {

std::string FileStem(std::string_view path) {
    const auto slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // A leading dot starts a hidden name, not an extension.
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

std::string KlcShortName(std::string_view name) {
    std::string shortName;
    for (const char c : name) {
        if (shortName.size() == 8) {
            break;
        }
        if (c >= 'a' && c <= 'z') {
            shortName += static_cast<char>(c - 'a' + 'A');
        } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            shortName += c;
        }
    }
    return shortName.empty() ? "LAYOUT" : shortName;
}

std::string FloppyKbdName(std::string_view name) {
    std::string base;
    for (const char c : name) {
        if (base.size() == 8) {
            break;
        }
        if (c >= 'a' && c <= 'z') {
            base += static_cast<char>(c - 'a' + 'A');
        } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-') {
            base += c;
        }
    }
    return (base.empty() ? "LAYOUT" : base) + ".KBD";
}

Result<FloppyName> ChooseFloppyName(std::string_view name, const std::string& image) {
    FloppyName chosen{FloppyKbdName(name), {}};
    const std::string base = chosen.file.substr(0, chosen.file.size() - 4);
    static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    const bool numbered = base.size() == 4 &&
                          (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
                          base[3] <= '9';
    if (numbered || std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end()) {
        return Error{ErrorKind::NotExportable, image,
                     base +
                         " is the name of a DOS device, which DOS and Windows 95 "
                         "open instead of any file " +
                         base + ".KBD; choose another name"};
    }
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (upper != base) {
        chosen.note = "the layout is " + chosen.file +
                      " on the floppy: a DOS name has at most 8 letters, digits, _ or -";
    }
    return chosen;
}

Status WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    return ReplaceFileContents(path, bytes);
}

Status WriteWhole(const std::string& path, std::string_view text) {
    return WriteWhole(path,
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace kbd::exports
