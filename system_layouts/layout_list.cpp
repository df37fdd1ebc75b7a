#include "layout_list.h"

#include "codepage/code_page.h"
#include "codepage/locales.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <xkbcommon/xkbregistry.h>

namespace kbd {
namespace {

// The registry's complaints would only clutter a terminal; its first error is kept as the
// reason a failed parse gives the user (the XML parser's line with the fault; the lines
// after it quote the text and point at it).
void KeepFirstError(rxkb_context* context, rxkb_log_level level, const char* format, va_list args) {
    std::string& said = *static_cast<std::string*>(rxkb_context_get_user_data(context));
    if (level > RXKB_LOG_LEVEL_ERROR || !said.empty()) {
        return;
    }
    char line[512];
    std::vsnprintf(line, sizeof line, format, args);
    said = line;
    while (!said.empty() && (said.back() == '\n' || said.back() == ' ')) {
        said.pop_back();
    }
}

// The file libxkbregistry reads xkeyboard-config's layouts from, as it finds its root.
std::string RegistryFile() {
    const char* root = std::getenv("XKB_CONFIG_ROOT");
    return std::string(root != nullptr && *root != '\0' ? root : "/usr/share/X11/xkb") +
           "/rules/evdev.xml";
}

// Why the registry could not be read: the file is missing or closed to us, or else what
// libxkbregistry said about its contents.
Error RegistryError(const std::string& said) {
    const std::string file = RegistryFile();
    if (::access(file.c_str(), R_OK) != 0) {
        return Error{ErrorKind::CannotOpen, file, std::strerror(errno)};
    }
    return Error{ErrorKind::ReadFailed, file,
                 said.empty() ? "libxkbregistry could not parse it" : said};
}

struct ContextUnref {
    void operator()(rxkb_context* context) const { rxkb_context_unref(context); }
};

bool IsNameCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) != 0 || c == '_' || c == '-';
}

bool IsName(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsNameCharacter);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

} // namespace

std::string LayoutId(std::string_view name, std::string_view variant) {
    std::string id(name);
    if (!variant.empty()) {
        id.append("(").append(variant).append(")");
    }
    return id;
}

std::optional<SystemLayout> ParseLayoutId(std::string_view id) {
    const auto open = id.find('(');
    if (open == std::string_view::npos) {
        return IsName(id) ? std::optional(SystemLayout{std::string(id), {}, {}, {}}) : std::nullopt;
    }
    const std::string_view name = id.substr(0, open);
    if (id.back() != ')' || open + 1 >= id.size()) {
        return std::nullopt;
    }
    const std::string_view variant = id.substr(open + 1, id.size() - open - 2);
    if (!IsName(name) || !IsName(variant)) {
        return std::nullopt;
    }
    return SystemLayout{std::string(name), std::string(variant), {}, {}};
}

Result<std::vector<SystemLayout>> ListSystemLayouts() {
    const std::unique_ptr<rxkb_context, ContextUnref> context(
        rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!context) {
        return RegistryError({});
    }
    std::string said;
    rxkb_context_set_user_data(context.get(), &said);
    rxkb_context_set_log_fn(context.get(), KeepFirstError);
    // evdev: the rules every keymap here is compiled with.
    if (!rxkb_context_parse(context.get(), "evdev")) {
        return RegistryError(said);
    }
    std::vector<SystemLayout> layouts;
    for (rxkb_layout* layout = rxkb_layout_first(context.get()); layout != nullptr;
         layout = rxkb_layout_next(layout)) {
        SystemLayout row{Text(rxkb_layout_get_name(layout)),
                         Text(rxkb_layout_get_variant(layout)),
                         Text(rxkb_layout_get_description(layout)),
                         {}};
        for (rxkb_iso639_code* code = rxkb_layout_get_iso639_first(layout); code != nullptr;
             code = rxkb_iso639_code_next(code)) {
            row.languages.push_back(Text(rxkb_iso639_code_get_code(code)));
        }
        // xkeyboard-config names the languages of most variants only on their layout.
        if (row.languages.empty() && !row.variant.empty() && !layouts.empty() &&
            layouts.back().name == row.name) {
            row.languages = layouts.back().languages;
        }
        layouts.push_back(std::move(row));
    }
    return layouts;
}

std::optional<int> ImpliedCodePage(const SystemLayout& layout) {
    // A variant named after a script asks for it: rs(latin), az(cyrillic).
    LetterScript wanted = LetterScript::None;
    if (ContainsIgnoringCase(layout.variant, "latin")) {
        wanted = LetterScript::Latin;
    } else if (ContainsIgnoringCase(layout.variant, "cyr")) {
        wanted = LetterScript::Cyrillic;
    }
    for (const std::string& language : layout.languages) {
        for (const WindowsLocale& row : WindowsLocales()) {
            if (row.iso639 == language &&
                (wanted == LetterScript::None || MainScript(row.codePage) == wanted)) {
                return row.codePage;
            }
        }
        if (LocaleOfLanguage(language, 0) != nullptr) {
            return std::nullopt; // the language is known, but not in the script asked for
        }
    }
    return std::nullopt;
}

const WindowsLocale* LayoutLocale(const SystemLayout& layout, int codePage) {
    for (const std::string& language : layout.languages) {
        if (const WindowsLocale* locale = LocaleOfLanguage(language, codePage)) {
            return locale;
        }
    }
    return nullptr;
}

bool LayoutMatches(const SystemLayout& layout, std::string_view text) {
    return ContainsIgnoringCase(LayoutId(layout), text) ||
           ContainsIgnoringCase(layout.description, text);
}

} // namespace kbd
