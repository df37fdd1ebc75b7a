// The letters' cases and the holes of a Windows code page, as the layout check needs them.
#pragma once

#include "layout/layout_check.h"

#include <optional>

namespace kbd::toolkit {

// Read through the layout library's decoder, so the check and every display agree on
// what each byte is; a byte's upper case counts only when the same code page has it as
// one byte. Nothing when iconv does not know "CP<codePage>".
std::optional<CodePageFacts> FactsFor(int codePage);

// ISO 8859-1, for a system without Windows code pages, as CodePageTable::Latin1 reads it.
CodePageFacts Latin1Facts();

} // namespace kbd::toolkit
