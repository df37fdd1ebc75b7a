#include "one_key_form.h"

#include "ui/toolkit/display_font.h"
#include "ui/toolkit/fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace kbd {

namespace {

constexpr QPoint kPosition{77, 25};
// A Windows 95 frame takes 8 pixels across and 27 down from the outer
// 244 x 306, which leaves this client area.
constexpr QSize kClientSize{236, 279};

struct LabelPlace {
    const char* name;
    const char* caption;
    QRect rect;
};

constexpr std::array<LabelPlace, 5> kLabels{{
    {"Label1", "Virtual code", {16, 16, 80, 16}},
    {"Label2", "Shift", {56, 64, 29, 16}},
    {"Label3", "Normal", {40, 112, 57, 16}},
    {"Label4", "AltGr", {56, 160, 31, 16}},
    {"Label5", "ANSI code", {24, 208, 73, 16}},
}};

constexpr QRect kVirtualRect{112, 16, 89, 24};
constexpr QRect kShiftRect{112, 48, 89, 42};
constexpr QRect kNormRect{112, 96, 89, 42};
constexpr QRect kAltGrRect{112, 144, 89, 42};
constexpr QRect kAnsiRect{112, 192, 89, 42};
constexpr QRect kCapsRect{32, 248, 169, 17};

constexpr int kSmallPixels = 13; // 10 points
constexpr int kCharPixels = 29;  // 22 points

QComboBox* NewList(QWidget* parent, const char* name, QRect rect, const QFont& font) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(rect);
    list->setFont(font);
    list->setEditable(false);
    // Each entry is its byte; without this a long list would open as a screenful.
    list->setMaxVisibleItems(12);
    QPalette palette = list->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    list->setPalette(palette);
    return list;
}

} // namespace

TOneKeyForm::TOneKeyForm(const toolkit::ShownCodePage& codePage, QWidget* parent)
    : QDialog(parent), codePage_(codePage) {
    setObjectName(QStringLiteral("OneKeyForm"));
    setWindowTitle(QStringLiteral("Code Assignment"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(toolkit::PixelFont(QStringLiteral("System"), kSmallPixels, false));
    resize(kClientSize);
    move(kPosition);

    for (const auto& place : kLabels) {
        // The dialog owns its labels and never changes them.
        auto* label = new QLabel(QString::fromLatin1(place.caption), this);
        label->setObjectName(QString::fromLatin1(place.name));
        label->setGeometry(place.rect);
    }

    const QFont charFont = toolkit::PixelFont(QStringLiteral("Arial"), kCharPixels, true);
    Comb_virt = NewList(this, "Comb_virt", kVirtualRect,
                        toolkit::PixelFont(QStringLiteral("System"), kSmallPixels, true));
    comb_shift = NewList(this, "comb_shift", kShiftRect, charFont);
    comb_mala = NewList(this, "comb_mala", kNormRect, charFont);
    comb_altgr = NewList(this, "comb_altgr", kAltGrRect, charFont);
    comb_ansi = NewList(this, "comb_ansi", kAnsiRect, charFont);

    check_caps = new QCheckBox(QStringLiteral("Affected by Caps Shift"), this);
    check_caps->setObjectName(QStringLiteral("check_caps"));
    check_caps->setGeometry(kCapsRect);
    check_caps->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kSmallPixels, true));
    QPalette capsPalette = check_caps->palette();
    capsPalette.setColor(QPalette::WindowText, Qt::black);
    check_caps->setPalette(capsPalette);

    setTabOrder(check_caps, Comb_virt);
    setTabOrder(Comb_virt, comb_shift);
    setTabOrder(comb_shift, comb_mala);
    setTabOrder(comb_mala, comb_altgr);
    setTabOrder(comb_altgr, comb_ansi);
    // Taken when the dialog is first shown; later it keeps the focus where the user left it.
    check_caps->setFocus();

    FormCreate();
    connect(&codePage_, &toolkit::ShownCodePage::changed, this, &TOneKeyForm::RenderCharLists);
}

void TOneKeyForm::FormCreate() {
    for (int code = 0; code <= 255; ++code) {
        Comb_virt->addItem(QString::number(code));
    }
    for (int code = kFirstChar; code <= 255; ++code) {
        const QString text = codePage_.text(static_cast<std::uint8_t>(code));
        comb_shift->addItem(text);
        comb_mala->addItem(text);
        comb_ansi->addItem(text);
    }
    for (int code = kFirstAltGr; code <= 255; ++code) {
        comb_altgr->addItem(codePage_.text(static_cast<std::uint8_t>(code)));
    }
}

void TOneKeyForm::RenderCharLists() {
    for (int code = kFirstChar; code <= 255; ++code) {
        const QString& text = codePage_.text(static_cast<std::uint8_t>(code));
        const int p = code - kFirstChar;
        comb_shift->setItemText(p, text);
        comb_mala->setItemText(p, text);
        comb_ansi->setItemText(p, text);
    }
    for (int code = kFirstAltGr; code <= 255; ++code) {
        comb_altgr->setItemText(code - kFirstAltGr,
                                codePage_.text(static_cast<std::uint8_t>(code)));
    }
}

void TOneKeyForm::SetCharListFont(const toolkit::DisplayFont& font) {
    for (QComboBox* list : {comb_shift, comb_mala, comb_altgr, comb_ansi}) {
        list->setFont(font.font);
        QPalette palette = list->palette();
        palette.setColor(QPalette::ButtonText, font.color);
        palette.setColor(QPalette::Text, font.color);
        list->setPalette(palette);
    }
}

} // namespace kbd
