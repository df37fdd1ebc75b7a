// Undo and redo through the real handlers: every change of the layout, from a drop to a new
// layout from the system, is one named step that restores the whole layout and re-captions
// the keys; what changes nothing adds none.
#include "form_driver.h"
#include "layout/writer.h"
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

namespace {

// Answers the next system-layout window with layout `id` in the script of `codePage`.
void PickSystemLayout(const QString& id, int codePage, bool ok, bool deadKeys = true) {
    WhenModalShows([=](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("SystemLayoutForm")) {
            return false;
        }
        modal->findChild<QLineEdit*>(QStringLiteral("LayoutFilter"))->setText(id);
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("LayoutList"));
        list->setCurrentItem(list->findItems(id, Qt::MatchExactly, 1).value(0));
        auto* scripts = modal->findChild<QComboBox*>(QStringLiteral("ScriptBox"));
        scripts->setCurrentIndex(scripts->findData(codePage));
        modal->findChild<QCheckBox*>(QStringLiteral("KeepDeadKeys"))->setChecked(deadKeys);
        auto* buttons = modal->findChild<QDialogButtonBox*>();
        buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return true;
    });
}

} // namespace

class UndoTest : public ProgramTest {
    Q_OBJECT
private slots:
    void stepIsNamedUndoneAndRedone_data() {
        QTest::addColumn<QString>("how"); // a menu item, or what the user does
        QTest::addColumn<int>("layer");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption"); // of the key once the step is made
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
        QFETCH(QString, how);
        QFETCH(int, layer);
        QFETCH(QString, step);
        QFETCH(int, key);
        QFETCH(QString, caption);
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
                dialog->findChild<QComboBox*>(QStringLiteral("comb_mala"))
                    ->setCurrentIndex('z' - 33);
            });
            form()->EditKey(14);
        } else if (how == "open") {
            KeyboardLayout other = DefaultLayout();
            other.NormalChar[0] = 0xA7;
            const QString path = folder.filePath(QStringLiteral("other.kbd"));
            QVERIFY(SaveKbdFile(other, path.toStdString()).ok());
            const ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
            form()->OpenKBD1Click();
        } else if (how == "dead") {
            // Its context menu's Dead key, picked by its access letter.
            QTimer::singleShot(
                0, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D); });
            emit Key(14)->customContextMenuRequested(Key(14)->rect().center());
        } else if (how == "system") {
            PickSystemLayout(QStringLiteral("rs"), 1251, true);
            form()->NewFromSystemLayoutClick();
        } else {
            Item(qPrintable(how))->trigger();
        }
        QCOMPARE(Key(key)->text(), caption);
        QCOMPARE(Key(key)->isMarked(), how == "dead");
        const KeyboardLayout after = ProgramLayout();
        QCOMPARE(form()->document().undoStack().count(), 1);
        QCOMPARE(Item("Undo1")->text(), QStringLiteral("&Undo ") + step);
        Item("Undo1")->trigger();
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(key)->text(), captionBefore);
        QVERIFY(!Key(key)->isMarked());
        QCOMPARE(Item("Redo1")->text(), QStringLiteral("&Redo ") + step);
        Item("Redo1")->trigger();
        QVERIFY(ProgramLayout() == after);
        QCOMPARE(Key(key)->text(), caption);
    }

    // The keys show the layer shown when undoing, of the restored layout.
    void undoShowsTheLayerShownThen() {
        QAction* undo = Item("Undo1");
        QVERIFY(!undo->isEnabled());
        QCOMPARE(QKeySequence::listToString(undo->shortcuts() + Item("Redo1")->shortcuts()),
                 QStringLiteral("Ctrl+Z; Ctrl+Shift+Z; Ctrl+Y"));
        QVERIFY(Drop(34, 14));
        form()->ShowLayer(LayerShift);
        undo->trigger();
        QCOMPARE(Key(14)->text(), QStringLiteral("Q"));
    }

    void whatChangesNothingIsNoStep() {
        CloseModalAfter();
        form()->EditKey(14);          // closed untouched
        Item("FillAnsi1")->trigger(); // the defaults follow both rules
        QCOMPARE(form()->statusBar()->currentMessage(),
                 QStringLiteral("ANSI already follows the rule of thumb on every key"));
        Item("SetCaps1")->trigger();
        QCOMPARE(form()->statusBar()->currentMessage(),
                 QStringLiteral("Caps Lock already on exactly the letter pairs"));
        const QTemporaryDir folder;
        {
            const ChooserAnswer answer(QStringLiteral("SaveDialog1"),
                                       folder.filePath(QStringLiteral("saved.kbd")));
            form()->SaveKBD1Click();
        }
        PickSystemLayout(QStringLiteral("rs"), 1251, false); // cancelled
        form()->NewFromSystemLayoutClick();
        QCOMPARE(form()->codePage().number(), 1250);
        QCOMPARE(form()->document().undoStack().count(), 0);
    }

    // The script follows the selected layout's languages until one is picked by hand.
    void systemLayoutWindowPreselectsTheScript_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("codePage");
        QTest::newRow("Serbian") << "rs" << 1251;
        QTest::newRow("Serbian Latin") << "rs(latin)" << 1250;
        QTest::newRow("Greek") << "gr" << 1253;
        QTest::newRow("German") << "de" << 1252;
        QTest::newRow("Turkish") << "tr" << 1254;
        QTest::newRow("Arabic") << "ara" << 1256;
    }

    void systemLayoutWindowPreselectsTheScript() {
        QFETCH(QString, layout);
        QFETCH(int, codePage);
        int shown = 0, afterPick = 0;
        WhenModalShows([&](QWidget* modal) {
            if (modal->objectName() != QStringLiteral("SystemLayoutForm")) {
                return false;
            }
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("LayoutList"));
            auto* scripts = modal->findChild<QComboBox*>(QStringLiteral("ScriptBox"));
            list->setCurrentItem(list->findItems(layout, Qt::MatchExactly, 1).value(0));
            shown = scripts->currentData().toInt();
            // A pick by hand (Thai) stays while the selection moves on.
            scripts->setCurrentIndex(scripts->findData(874));
            emit scripts->activated(scripts->currentIndex());
            list->setCurrentItem(
                list->findItems(QStringLiteral("gr"), Qt::MatchExactly, 1).value(0));
            afterPick = scripts->currentData().toInt();
            modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            return true;
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
        WhenModalShows([&](QWidget* modal) {
            if (modal->objectName() != QStringLiteral("SystemLayoutForm")) {
                return false;
            }
            status = modal->findChild<QLabel*>(QStringLiteral("PreviewStatus"))->text();
            modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            return true;
        });
        form()->NewFromSystemLayoutClick();
        qunsetenv("XKB_CONFIG_ROOT");
        QCOMPARE(status, QStringLiteral("The system's keyboard layouts cannot be read: Cannot open "
                                        "the file: %1/rules/evdev.xml (No such file or "
                                        "directory). Is the package xkb-data installed?")
                             .arg(root.path()));
        QCOMPARE(form()->document().undoStack().count(), 0);
    }

    // French ^ is dead with its compositions unless the box says to keep plain accents.
    void newFromSystemLayoutKeepsDeadKeysOnRequest() {
        for (const bool dead : {true, false}) {
            PickSystemLayout(QStringLiteral("fr"), 1252, true, dead);
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
        PickSystemLayout(QStringLiteral("rs"), 1251, true);
        form()->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == built->layout);
        auto* lost = Child<QPlainTextEdit>("NotCarriedList");
        QVERIFY(lost && lost->window()->isVisible());
        QCOMPARE(
            lost->toPlainText().split(QLatin1Char('\n')).value(1),
            QStringLiteral("key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty"));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
