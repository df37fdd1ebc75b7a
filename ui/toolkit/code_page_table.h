// How each byte of an 8-bit Windows code page appears on screen.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kbd::toolkit {

class CodePageTable {
public:
    // Every byte as the layout library decodes "CP<number>"; nothing when the system does not
    // know that code page.
    static std::optional<CodePageTable> Load(int number);

    // A table that reads every byte as ISO 8859-1, for a system without Windows code pages.
    static CodePageTable Latin1();

    int number() const { return number_; }

    // What a widget shows for `code`: nothing for 0, a control picture for the other
    // control codes, a visible placeholder where the code page defines no character.
    const QString& text(std::uint8_t code) const { return texts_[code]; }

private:
    int number_ = 0;
    std::array<QString, 256> texts_;
};

} // namespace kbd::toolkit
