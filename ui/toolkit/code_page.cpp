#include "code_page.h"

namespace kbd::toolkit {

CodePage::CodePage(QObject* parent)
    : QObject(parent),
      table_(CodePageTable::Load(kStartCodePage).value_or(CodePageTable::Latin1())) {}

bool CodePage::setNumber(int number) {
    auto table = CodePageTable::Load(number);
    if (!table) {
        return false;
    }
    table_ = std::move(*table);
    emit changed();
    return true;
}

} // namespace kbd::toolkit
