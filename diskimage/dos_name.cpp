#include "dos_name.h"

#include <algorithm>
#include <cctype>

namespace kbd::diskimage {
namespace {

bool IsDosCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_-!#$%&'()@^`{}~").find(c) != std::string_view::npos;
}

bool IsPart(std::string_view part, std::size_t longest) {
    return part.size() <= longest && std::all_of(part.begin(), part.end(), IsDosCharacter);
}

} // namespace

bool IsDosName(std::string_view name) {
    const auto dot = name.find('.');
    const std::string_view stem = name.substr(0, dot);
    if (stem.empty() || !IsPart(stem, 8)) {
        return false;
    }
    return dot == std::string_view::npos || IsPart(name.substr(dot + 1), 3);
}

std::optional<std::string> DosNameOf(std::string_view name) {
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!IsDosName(upper)) {
        return std::nullopt;
    }
    return upper;
}

std::string WithExtension(std::string_view name, std::string_view extension) {
    return std::string(name.substr(0, name.find('.'))) + "." + std::string(extension);
}

std::string VolumePath(const std::vector<std::string>& parts) {
    std::string path = "::";
    for (const std::string& part : parts) {
        path += "/" + part;
    }
    return parts.empty() ? path + "/" : path;
}

} // namespace kbd::diskimage
