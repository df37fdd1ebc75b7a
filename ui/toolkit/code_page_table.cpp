#include "code_page_table.h"

#include "layout/code_page.h"

namespace kbd::toolkit {
namespace {

constexpr char16_t kUndefined = u'\uFFFD';
constexpr char16_t kDottedCircle = u'\u25CC';
constexpr char16_t kControlPictures = u'\u2400';
constexpr char16_t kDeletePicture = u'\u2421';

// A key caption or a palette cell must never look empty by accident: a control code would
// draw nothing, a lone combining mark would fall on its neighbour.
QString Visible(const QString& decoded) {
    if (decoded.size() != 1) {
        return decoded.isEmpty() ? QString(kUndefined) : decoded;
    }
    const char16_t point = decoded.front().unicode();
    if (point == 0) {
        return {};
    }
    if (point < 0x20) {
        return QString(QChar(kControlPictures + point));
    }
    if (point == 0x7F) {
        return QString(QChar(kDeletePicture));
    }
    if (point >= 0x80 && point < 0xA0) {
        return QString(kUndefined);
    }
    if (decoded.front().isMark()) {
        return QString(kDottedCircle) + decoded;
    }
    return decoded;
}

} // namespace

std::optional<CodePageTable> CodePageTable::Load(int number) {
    // The layout library decodes, so the editor and kbdtool can never read a byte apart.
    const auto decoded = DecodeCodePage(number);
    if (!decoded) {
        return std::nullopt;
    }
    CodePageTable table;
    table.number_ = number;
    for (std::size_t code = 0; code < decoded->size(); ++code) {
        const std::string& utf8 = (*decoded)[code];
        table.texts_[code] =
            utf8.empty()
                ? QString(kUndefined)
                : Visible(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    }
    return table;
}

CodePageTable CodePageTable::Latin1() {
    CodePageTable table;
    table.number_ = 28591;
    for (int code = 0; code < 256; ++code) {
        table.texts_[code] = Visible(QString(QChar(static_cast<char16_t>(code))));
    }
    return table;
}

} // namespace kbd::toolkit
