// Options, Font: what confirming and cancelling the chooser leave in its font, what its
// sample shows, and what face, size, style, colour and code page each group of widgets
// then takes.
#include "form_driver.h"
#include "ui/toolkit/font_chooser.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;
using toolkit::DisplayFont;

namespace {

// A font in one line: face, pixels, styles, colour, and a chooser's code page.
QString Described(const QFont& f, const QColor& color) {
    return u"%1 %2px"_s.arg(f.family()).arg(f.pixelSize()) + (f.bold() ? " bold" : "") +
           (f.italic() ? " italic" : "") + (f.underline() ? " underlined" : "") +
           (f.strikeOut() ? " struck out" : "") + u' ' + color.name();
}

QString Described(const DisplayFont& f) {
    return Described(f.font, f.color) + u" cp%1"_s.arg(f.codePage);
}

DisplayFont Font(const char* face, int points, const QStringList& styles, const QColor& color,
                 int codePage = 1250) {
    DisplayFont font{QFont(QString::fromLatin1(face)), color, codePage};
    font.setPoints(points);
    font.font.setBold(styles.contains("bold"));
    font.font.setItalic(styles.contains("italic"));
    font.font.setUnderline(styles.contains("underlined"));
    font.font.setStrikeOut(styles.contains("struck out"));
    return font;
}

QString Look(const QWidget* widget, QPalette::ColorRole role) {
    return Described(widget->font(), widget->palette().color(role));
}

template <typename W> W* Find(QWidget& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

void Pick(QWidget& dialog, const char* box, const QString& text) {
    auto* combo = Find<QComboBox>(dialog, box);
    combo->setCurrentIndex(combo->findText(text));
}

void TypeSize(QWidget& dialog, const QString& points) {
    QLineEdit* edit = Find<QComboBox>(dialog, "SizeBox")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, points);
}

// Lets `act` work the chooser's controls, then presses OK, or Cancel where OK is disabled
// or not wanted, so that a test never waits on a window nobody closes.
void Answer(const std::function<void(QWidget&)>& act, bool confirm = true) {
    WhenModalShows([act, confirm](QWidget* modal) {
        act(*modal);
        QDialogButtonBox* buttons = Find<QDialogButtonBox>(*modal, "Buttons");
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        QTest::mouseClick(confirm && ok->isEnabled() ? ok
                                                     : buttons->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
        return true;
    });
}

} // namespace

class FontTest : public ProgramTest {
    Q_OBJECT
private slots:
    void chooserKeepsOnlyAConfirmedFont_data() {
        Columns<bool, QString>("confirm", "kept");
        QTest::newRow("confirmed") << true << "DejaVu Serif 19px italic underlined #800000 cp1251";
        QTest::newRow("cancelled") << false << "Arial 13px bold #000000 cp1250";
    }

    void chooserKeepsOnlyAConfirmedFont() {
        const auto [confirm, kept] = Fetch<bool, QString>("confirm", "kept");
        QString sample;
        Answer(
            [&sample](QWidget& dialog) {
                auto* faces = Find<QListWidget>(dialog, "FaceList");
                faces->setCurrentItem(faces->findItems("DejaVu Serif", Qt::MatchExactly).value(0));
                auto* styles = Find<QListWidget>(dialog, "StyleList");
                styles->setCurrentItem(styles->findItems("Italic", Qt::MatchExactly).value(0));
                TypeSize(dialog, u"14"_s);
                Find<QCheckBox>(dialog, "Underline")->click();
                Pick(dialog, "ColorBox", u"Maroon"_s);
                Pick(dialog, "ScriptBox", u"Cyrillic"_s);
                sample = Find<QLabel>(dialog, "Sample")->font().family();
            },
            confirm);
        QCOMPARE(Chooser().Execute(), confirm);
        QCOMPARE(Described(Chooser().font()), kept);
        QCOMPARE(sample, u"DejaVu Serif"_s);
    }

    // From `font`, with a size typed, if any: OK stays disabled for no size; confirmed
    // unchanged, the font comes back as it went in.
    void chooserTakesAnySizeAndGivesTheFontBack_data() {
        Columns<DisplayFont, QString, bool, QString>("font", "typed", "accepted", "kept");
        const DisplayFont start = Font("Arial", 10, {"bold"}, Qt::black);
        QTest::newRow("1 point") << start << "1" << true << "Arial 1px bold #000000 cp1250";
        QTest::newRow("4000 points")
            << start << "4000" << true << "Arial 5333px bold #000000 cp1250";
        QTest::newRow("0 points") << start << "0" << false << "Arial 13px bold #000000 cp1250";
        QTest::newRow("empty") << start << "" << false << "Arial 13px bold #000000 cp1250";
        QTest::newRow("face the system lacks, own colour, unlisted code page")
            << Font("Tahoma", 12, {}, QColor(0x12, 0x34, 0x56), 437) << QString() << true
            << "Tahoma 16px #123456 cp437";
        QTest::newRow("bold oblique, struck out")
            << Font("DejaVu Sans Mono", 22, {"bold", "italic", "struck out"}, Qt::blue, 1257)
            << QString() << true << "DejaVu Sans Mono 29px bold italic struck out #0000ff cp1257";
    }

