// The Tools menu opens one try-out pad and one check window; the check lists what it finds,
// follows the layout and the code page, and a finding picked in it takes the main window to
// its key's layer and flashes the key, which then looks as it did before. More layers edits
// Shift+AltGr and dead keys, whose Compose from Unicode is checked against characters
// written out by hand; the disk-install window lists previews and makes both requests.
#include "form_driver.h"
#include "layout/dead_keys.h"
#include "layout/fill_rules.h"
#include "layout/writer.h"
#include "ui/Check/check_form.h"
#include "ui/Diskinstall/disk_install_form.h"
#include "ui/Morelayers/compose_from_unicode.h"
#include "ui/Morelayers/more_layers_form.h"
#include "ui/Tryout/try_pad.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/flash.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>
#include <array>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

struct Row {
    const char* name;
    int codePage;
    const char16_t* accent;
    const char16_t* base;
    const char16_t* result; // empty: no composition
};

constexpr std::array kRows{
    Row{"circumflex e", 1252, u"^", u"e", u"\u00EA"},
    Row{"grave a", 1252, u"`", u"a", u"\u00E0"},
    Row{"tilde n", 1252, u"~", u"n", u"\u00F1"},
    Row{"modifier circumflex O", 1252, u"\u02C6", u"O", u"\u00D4"},
    Row{"caron s", 1250, u"\u02C7", u"s", u"\u0161"},
    Row{"degree u", 1250, u"\u00B0", u"u", u"\u016F"},
    Row{"acute e", 1250, u"\u00B4", u"e", u"\u00E9"},
    Row{"cedilla k", 1257, u"\u00B8", u"k", u"\u0137"},
    Row{"tonos alpha", 1253, u"\u0384", u"\u03B1", u"\u03AC"},
    Row{"dialytika tonos iota", 1253, u"\u0385", u"\u03B9", u"\u0390"},
    Row{"dialytika tonos alpha", 1253, u"\u0385", u"\u03B1", u""},
    Row{"circumflex in Cyrillic", 1251, u"^", u"\u0430", u""},
    Row{"no accent", 1252, u"a", u"e", u""},
};

std::uint8_t Byte(const CodePage& page, const QString& text) {
    return page.byteFor(text.toUcs4().front()).value();
}

} // namespace

