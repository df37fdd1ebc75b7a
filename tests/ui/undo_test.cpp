// Undo and redo through the real handlers: every change of the layout, from a drop to a new
// layout from the system, is one named step that restores the whole layout and re-captions
// the keys; what changes nothing adds none.
#include "form_driver.h"
#include "system_layouts/layout_from_xkb.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

void Select(QTreeWidget* list, const QString& id) {
    list->setCurrentItem(list->findItems(id, Qt::MatchExactly, 1).value(0));
}

// Lets `act` work the next system-layout window, then presses OK or Cancel.
void OnSystemLayoutWindow(const std::function<void(QWidget&)>& act, bool ok = false) {
    WhenModalShows([=](QWidget* modal) {
        if (modal->objectName() != u"SystemLayoutForm"_s) {
            return false;
        }
        act(*modal);
        modal->findChild<QDialogButtonBox*>()
            ->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            ->click();
        return true;
    });
}

// Answers the next system-layout window with layout `id` in the script of `codePage`.
void PickSystemLayout(const QString& id, int codePage, bool ok, bool deadKeys = true) {
    OnSystemLayoutWindow(
        [=](QWidget& modal) {
            modal.findChild<QLineEdit*>(u"LayoutFilter"_s)->setText(id);
            Select(modal.findChild<QTreeWidget*>(u"LayoutList"_s), id);
            auto* scripts = modal.findChild<QComboBox*>(u"ScriptBox"_s);
            scripts->setCurrentIndex(scripts->findData(codePage));
            modal.findChild<QCheckBox*>(u"KeepDeadKeys"_s)->setChecked(deadKeys);
        },
        ok);
}

} // namespace

class UndoTest : public ProgramTest {
    Q_OBJECT
private slots:
    void stepIsNamedUndoneAndRedone_data() {
        // How: a menu item, or what the user does; the caption is the key's after the step.
        Columns<QString, int, QString, int, QString>("how", "layer", "step", "key", "caption");
        QTest::newRow("drop") << "drop" << int(LayerNorm) << "drop of A on key 14" << 14 << "A";
        QTest::newRow("code assignment")
            << "dialog" << int(LayerNorm) << "change of key 14" << 14 << "z";
        QTest::newRow("open") << "open" << int(LayerNorm) << "opening of other.kbd" << 1
                              << "\u00A7";
        QTest::newRow("new from system layout")
            << "system" << int(LayerNorm) << "new layout from rs" << 14 << "\u0459"; // љ on Q
        QTest::newRow("Fill ANSI")
            << "FillAnsi1" << int(LayerAnsi) << "filling of ANSI by the rule of thumb" << 14 << "Q";
        QTest::newRow("Set Caps Lock")
            << "SetCaps1" << int(LayerNorm) << "setting of Caps Lock on letter pairs" << 2 << "1";
        QTest::newRow("Clear AltGr")
            << "ClearAltGr1" << int(LayerAltGr) << "clearing of the AltGr layer" << 3 << " ";
        QTest::newRow("dead key") << "dead" << int(LayerShift) << "dead Shift on key 14" << 14
                                  << "Q";
        QTest::newRow("Keep AltGr under Caps Lock")
            << "KeepAltGrUnderCaps1" << int(LayerAltGr) << "keeping of AltGr under Caps Lock" << 14
            << "\\";
    }

