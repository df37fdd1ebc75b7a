#include "pomoc.h"

#include "help_texts.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/info_window.h"
#include "ui/toolkit/memo.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace kbd {

namespace {

constexpr QPoint kPosition{70, 12};
constexpr QSize kClientSize{494, 415};
constexpr QRect kNotebookRect{8, 8, 473, 369};
constexpr QRect kReadingMemoRect{8, 8, 449, 321};
constexpr QRect kAdsMemoRect{8, 8, 441, 321};
constexpr QRect kButtonRect{209, 384, 81, 25};

const QString kTimes = QStringLiteral("Times New Roman");
const QString kSans = QStringLiteral("MS Sans Serif");

QWidget* AddPage(QTabWidget* notebook, const char* name, const QString& caption) {
    auto* page = new QWidget(notebook);
    page->setObjectName(QString::fromLatin1(name));
    notebook->addTab(page, caption);
    return page;
}

void MakeTextBlack(QWidget* widget, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    palette.setColor(role, Qt::black);
    widget->setPalette(palette);
}

} // namespace

TPomoc::TPomoc(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Pomoc"));
    setWindowTitle(QStringLiteral("Help"));
    toolkit::SetInfoWindowFrame(this, kPosition, kClientSize);
    setFont(toolkit::PixelFont(kTimes, 13, false));
    MakeTextBlack(this, QPalette::WindowText);

    TabbedNotebook1 = new QTabWidget(this);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(kNotebookRect);
    TabbedNotebook1->tabBar()->setFont(toolkit::PixelFont(kSans, 11, false));
    MakeTextBlack(TabbedNotebook1->tabBar(), QPalette::WindowText);

    const QFont memoFont = toolkit::PixelFont(kTimes, 16, false);
    Memo1 =
        toolkit::NewMemo(AddPage(TabbedNotebook1, "Introduction", QStringLiteral("Introduction")),
                         "Memo1", kReadingMemoRect, memoFont, true, IntroductionLines());
    Memo2 = toolkit::NewMemo(
        AddPage(TabbedNotebook1, "UsingTheProgram", QStringLiteral("Using The Program")), "Memo2",
        kReadingMemoRect, memoFont, true, UsageLines());
    Memo4 = toolkit::NewMemo(AddPage(TabbedNotebook1, "Ads", QStringLiteral("Ads")), "Memo4",
                             kAdsMemoRect, memoFont, false, AdsLines());
    TabbedNotebook1->setCurrentIndex(0);

    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kButtonRect);
    Button1->setFont(toolkit::PixelFont(kSans, 13, false));
    MakeTextBlack(Button1, QPalette::ButtonText);
    connect(Button1, &QPushButton::clicked, this, &TPomoc::Button1Click);
}

void TPomoc::Button1Click() {
    hide();
}

} // namespace kbd