    void chooserTakesAnySizeAndGivesTheFontBack() {
        const auto [font, typed, accepted, kept] =
            Fetch<DisplayFont, QString, bool, QString>("font", "typed", "accepted", "kept");
        Chooser().setFont(font);
        Answer([&typed](QWidget& dialog) {
            if (!typed.isNull()) {
                TypeSize(dialog, typed);
            }
        });
        QCOMPARE(Chooser().Execute(), accepted);
        QCOMPARE(Described(Chooser().font()), kept);
    }

    void chooserSampleFollowsTheScript_data() {
        // letters: bytes 0xC0 and 0xE0
        Columns<QString, QString>("script", "letters");
        QTest::newRow("Cyrillic") << u"Cyrillic"_s << u"\u0410\u0430"_s;
        // 0xC0 is a vowel point there, which the sample leaves out.
        QTest::newRow("Hebrew") << u"Hebrew"_s << u"\u05D0"_s;
    }

    void chooserSampleFollowsTheScript() {
        const auto [script, letters] = Fetch<QString, QString>("script", "letters");
        QString sample;
        Answer([&](QWidget& dialog) {
            Pick(dialog, "ScriptBox", script);
            sample = Find<QLabel>(dialog, "Sample")->text();
        });
        Chooser().Execute();
        QVERIFY(sample.startsWith(u"AaBbYyZz"_s));
        for (QChar letter : letters) {
            QVERIFY2(sample.contains(letter), qPrintable(sample));
        }
        QVERIFY(!sample.contains(QChar(0x25CC)));
    }

    // Cancelled, the command still applies the chooser's font: only the lists lose the bold.
    void cancelledRightAfterStartUpOnlyThinsTheLists() {
        Answer([](QWidget&) {}, false);
        Item("Font2")->trigger();
        QCOMPARE(Look(Key(1), QPalette::ButtonText), "Arial 13px bold #000000");
        QCOMPARE(Look(Cell(1), QPalette::WindowText), "Arial 13px bold #000000");
        QCOMPARE(Look(Magnifier(), QPalette::WindowText), "Arial 75px bold #000000");
        QCOMPARE(Look(windows().OneKeyForm().comb_mala, QPalette::ButtonText),
                 "Arial 29px #000000");
    }

    // Face and colour reach the keys, the cells, the magnifier and the character lists,
    // each at its own size and style; the radios and the other controls keep theirs.
    void confirmedFaceTakesEachGroupsSizeAndStyle() {
        TOneKeyForm& dialog = windows().OneKeyForm();
        const QList<QWidget*> untouched{Radio("rb_altgr"), dialog.Comb_virt, dialog.check_caps};
        QStringList before;
        for (QWidget* widget : untouched) {
            before << Look(widget, QPalette::WindowText) + Look(widget, QPalette::ButtonText);
        }
        Chooser().setFont(Font("DejaVu Serif", 14, {"italic", "underlined"}, QColor(0x80, 0, 0)));
        Answer([](QWidget&) {});
        Item("Font2")->trigger();

        QCOMPARE(Look(Key(30), QPalette::ButtonText), "DejaVu Serif 13px bold #800000");
        QCOMPARE(Look(Cell(100), QPalette::WindowText), "DejaVu Serif 13px bold #800000");
        QCOMPARE(Look(Magnifier(), QPalette::WindowText), "DejaVu Serif 75px bold #800000");
        for (QComboBox* list :
             {dialog.comb_shift, dialog.comb_mala, dialog.comb_altgr, dialog.comb_ansi}) {
            QCOMPARE(Look(list, QPalette::ButtonText), "DejaVu Serif 29px #800000");
        }
        // The next use starts from the face at 10 points, bold alone.
        QCOMPARE(Described(Chooser().font()), "DejaVu Serif 13px bold #800000 cp1250");
        for (QWidget* widget : untouched) {
            QCOMPARE(Look(widget, QPalette::WindowText) + Look(widget, QPalette::ButtonText),
                     before.takeFirst());
        }
    }

    void scriptRendersEveryGroupAnewWithoutChangingAByte() {
        TOneKeyForm& dialog = windows().OneKeyForm();
        dialog.comb_mala->setCurrentIndex(0xC0 - 33);
        constexpr int kCellC0 = 0xC0 - 31;
        QCOMPARE(Cell(kCellC0)->text(), QString(QChar(0x0154)));
        DisplayFont cyrillic = Chooser().font();
        cyrillic.codePage = 1251;
        Chooser().setFont(cyrillic);
        Answer([](QWidget&) {});
        Item("Font2")->trigger();

        QCOMPARE(Cell(kCellC0)->text(), QString(QChar(0x0410)));
        QCOMPARE(dialog.comb_mala->currentIndex(), 0xC0 - 33);
        QCOMPARE(dialog.comb_mala->currentText(), QString(QChar(0x0410)));
        QCOMPARE(dialog.comb_altgr->itemText(0xE0 - 32), QString(QChar(0x0430)));
        QCOMPARE(Chooser().font().codePage, 1251);
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(16)->text(), u"e"_s);
    }

private:
    toolkit::FontChooser& Chooser() { return *Child<toolkit::FontChooser>("FontDialog1"); }
};

QTEST_MAIN(FontTest)
#include "font_test.moc"