class ToolsMenuTest : public ProgramTest {
    Q_OBJECT
private slots:
    void opensOneWindowOfEachToolAndKeepsIt() {
        for (int i = 0; i < 2; ++i) {
            Item("TryLayout1")->trigger();
            Item("CheckLayout1")->trigger();
            for (QWidget* tool : {static_cast<QWidget*>(form()->findChild<TTryPad*>()),
                                  static_cast<QWidget*>(form()->findChild<TCheckForm*>())}) {
                QVERIFY(tool->isVisible());
                QVERIFY(tool->close()); // only hides it
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(form()->findChildren<TTryPad*>().size(), 1);
        QCOMPARE(form()->findChildren<TCheckForm*>().size(), 1);
    }

    void pickedFindingSelectsItsLayerAndFlashesItsKey() {
        KeepAltGrUnderCaps(ProgramLayout(), *CodePage::Load(1250)); // no finding left
        ProgramLayout().AltGrChar[1] = 0x1B;                        // below the space
        ProgramLayout().ShiftChar[4] = 0x81;                        // a hole of code page 1250
        QWidget* key2 = Key(2);
        QWidget* key5 = Key(5);
        const QPalette before = key5->palette();
        const QColor lit = before.color(QPalette::Highlight);
        QPalette red = before; // a palette of its own must come back too
        red.setColor(QPalette::ButtonText, Qt::red);
        key2->setPalette(red);
        Item("CheckLayout1")->trigger();
        auto* check = form()->findChild<TCheckForm*>();
        auto* rows = check->findChild<QTreeWidget*>(u"Findings"_s);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        QStringList shown;
        for (int row = 0; row < rows->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = rows->topLevelItem(row);
            shown << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(
                u" | "_s);
        }
        QCOMPARE(shown, QStringList({"2 | AltGr | Loses data | AltGr character 0x1B is below the "
                                     "space, so it is not written and the key reads back with no "
                                     "AltGr character.",
                                     "5 | Shift | Warning | Shift character 0x81 is not defined in "
                                     "the current code page."}));
        QCOMPARE(check->findChild<QLabel*>(u"Summary"_s)->text(), u"2 findings, 1 losing data"_s);

        // Picked by mouse, then by key.
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualItemRect(rows->topLevelItem(1)).center());
        QVERIFY(Radio("rb_shift")->isChecked());
        QCOMPARE(key5->palette().color(QPalette::Window), lit);
        QVERIFY(Key(6)->palette().color(QPalette::Window) != lit);
        QTest::keyClick(rows, Qt::Key_Up);
        QVERIFY(Radio("rb_altgr")->isChecked());
        QCOMPARE(key2->palette().color(QPalette::Window), lit);
        QTest::keyClick(rows, Qt::Key_Down); // key 5 again, mid-blink
        QVERIFY(Radio("rb_shift")->isChecked());
        // A finding about the whole key leaves the layer alone.
        emit check->findingSelected(2, 0);
        QVERIFY(Radio("rb_shift")->isChecked());

        QTRY_VERIFY(key5->findChildren<QObject*>().isEmpty() &&
                    key2->findChildren<QObject*>().isEmpty());
        QCOMPARE(key5->palette(), before);
        QVERIFY(!key5->testAttribute(Qt::WA_SetPalette) && !key5->autoFillBackground());
        QCOMPARE(key2->palette(), red);
        // Still inherited: a colour set on the client area, as Options, Font does, reaches it.
        QPalette blue = key5->parentWidget()->palette();
        blue.setColor(QPalette::ButtonText, Qt::blue);
        key5->parentWidget()->setPalette(blue);
        QCOMPARE(key5->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        // A key that goes away mid-blink takes its blinks along; nothing flashes nothing.
        emit check->findingSelected(29, 0);
        delete Key(29);
        toolkit::Flash(nullptr);
        QTest::qWait(150);
    }

    // A cell dropped in More layers is the key's Shift+AltGr character, the context menu's
    // Dead key makes it dead; each is one undo step, and the keys follow the undo.
    void moreLayersEditsShiftAltGr() {
        Item("MoreLayers1")->trigger();
        auto* more = form()->findChild<QWidget*>(u"MoreLayersForm"_s);
        QVERIFY(more && more->isVisible());
        auto* key = more->findChild<toolkit::ByteButton*>(u"ShiftAltGrKey27"_s);
        QVERIFY(DragAndDrop(key, *toolkit::CellMimeData(0xA5 - 31, QString())).dropped);
        QCOMPARE(ProgramLayout().ShiftAltGrChar[26], 0xA5);
        QCOMPARE(key->code(), 0xA5);
        QCOMPARE(form()->document().undoStack().undoText(), u"Shift+AltGr \u0104 on key 27"_s);
        static_cast<TMoreLayersForm*>(more)->SetDead(27, true);
        QCOMPARE(ProgramLayout().DeadLayers[26], 1 << 3);
        form()->document().undoStack().undo();
        form()->document().undoStack().undo();
        QCOMPARE(ProgramLayout(), DefaultLayout());
        QCOMPARE(key->code(), 0x20);
    }

    // The Dead keys page: Add, Compose from Unicode (which keeps what the user composed) and
    // Remove are one undo step each, and the list follows the undo.
    void deadKeysPageComposesAndUndoes() {
        KeyboardLayout dead = ProgramLayout();
        dead.ShiftAltGrChar[0] = '^';
        SetDead(dead, 0, CharLayer::ShiftAltGr, true);
        form()->document().change(u"dead ^"_s, dead);
        Item("MoreLayers1")->trigger();
        auto* more = form()->findChild<QWidget*>(u"MoreLayersForm"_s);
        auto* pages = more->findChild<QTabWidget*>(u"MoreLayersPages"_s);
        pages->setCurrentWidget(more->findChild<QWidget*>(u"DeadKeysPage"_s));
        auto* list = more->findChild<QTreeWidget*>(u"DeadKeyList"_s);
        auto* status = more->findChild<QLabel*>(u"DeadKeysStatus"_s);
        auto click = [more](const char* name) {
            QTest::mouseClick(more->findChild<QPushButton*>(name), Qt::LeftButton);
        };
        QUndoStack& history = form()->document().undoStack();
        QCOMPARE(list->topLevelItem(0)->text(0), u"^ (no compositions)"_s);
        list->setCurrentItem(list->topLevelItem(0));
        CloseModalAfter([](QWidget* dialog) {
            dialog->findChild<QComboBox*>("CompositionBase")->setCurrentText("a");
            dialog->findChild<QComboBox*>("CompositionResult")->setCurrentText("\u00E4");
            static_cast<QDialog*>(dialog)->accept();
        });
        click("AddComposition");
        QCOMPARE(history.undoText(), u"composition a \u2192 \u00E4 of dead ^"_s);
        click("ComposeFromUnicode"); // â Â î Î ô Ô, but a keeps ä
        QCOMPARE(status->text(), u"5 compositions added"_s);
        QCOMPARE(list->topLevelItem(0)->childCount(), 6);
        QCOMPARE(list->topLevelItem(0)->child(3)->text(0), u"a \u2192 \u00E4"_s);
        const int steps = history.count();
        click("ComposeFromUnicode");
        QCOMPARE(status->text(), u"Dead ^ already composes every base Unicode composes"_s);
        QCOMPARE(history.count(), steps);
        history.undo();
        QCOMPARE(list->topLevelItem(0)->childCount(), 1);
        list->setCurrentItem(list->topLevelItem(0)->child(0));
        click("RemoveComposition");
        QCOMPARE(history.undoText(), u"removal of a \u2192 \u00E4 from dead ^"_s);
        QVERIFY(ProgramLayout().Compositions.empty());
        history.undo();
        history.undo();
        QCOMPARE(ProgramLayout(), dead);
    }

    void checkFollowsEditsUndoAndCodePage() {
        Item("CheckLayout1")->trigger();
        auto* summary = Child<QLabel>("Summary");
        // The built-in letters' AltGr characters, which Caps Lock would silence.
        QCOMPARE(summary->text(), u"10 findings"_s);
        Item("KeepAltGrUnderCaps1")->trigger();
        QCOMPARE(summary->text(), u"No findings"_s);
        form()->ShowLayer(LayerShift);
        QVERIFY(Drop(0x81 - 31, 5)); // a hole of code page 1250
        QCOMPARE(summary->text(), u"1 finding"_s);
        QVERIFY(form()->codePage().setNumber(1251)); // where 0x81 is a letter
        QCOMPARE(summary->text(), u"No findings"_s);
        QVERIFY(form()->codePage().setNumber(1250));
        QCOMPARE(summary->text(), u"1 finding"_s);
        form()->document().undoStack().undo();
        QCOMPARE(summary->text(), u"No findings"_s);
    }

    void composeFromUnicode_data() {
        Columns<int, QString, QString, QString>("codePage", "accent", "base", "result");
        for (const Row& row : kRows) {
            QTest::newRow(row.name)
                << row.codePage << QString::fromUtf16(row.accent) << QString::fromUtf16(row.base)
                << QString::fromUtf16(row.result);
        }
    }

    void composeFromUnicode() {
        const auto [codePage, accent, base, result] =
            Fetch<int, QString, QString, QString>("codePage", "accent", "base", "result");
        const CodePage page = *CodePage::Load(codePage);
        const std::uint8_t dead = Byte(page, accent);
        const std::uint8_t from = Byte(page, base);
        QString made;
        for (const Composition& c : ComposeFromUnicode(page, dead)) {
            if (c.dead == dead && c.base == from) {
                made = QString::fromStdString(page.utf8(c.result));
            }
        }
        QCOMPARE(made, result);
    }

    // Each accent the table adds to Unicode's decompositions is a row above.
    void everyTabledAccentHasARow() {
        for (const AccentMark& tabled : UndecomposedAccents()) {
            const QString accent = QString::fromUcs4(&tabled.accent, 1);
            QVERIFY2(std::any_of(kRows.begin(), kRows.end(),
                                 [&](const Row& row) {
                                     return QString::fromUtf16(row.accent) == accent &&
                                            *row.result != 0;
                                 }),
                     qPrintable(accent));
        }
    }

    void diskInstallListsPreviewsAndMakesBothRequests() {
        diskimage::Survey survey;
        survey.image = "/tmp/win95.img";
        const KbdImage bytes = BuildKbdImage(DefaultLayout());
        diskimage::WindowsFolder folder;
        folder.volume.number = 5;
        folder.folder = "WIN95";
        folder.layouts = {{"KBDUS.KBD", {bytes.begin(), bytes.end()}}};
        survey.windows = {folder};
        TDiskInstallForm install(survey, CodePage::Latin1(), nullptr);
        auto* list = install.findChild<QListWidget*>("LayoutList");
        auto* ok = install.findChild<QPushButton*>("OkButton");
        QCOMPARE(install.findChild<QComboBox*>("WindowsCombo")->currentText(),
                 u"Partition 5: WIN95"_s);
        QCOMPARE(list->item(0)->text(), u"KBDUS.KBD    q w e r t y u i o p [ ]"_s);
        QVERIFY(!ok->isEnabled()); // nothing selected to replace
        list->setCurrentRow(0);
        QVERIFY(ok->isEnabled());
        QCOMPARE(install.request().name, std::string("KBDUS.KBD"));
        QCOMPARE(install.request().partition, 5);
        install.findChild<QRadioButton*>("AddRadio")->setChecked(true);
        install.findChild<QLineEdit*>("NameEdit")->setText("qz");
        const auto request = install.request();
        QVERIFY(request.way == diskimage::InstallWay::Add);
        QCOMPARE(request.name, std::string("qz"));
        QCOMPARE(request.text, std::string("My layout"));
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
