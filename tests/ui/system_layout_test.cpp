// File, New from system layout, and the Edit menu's fill rules, through the real windows:
// each replaces the layout as one undo step and the keys show the result.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "system_layouts/layout_from_xkb.h"
#include "ui/toolkit/fonts.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;

namespace {

// Answers the next system-layout window: filters on `id`, picks the row of that name and
// the script of `codePage`, then presses OK, or Cancel when `ok` is false.
QPointer<QTimer> Pick(const QString& id, int codePage, bool ok = true) {
    return WhenModalShows([=](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("SystemLayoutForm")) {
            return false;
        }
        modal->findChild<QLineEdit*>(QStringLiteral("LayoutFilter"))->setText(id);
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("LayoutList"));
        const auto rows = list->findItems(id, Qt::MatchExactly, 1);
        if (!rows.isEmpty()) {
            list->setCurrentItem(rows.front());
        }
        auto* scripts = modal->findChild<QComboBox*>(QStringLiteral("ScriptBox"));
        scripts->setCurrentIndex(scripts->findData(codePage));
        auto* buttons = modal->findChild<QDialogButtonBox*>();
        buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return true;
    });
}

} // namespace

class SystemLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init() {
        windows_ = OpenProgram();
        QVERIFY(windows_);
        form_ = &windows_->AllKeysForm;
    }
    void cleanup() { windows_.reset(); }

    void startsFromASerbianCyrillicLayoutInItsCodePage() {
        const auto built = BuildSystemLayout("rs", "", *CodePage::Load(1251));
        QVERIFY(built);
        Pick(QStringLiteral("rs"), 1251);
        form_->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == built->layout);
        QCOMPARE(form_->codePage().number(), 1251);
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("\u0459")); // љ on Q
        QCOMPARE(form_->document().undoStack().undoText(), QStringLiteral("new layout from rs"));

        auto* lost = form_->findChild<QPlainTextEdit*>(QStringLiteral("NotCarriedList"));
        QVERIFY(lost && lost->window()->isVisible());
        QCOMPARE(
            lost->toPlainText().split(QLatin1Char('\n')).value(1),
            QStringLiteral("key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty"));

        form_->document().undoStack().undo();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("q"));
    }

    void cancelChangesNothing() {
        Pick(QStringLiteral("rs"), 1251, false);
        form_->NewFromSystemLayoutClick();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(form_->codePage().number(), 1250);
        QCOMPARE(form_->document().undoStack().count(), 0);
    }

    void fillRulesAreOneStepEachAndDoNothingOnTheDefaults() {
        QAction* fill = form_->findChild<QAction*>(QStringLiteral("FillAnsi1"));
        QAction* caps = form_->findChild<QAction*>(QStringLiteral("SetCaps1"));
        fill->trigger();
        caps->trigger();
        QCOMPARE(form_->document().undoStack().count(), 0);

        ProgramLayout().AnsiChar[13] = '#';
        ProgramLayout().CapsAffected[1] = 1; // the digit 1
        form_->ShowLayer(LayerAnsi);
        fill->trigger();
        QCOMPARE(ProgramLayout().AnsiChar[13], 'Q');
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("Q"));
        caps->trigger();
        QVERIFY(ProgramLayout() == DefaultLayout());
        QUndoStack& history = form_->document().undoStack();
        QCOMPARE(history.count(), 2);
        history.undo();
        QCOMPARE(ProgramLayout().CapsAffected[1], 1);
        history.undo();
        QCOMPARE(Key(form_, 14)->text(), QStringLiteral("#"));
    }

private:
    std::unique_ptr<ProgramWindows> windows_;
    TAllKeysForm* form_ = nullptr;
};

QTEST_MAIN(SystemLayoutTest)
#include "system_layout_test.moc"
