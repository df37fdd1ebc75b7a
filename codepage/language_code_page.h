// The Windows code page a language's layouts are typed in, from the language word that
// keyboard files carry (a .klc's LOCALEID, a KBD file's header word at offset 2), so an
// import or a preview can read the file in the code page it was made for.
#pragma once

#include <cstdint>
#include <optional>

namespace kbd {

// The ANSI code page Windows gives the language `langId` (primary language in the low
// ten bits, sublanguage above); nothing for a language it gives none or we do not know.
std::optional<int> CodePageOfLanguage(std::uint16_t langId);

} // namespace kbd
