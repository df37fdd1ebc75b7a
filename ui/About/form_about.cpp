#include "form_about.h"

#include "ui/Detalji/form_detalji.h"
#include "ui/toolkit/app_icon.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/info_window.h"
#include "ui/toolkit/show_modeless.h"
#include "version/version.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace kbd {

namespace {

constexpr QPoint kPosition{49, 18};
constexpr QSize kClientSize{536, 316};
constexpr QRect kImageRect{120, 88, 113, 121};
constexpr QRect kButtonRect{219, 280, 97, 25};
// Under the fixed version line, in the gap above the short description.

constexpr QRgb kPurple = 0x800080;
constexpr QRgb kMaroon = 0x800000;

const QString kDetails = QStringLiteral("&Details");
const QString kOk = QStringLiteral("&OK");

struct LabelPlace {
    const char* name;
    const char* text;
    QRect rect;
    const char* face;
    int pixels;
    bool italic;
    QRgb color;
    Qt::Alignment alignment;
    bool wordWrap;
};

const std::array<LabelPlace, 6> kLabels{{
    {"Label1",
     "Tavik's Keyboard Generator ",
     {28, 16, 480, 43},
     "Times New Roman",
     37,
     true,
     kPurple,
     Qt::AlignHCenter | Qt::AlignTop,
     false},
    {"Label2",
     "for Windows 95",
     {381, 56, 148, 19},
     "Times New Roman",
     16,
     false,
     kPurple,
     Qt::AlignLeft | Qt::AlignTop,
     false},
    {"Label3",
     ",",
     {436, 78, 17, 16},
     "MS Sans Serif",
     13,
     false,
     kMaroon,
     Qt::AlignLeft | Qt::AlignTop,
     false},
    {"Label6",
     "Version for Linux", // the build puts its version in
     {248, 88, 217, 15},
     "Times New Roman",
     13,
     true,
     kMaroon,
     Qt::AlignLeft | Qt::AlignTop,
     false},
    {"Label5",
     "A keyboard layout editor for the Linux desktop, by the kbdgen developers.",
     {250, 160, 159, 49},
     "Arial",
     13,
     false,
     kMaroon,
     Qt::AlignLeft | Qt::AlignTop,
     true},
    {"Label4",
     "This is free software and comes with no warranty. Keep a copy of the installed KBD "
     "file before you replace it.",
     {78, 216, 379, 57},
     "Arial",
     13,
     false,
     kMaroon,
     Qt::AlignHCenter | Qt::AlignTop,
     true},
}};

QLabel* NewLabel(QWidget* parent, const LabelPlace& place) {
    auto* label = new QLabel(QString::fromLatin1(place.text), parent);
    label->setObjectName(QString::fromLatin1(place.name));
    label->setGeometry(place.rect);
    QFont font = toolkit::PixelFont(QString::fromLatin1(place.face), place.pixels, false);
    font.setItalic(place.italic);
    label->setFont(font);
    label->setAlignment(place.alignment);
    label->setWordWrap(place.wordWrap);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(place.color));
    label->setPalette(palette);
    return label;
}

} // namespace

Tform_about::Tform_about(Tform_detalji& details, QWidget* parent)
    : QDialog(parent), form_detalji_(details) {
    setObjectName(QStringLiteral("form_about"));
    setWindowTitle(QStringLiteral("About"));
    toolkit::SetInfoWindowFrame(this, kPosition, kClientSize);
    setFont(toolkit::PixelFont(QStringLiteral("MS Sans Serif"), 13, false));

    // The window owns its labels; only the title is reached again, for its strip.
    Label1 = NewLabel(this, kLabels.front());
    for (std::size_t i = 1; i < kLabels.size(); ++i) {
        NewLabel(this, kLabels[i]);
    }
    // The title stands on a strip of button face, which sets it off from the window.
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::Window, titlePalette.color(QPalette::Button));
    Label1->setPalette(titlePalette);
    Label1->setAutoFillBackground(true);

    // The version comes from the build, the same that kbdtool --version prints.
    findChild<QLabel*>(QStringLiteral("Label6"))
        ->setText(QStringLiteral("Version %1 for Linux").arg(QString::fromLatin1(kVersion)));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kImageRect);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(toolkit::AppPicture(kImageRect.size(), devicePixelRatio()));

    Button2 = new QPushButton(kDetails, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(kButtonRect);
    connect(Button2, &QPushButton::clicked, this, &Tform_about::Button2Click);
}

void Tform_about::showEvent(QShowEvent* event) {
    // Spontaneous shows come from the window system (a restore from the task bar); only a
    // show by the program starts the button over.
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void Tform_about::FormShow() {
    Button2->setText(kDetails);
}

void Tform_about::Button2Click() {
    if (Button2->text() != kOk) {
        toolkit::ShowModeless(&form_detalji_);
        Button2->setText(kOk);
    } else {
        hide();
    }
}

} // namespace kbd
