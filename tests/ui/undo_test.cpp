// Undo and redo through the real handlers: every change of the layout is one step that
// restores the whole layout and re-captions the keys; what changes nothing adds none.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"

#include <QAction>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;

namespace {

QAction* Item(QWidget* form, const char* name) {
    return form->findChild<QAction*>(QString::fromLatin1(name));
}

void Drop(QWidget* form, int cell, int key) {
    QVERIFY(DragAndDrop(form, Key(form, key), *toolkit::CellMimeData(cell, QString())).dropped);
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init() {
        windows_ = OpenProgram();
        QVERIFY(windows_);
        form_ = &windows_->AllKeysForm;
    }
    void cleanup() { windows_.reset(); }

    void dropIsOneNamedStepUndoneAndRedone() {
        QAction* undo = Item(form_, "Undo1");
        QAction* redo = Item(form_, "Redo1");
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                      QKeySequence(QStringLiteral("Ctrl+Y"))}));

        Drop(form_, 34, 14); // code 65 onto Q in the Norm layer
        QCOMPARE(undo->text(), QStringLiteral("&Undo drop of A on key 14"));
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("A"));

        // Another layer shown when undoing: the keys show that layer of the restored layout.
        form_->ShowLayer(LayerShift);
        undo->trigger();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("Q"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo drop of A on key 14"));
        form_->ShowLayer(LayerNorm);
        redo->trigger();
        QCOMPARE(ProgramLayout().NormalChar[13], 65);
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("A"));
    }

    void dialogAddsAStepOnlyWhenItChangedTheKey() {
        QUndoStack& history = form_->document().undoStack();
        CloseModalAfter();
        form_->EditKey(14);
        QCOMPARE(history.count(), 0);

        CloseModalAfter([](QWidget* dialog) {
            dialog->findChild<QComboBox*>(QStringLiteral("comb_mala"))->setCurrentIndex('z' - 32);
        });
        form_->EditKey(14);
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), QStringLiteral("change of key 14"));
        history.undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("q"));
    }

    void openIsAStepAndSavingIsNone() {
        QTemporaryDir folder;
        KeyboardLayout other = DefaultLayout();
        other.NormalChar[0] = 0xA7;
        const QString path = folder.filePath(QStringLiteral("other.kbd"));
        QVERIFY(SaveKbdFile(other, path.toStdString()).ok());
        {
            const ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
            form_->OpenKBD1Click();
        }
        QUndoStack& history = form_->document().undoStack();
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), QStringLiteral("opening of other.kbd"));
        {
            const ChooserAnswer answer(QStringLiteral("SaveDialog1"),
                                       folder.filePath(QStringLiteral("saved.kbd")));
            form_->SaveKBD1Click();
        }
        QCOMPARE(history.count(), 1);
        history.undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form_, 1)->text(), QStringLiteral("`"));
    }

    void clearingAltGrIsOneStep() {
        form_->ShowLayer(LayerAltGr);
        Item(form_, "ClearAltGr1")->trigger();
        for (int key = 1; key <= kKeyCount; ++key) {
            QCOMPARE(ProgramLayout().AltGrChar[key - 1], 0x20);
        }
        QCOMPARE(Key(form_, 3)->text(), QStringLiteral(" "));
        QCOMPARE(form_->document().undoStack().count(), 1);
        Item(form_, "Undo1")->trigger();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form_, 3)->text(), QStringLiteral("\u02C7"));
    }

private:
    std::unique_ptr<ProgramWindows> windows_;
    TAllKeysForm* form_ = nullptr;
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
