#include "export_names.h"

#include "files/atomic_file.h"

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

ExportFailure WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    const Status written = ReplaceFileContents(path, bytes);
    if (written.ok()) {
        return std::nullopt;
    }
    return written.error().message();
}

ExportFailure WriteWhole(const std::string& path, std::string_view text) {
    return WriteWhole(path,
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace kbd::exports
