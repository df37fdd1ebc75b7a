// Undo and redo through the real handlers: every change of the layout, from a drop to a new
// layout from the system, is one named step that restores the whole layout and re-captions
// the keys; what changes nothing adds none.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "system_layouts/layout_from_xkb.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;

namespace {

using Tweak = void (*)(KeyboardLayout&);

// Answers the next system-layout window: filters on `id`, picks the row of that name and
// the script of `codePage`, then presses OK, or Cancel when `ok` is false.
void PickSystemLayout(const QString& id, int codePage, bool ok) {
    WhenModalShows([=](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("SystemLayoutForm")) {
            return false;
        }
        modal->findChild<QLineEdit*>(QStringLiteral("LayoutFilter"))->setText(id);
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("LayoutList"));
        list->setCurrentItem(list->findItems(id, Qt::MatchExactly, 1).value(0));
        auto* scripts = modal->findChild<QComboBox*>(QStringLiteral("ScriptBox"));
        scripts->setCurrentIndex(scripts->findData(codePage));
        auto* buttons = modal->findChild<QDialogButtonBox*>();
        buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return true;
    });
}

} // namespace

Q_DECLARE_METATYPE(Tweak)

class UndoTest : public ProgramTest {
    Q_OBJECT
private slots:
    void dropIsOneNamedStepUndoneAndRedone() {
        QAction* undo = Item(form(), "Undo1");
        QAction* redo = Item(form(), "Redo1");
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                      QKeySequence(QStringLiteral("Ctrl+Y"))}));

        QVERIFY(Drop(form(), 34, 14)); // code 65 onto Q in the Norm layer
        QCOMPARE(undo->text(), QStringLiteral("&Undo drop of A on key 14"));
        // Another layer shown when undoing: the keys show that layer of the restored layout.
        form()->ShowLayer(LayerShift);
        undo->trigger();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("Q"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo drop of A on key 14"));
        form()->ShowLayer(LayerNorm);
        redo->trigger();
        QCOMPARE(ProgramLayout().NormalChar[13], 65);
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("A"));
    }

    void dialogAddsAStepOnlyWhenItChangedTheKey() {
        QUndoStack& history = form()->document().undoStack();
        CloseModalAfter();
        form()->EditKey(14);
        QCOMPARE(history.count(), 0);
        CloseModalAfter([](QWidget* dialog) {
            dialog->findChild<QComboBox*>(QStringLiteral("comb_mala"))->setCurrentIndex('z' - 32);
        });
        form()->EditKey(14);
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), QStringLiteral("change of key 14"));
        history.undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("q"));
    }

    void openIsAStepAndSavingIsNone() {
        QTemporaryDir folder;
        KeyboardLayout other = DefaultLayout();
        other.NormalChar[0] = 0xA7;
        const QString path = folder.filePath(QStringLiteral("other.kbd"));
        QVERIFY(SaveKbdFile(other, path.toStdString()).ok());
        {
            const ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
            form()->OpenKBD1Click();
        }
        QUndoStack& history = form()->document().undoStack();
        QCOMPARE(history.undoText(), QStringLiteral("opening of other.kbd"));
        {
            const ChooserAnswer answer(QStringLiteral("SaveDialog1"),
                                       folder.filePath(QStringLiteral("saved.kbd")));
            form()->SaveKBD1Click();
        }
        QCOMPARE(history.count(), 1);
        history.undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form(), 1)->text(), QStringLiteral("`"));
    }

    void editToolIsOneNamedStep_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Tweak>("tweak"); // made to the defaults first, for the tool to undo
        QTest::addColumn<int>("layer");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption"); // of the key once the tool has run
        QTest::newRow("Fill ANSI")
            << "FillAnsi1" << Tweak([](KeyboardLayout& l) { l.AnsiChar[13] = '#'; })
            << int(LayerAnsi) << "filling of ANSI by the rule of thumb" << 14 << "Q";
        QTest::newRow("Set Caps Lock")
            << "SetCaps1" << Tweak([](KeyboardLayout& l) { l.CapsAffected[1] = 1; })
            << int(LayerNorm) << "setting of Caps Lock on letter pairs" << 2 << "1";
        QTest::newRow("Clear AltGr")
            << "ClearAltGr1" << Tweak([](KeyboardLayout&) {}) << int(LayerAltGr)
            << "clearing of the AltGr layer" << 3 << " ";
    }

    void editToolIsOneNamedStep() {
        QFETCH(QString, item);
        QFETCH(Tweak, tweak);
        QFETCH(int, layer);
        QFETCH(QString, step);
        QFETCH(int, key);
        QFETCH(QString, caption);
        tweak(ProgramLayout());
        const KeyboardLayout before = ProgramLayout();
        form()->ShowLayer(layer);
        const QString captionBefore = Key(form(), key)->text();
        Item(form(), qPrintable(item))->trigger();
        QCOMPARE(Key(form(), key)->text(), caption);
        QUndoStack& history = form()->document().undoStack();
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), step);
        history.undo();
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(form(), key)->text(), captionBefore);
    }

    void newFromSystemLayoutIsOneStepInItsCodePage() {
        const auto built = BuildSystemLayout("rs", "", *CodePage::Load(1251));
        QVERIFY(built);
        PickSystemLayout(QStringLiteral("rs"), 1251, true);
        form()->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == built->layout);
        QCOMPARE(form()->codePage().number(), 1251);
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("\u0459")); // љ on Q
        QCOMPARE(form()->document().undoStack().undoText(), QStringLiteral("new layout from rs"));
        auto* lost = form()->findChild<QPlainTextEdit*>(QStringLiteral("NotCarriedList"));
        QVERIFY(lost && lost->window()->isVisible());
        QCOMPARE(
            lost->toPlainText().split(QLatin1Char('\n')).value(1),
            QStringLiteral("key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty"));

        form()->document().undoStack().undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("q"));

        PickSystemLayout(QStringLiteral("rs"), 1250, false); // a cancel changes nothing
        form()->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(form()->codePage().number(), 1251);
        QCOMPARE(form()->document().undoStack().index(), 0);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
