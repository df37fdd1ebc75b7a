// The code page through which the byte-captioned widgets show their bytes. The widgets
// keep their bytes and redraw when it changes, so a new display font never edits a key.
#pragma once

#include "codepage/code_page.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

namespace kbd::toolkit {

class ShownCodePage : public QObject {
    Q_OBJECT
public:
    // Starts with the default code page, Windows-1250.
    explicit ShownCodePage(QObject* parent = nullptr);

    int number() const { return page_.number(); }
    const kbd::CodePage& page() const { return page_; }

    // Switches to "CP<number>" and emits changed(); false, and nothing changes, when the
    // system cannot convert that code page.
    bool setNumber(int number);

    // What a widget shows for `code`, as the code page module says.
    const QString& text(std::uint8_t code) const { return texts_[code]; }

signals:
    void changed();

private:
    void adopt(const kbd::CodePage& page);

    kbd::CodePage page_;
    std::array<QString, 256> texts_;
};

} // namespace kbd::toolkit
