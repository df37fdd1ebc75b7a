#include "form_detalji.h"

#include "ui/toolkit/fonts.h"
#include "ui/toolkit/info_window.h"
#include "ui/toolkit/memo.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace kbd {

namespace {

constexpr QPoint kPosition{47, 14};
constexpr QSize kClientSize{501, 393};
constexpr QRect kMemoRect{14, 16, 473, 329};
constexpr QRect kButtonRect{202, 352, 97, 25};

QStringList NoticeLines() {
    return {
        QString(),
        QStringLiteral("Tavik's Keyboard Generator for Windows 95"),
        QString(),
        QStringLiteral("The program designs one keyboard layout of 49 keys: the number row, "
                       "the three letter rows, the key beside the left Shift key and the "
                       "decimal key of the numeric pad. Every key has a scan code, a "
                       "virtual-key code, a Caps-Lock flag and four characters: Shift, "
                       "Normal, AltGr and ANSI."),
        QString(),
        QStringLiteral("The layout is saved as a Windows 95 keyboard file (.KBD) of exactly "
                       "688 bytes: a header of 128 bytes followed by a body of 560. The "
                       "program opens again only the files it has written itself."),
        QString(),
        QStringLiteral("Keep a copy of the installed KBD file before you replace it. A layout "
                       "that leaves out a letter can make a password impossible to type."),
        QString(),
        QStringLiteral("This program is free software: you may use, study, share and change "
                       "it. It comes with NO WARRANTY of any kind, not even of "
                       "fitness for a particular purpose. You use it, and the files it "
                       "makes, at your own risk."),
    };
}

} // namespace

Tform_detalji::Tform_detalji(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("form_detalji"));
    setWindowTitle(QStringLiteral("Details"));
    toolkit::SetInfoWindowFrame(this, kPosition, kClientSize);
    // Left in the palette's window-text colour, unlike the black of the notice itself.
    setFont(toolkit::PixelFont(QStringLiteral("System"), 13, false));

    Memo1 = toolkit::NewMemo(this, "Memo1", kMemoRect,
                             toolkit::PixelFont(QStringLiteral("Times New Roman"), 15, false), true,
                             NoticeLines());

    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kButtonRect);
    connect(Button1, &QPushButton::clicked, this, &Tform_detalji::Button1Click);
}

void Tform_detalji::Button1Click() {
    hide();
}

} // namespace kbd
