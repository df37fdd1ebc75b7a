#include "code_page_table.h"

#include <QByteArray>
#include <iconv.h>
#include <memory>
#include <type_traits>

namespace kbd::toolkit {
namespace {

constexpr char16_t kUndefined = u'\uFFFD';
constexpr char16_t kDottedCircle = u'\u25CC';
constexpr char16_t kControlPictures = u'\u2400';
constexpr char16_t kDeletePicture = u'\u2421';

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

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

// One byte on its own: the Windows code pages are stateless, but the converter is reset
// so that a refused byte cannot leave anything behind for the next one.
std::optional<QString> Decode(iconv_t cd, std::uint8_t code) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(code);
    char out[16];
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return QString::fromUtf8(out, static_cast<qsizetype>(outPtr - out));
}

} // namespace

std::optional<CodePageTable> CodePageTable::Load(int number) {
    const QByteArray name = "CP" + QByteArray::number(number);
    const iconv_t handle = iconv_open("UTF-8", name.constData());
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    const Converter cd(handle);
    CodePageTable table;
    table.number_ = number;
    for (int code = 0; code < 256; ++code) {
        const auto decoded = Decode(cd.get(), static_cast<std::uint8_t>(code));
        table.texts_[code] = decoded ? Visible(*decoded) : QString(kUndefined);
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
