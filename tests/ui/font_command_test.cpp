// Options, Font: what face, size, style, colour and code page each group of widgets takes,
// whether the chooser is confirmed or cancelled.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/font_chooser.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

namespace {

struct Look {
    QString family;
    int pixels;
    bool bold;
    bool italic;
    bool underline;
    QColor color;

    friend bool operator==(const Look&, const Look&) = default;
};

Look LookOf(const QWidget* widget, QPalette::ColorRole role) {
    const QFont& f = widget->font();
    return {f.family(), f.pixelSize(), f.bold(),
            f.italic(), f.underline(), widget->palette().color(role)};
}

Look Expected(const QString& family, int pixels, bool bold, QColor color) {
    return {family, pixels, bold, false, false, color};
}

// Runs Options, Font through its menu item and answers the chooser.
void RunFontCommand(TAllKeysForm& form, bool confirm) {
    WhenModalShows([confirm](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        confirm ? dialog->accept() : dialog->reject();
        return true;
    });
    form.findChild<QAction*>(QStringLiteral("Font2"))->trigger();
}

toolkit::FontChooser& Chooser(TAllKeysForm& form) {
    return *form.findChild<toolkit::FontChooser*>(QStringLiteral("FontDialog1"));
}

// 0xC0 in the palette: cell 161. Windows-1250 reads it as Ŕ, Windows-1251 as А.
constexpr int kCellC0 = 0xC0 - 31;

} // namespace

class FontCommandTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_ = OpenProgram(); }
    void cleanup() { windows_.reset(); }

    void cancellingRightAfterStartUpOnlyThinsTheLists();
    void confirmedFaceTakesEachGroupsSizeAndStyle();
    void codePageReRendersWithoutChangingABytes();
    void leavesRadiosAndDialogControlsAlone();

private:
    std::unique_ptr<ProgramWindows> windows_;
};

void FontCommandTest::cancellingRightAfterStartUpOnlyThinsTheLists() {
    TAllKeysForm& form = windows_->AllKeysForm;
    const QString arial = Key(&form, 1)->font().family();
    RunFontCommand(form, false);
    QCOMPARE(LookOf(Key(&form, 1), QPalette::ButtonText), Expected(arial, 13, true, Qt::black));
    QCOMPARE(LookOf(Cell(&form, 1), QPalette::WindowText), Expected(arial, 13, true, Qt::black));
    QCOMPARE(LookOf(Magnifier(&form), QPalette::WindowText), Expected(arial, 75, true, Qt::black));
    QCOMPARE(LookOf(windows_->OneKeyForm().comb_mala, QPalette::ButtonText),
             Expected(arial, 29, false, Qt::black));
}

void FontCommandTest::confirmedFaceTakesEachGroupsSizeAndStyle() {
    TAllKeysForm& form = windows_->AllKeysForm;
    toolkit::DisplayFont pick;
    pick.font = QFont(QStringLiteral("DejaVu Serif"));
    pick.setPoints(14);
    pick.font.setItalic(true);
    pick.font.setUnderline(true);
    pick.color = QColor(0x80, 0, 0);
    Chooser(form).setFont(pick);
    RunFontCommand(form, true);

    const QString face = QStringLiteral("DejaVu Serif");
    QCOMPARE(LookOf(Key(&form, 30), QPalette::ButtonText), Expected(face, 13, true, pick.color));
    QCOMPARE(LookOf(Cell(&form, 100), QPalette::WindowText), Expected(face, 13, true, pick.color));
    QCOMPARE(LookOf(Magnifier(&form), QPalette::WindowText), Expected(face, 75, true, pick.color));
    TOneKeyForm& dialog = windows_->OneKeyForm();
    for (QComboBox* list :
         {dialog.comb_shift, dialog.comb_mala, dialog.comb_altgr, dialog.comb_ansi}) {
        QCOMPARE(LookOf(list, QPalette::ButtonText), Expected(face, 29, false, pick.color));
    }
    // The next use starts from the face at 10 points, bold alone.
    const toolkit::DisplayFont next = Chooser(form).font();
    QCOMPARE(next.font.family(), face);
    QCOMPARE(next.points(), 10);
    QVERIFY(next.font.bold() && !next.font.italic() && !next.font.underline());
    QCOMPARE(next.color, pick.color);
}

void FontCommandTest::codePageReRendersWithoutChangingABytes() {
    TAllKeysForm& form = windows_->AllKeysForm;
    TOneKeyForm& dialog = windows_->OneKeyForm();
    dialog.comb_mala->setCurrentIndex(0xC0 - 33);
    QCOMPARE(Cell(&form, kCellC0)->text(), QString(QChar(0x0154)));

    toolkit::DisplayFont cyrillic = Chooser(form).font();
    cyrillic.codePage = 1251;
    Chooser(form).setFont(cyrillic);
    RunFontCommand(form, true);

    QCOMPARE(Cell(&form, kCellC0)->text(), QString(QChar(0x0410)));
    QCOMPARE(dialog.comb_mala->currentIndex(), 0xC0 - 33);
    QCOMPARE(dialog.comb_mala->currentText(), QString(QChar(0x0410)));
    QCOMPARE(dialog.comb_altgr->itemText(0xE0 - 32), QString(QChar(0x0430)));
    QCOMPARE(Chooser(form).font().codePage, 1251);
    QVERIFY(ProgramLayout() == DefaultLayout());
    // Key 16 holds 'e' in every code page: the keys re-render, their bytes stay.
    QCOMPARE(Key(&form, 16)->text(), QStringLiteral("e"));
}

void FontCommandTest::leavesRadiosAndDialogControlsAlone() {
    TAllKeysForm& form = windows_->AllKeysForm;
    TOneKeyForm& dialog = windows_->OneKeyForm();
    QRadioButton* radio = Radio(&form, "rb_altgr");
    const Look radioBefore = LookOf(radio, QPalette::WindowText);
    const Look virtBefore = LookOf(dialog.Comb_virt, QPalette::ButtonText);
    const Look capsBefore = LookOf(dialog.check_caps, QPalette::WindowText);
    toolkit::DisplayFont pick = Chooser(form).font();
    pick.font = QFont(QStringLiteral("DejaVu Sans Mono"));
    pick.color = Qt::blue;
    Chooser(form).setFont(pick);
    RunFontCommand(form, true);
    RunFontCommand(form, false);
    QCOMPARE(LookOf(radio, QPalette::WindowText), radioBefore);
    QCOMPARE(LookOf(dialog.Comb_virt, QPalette::ButtonText), virtBefore);
    QCOMPARE(LookOf(dialog.check_caps, QPalette::WindowText), capsBefore);
}

QTEST_MAIN(FontCommandTest)
#include "font_command_test.moc"
