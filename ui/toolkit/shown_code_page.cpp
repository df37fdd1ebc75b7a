#include "shown_code_page.h"

namespace kbd::toolkit {

ShownCodePage::ShownCodePage(QObject* parent)
    : QObject(parent), page_(kbd::CodePage::LoadOrLatin1(kDefaultCodePage)) {
    adopt(page_);
}

bool ShownCodePage::setNumber(int number) {
    const auto page = kbd::CodePage::Load(number);
    if (!page) {
        return false;
    }
    adopt(*page);
    emit changed();
    return true;
}

void ShownCodePage::adopt(const kbd::CodePage& page) {
    page_ = page;
    for (int code = 0; code < 256; ++code) {
        texts_[code] = QString::fromStdString(page.shown(static_cast<std::uint8_t>(code)));
    }
}

} // namespace kbd::toolkit