    void stepIsNamedUndoneAndRedone() {
        const auto [how, layer, step, key, caption] =
            Fetch<QString, int, QString, int, QString>("how", "layer", "step", "key", "caption");
        ProgramLayout().AnsiChar[13] = '#'; // for the fill tools to undo
        ProgramLayout().CapsAffected[1] = 1;
        const KeyboardLayout before = ProgramLayout();
        form()->ShowLayer(layer);
        const QString captionBefore = Key(key)->text();
        const QTemporaryDir folder;
        if (how == "drop") {
            QVERIFY(Drop(34, 14)); // code 65 onto Q
        } else if (how == "dialog") {
            CloseModalAfter([](QWidget* dialog) {
                dialog->findChild<QComboBox*>(u"comb_mala"_s)->setCurrentIndex('z' - 33);
            });
            form()->EditKey(14);
        } else if (how == "open") {
            KeyboardLayout other = DefaultLayout();
            other.NormalChar[0] = 0xA7;
            const QString path = folder.filePath(u"other.kbd"_s);
            QVERIFY(SaveLayout(other, path));
            Choose("OpenKBD1", u"OpenDialog1"_s, path);
        } else if (how == "dead") {
            // Its context menu's Dead key, picked by its access letter.
            QTimer::singleShot(
                0, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D); });
            emit Key(14)->customContextMenuRequested(Key(14)->rect().center());
        } else if (how == "system") {
            PickSystemLayout(u"rs"_s, 1251, true);
            form()->NewFromSystemLayoutClick();
        } else {
            Item(qPrintable(how))->trigger();
        }
        QCOMPARE(Key(key)->text(), caption);
        QCOMPARE(Key(key)->isMarked(), how == "dead");
        const KeyboardLayout after = ProgramLayout();
        QCOMPARE(form()->document().undoStack().count(), 1);
        QCOMPARE(Item("Undo1")->text(), u"&Undo "_s + step);
        Item("Undo1")->trigger();
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(key)->text(), captionBefore);
        QVERIFY(!Key(key)->isMarked());
        QCOMPARE(Item("Redo1")->text(), u"&Redo "_s + step);
        Item("Redo1")->trigger();
        QVERIFY(ProgramLayout() == after);
        QCOMPARE(Key(key)->text(), caption);
    }

    // The keys show the layer shown when undoing, of the restored layout.
    void undoShowsTheLayerShownThen() {
        QAction* undo = Item("Undo1");
        QVERIFY(!undo->isEnabled());
        QCOMPARE(QKeySequence::listToString(undo->shortcuts() + Item("Redo1")->shortcuts()),
                 u"Ctrl+Z; Ctrl+Shift+Z; Ctrl+Y"_s);
        QVERIFY(Drop(34, 14));
        form()->ShowLayer(LayerShift);
        undo->trigger();
        QCOMPARE(Key(14)->text(), u"Q"_s);
    }

    void whatChangesNothingIsNoStep() {
        CloseModalAfter();
        form()->EditKey(14);          // closed untouched
        Item("FillAnsi1")->trigger(); // the defaults follow both rules
        QCOMPARE(form()->statusBar()->currentMessage(),
                 u"ANSI already follows the rule of thumb on every key"_s);
        Item("SetCaps1")->trigger();
        QCOMPARE(form()->statusBar()->currentMessage(),
                 u"Caps Lock already on exactly the letter pairs"_s);
        const QTemporaryDir folder;
        Choose("SaveKBD1", u"SaveDialog1"_s, folder.filePath(u"saved.kbd"_s));
        PickSystemLayout(u"rs"_s, 1251, false); // cancelled
        form()->NewFromSystemLayoutClick();
        QCOMPARE(form()->codePage().number(), 1250);
        QCOMPARE(form()->document().undoStack().count(), 0);
    }

    // The script follows the selected layout's languages until one is picked by hand.
    void systemLayoutWindowPreselectsTheScript_data() {
        Columns<QString, int>("layout", "codePage");
        QTest::newRow("Serbian") << "rs" << 1251;
        QTest::newRow("German") << "de" << 1252;
    }

    void systemLayoutWindowPreselectsTheScript() {
        const auto [layout, codePage] = Fetch<QString, int>("layout", "codePage");
        int shown = 0, afterPick = 0;
        OnSystemLayoutWindow([&](QWidget& modal) {
            auto* list = modal.findChild<QTreeWidget*>(u"LayoutList"_s);
            auto* scripts = modal.findChild<QComboBox*>(u"ScriptBox"_s);
            Select(list, layout);
            shown = scripts->currentData().toInt();
            // A pick by hand (Thai) stays while the selection moves on.
            scripts->setCurrentIndex(scripts->findData(874));
            emit scripts->activated(scripts->currentIndex());
            Select(list, u"gr"_s);
            afterPick = scripts->currentData().toInt();
        });
        form()->NewFromSystemLayoutClick();
        QCOMPARE(shown, codePage);
        QCOMPARE(afterPick, 874);
    }

    // A registry that cannot be read is named with its reason; nothing can be chosen.
    void systemLayoutWindowSaysWhyTheListIsEmpty() {
        const QTemporaryDir root;
        qputenv("XKB_CONFIG_ROOT", QFile::encodeName(root.path()));
        QString status;
        OnSystemLayoutWindow(
            [&](QWidget& modal) { status = modal.findChild<QLabel*>(u"PreviewStatus"_s)->text(); });
        form()->NewFromSystemLayoutClick();
        qunsetenv("XKB_CONFIG_ROOT");
        QCOMPARE(status, u"The system's keyboard layouts cannot be read: Cannot open "
                         "the file: %1/rules/evdev.xml (No such file or "
                         "directory). Is the package xkb-data installed?"_s.arg(root.path()));
        QCOMPARE(form()->document().undoStack().count(), 0);
    }

    // French ^ is dead with its compositions unless the box says to keep plain accents.
    void newFromSystemLayoutKeepsDeadKeysOnRequest() {
        for (const bool dead : {true, false}) {
            PickSystemLayout(u"fr"_s, 1252, true, dead);
            form()->NewFromSystemLayoutClick();
            QCOMPARE(ProgramLayout().NormalChar[23], '^');
            QCOMPARE(ProgramLayout().DeadLayers[23] != 0, dead);
            QCOMPARE(ProgramLayout().Compositions.empty(), !dead);
        }
    }

    // The characters the code page lacks are listed, one line each.
    void newFromSystemLayoutListsWhatItLeftOut() {
        const auto built = BuildSystemLayout("rs", "", *CodePage::Load(1251));
        QVERIFY(built);
        PickSystemLayout(u"rs"_s, 1251, true);
        form()->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == built->layout);
        auto* lost = Child<QPlainTextEdit>("NotCarriedList");
        QVERIFY(lost && lost->window()->isVisible());
        QCOMPARE(lost->toPlainText().split(QLatin1Char('\n')).value(1),
                 u"key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty"_s);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
