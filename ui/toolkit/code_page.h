// The code page through which the byte-captioned widgets show their bytes. The widgets
// keep their bytes and redraw when it changes, so a new display font never edits a key.
#pragma once

#include "code_page_table.h"

#include <QObject>
#include <QString>
#include <cstdint>

namespace kbd::toolkit {

inline constexpr int kStartCodePage = 1250;

class CodePage : public QObject {
    Q_OBJECT
public:
    // Starts with Windows-1250, the code page of the language every written file announces.
    explicit CodePage(QObject* parent = nullptr);

    int number() const { return table_.number(); }

    // Switches to "CP<number>" and emits changed(); false, and nothing changes, when the
    // system cannot convert that code page.
    bool setNumber(int number);

    const QString& text(std::uint8_t code) const { return table_.text(code); }

signals:
    void changed();

private:
    CodePageTable table_;
};

} // namespace kbd::toolkit
