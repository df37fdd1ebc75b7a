// The Tools menu opens one try-out pad and one check window, and a finding picked in the
// check takes the main window to its key's layer.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/Check/check_form.h"
#include "ui/Tryout/try_pad.h"
#include "ui/toolkit/cell_drag.h"

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;

namespace {

void Trigger(QWidget* form, const char* item) {
    form->findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

} // namespace

class ToolsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_ = OpenProgram(); }
    void cleanup() { windows_.reset(); }

    void opensOneWindowOfEachTool();
    void findingSelectsItsLayerAndFlashesItsKey();
    void checkFollowsEditsUndoAndCodePage();

private:
    std::unique_ptr<ProgramWindows> windows_;
};

void ToolsMenuTest::opensOneWindowOfEachTool() {
    TAllKeysForm& form = windows_->AllKeysForm;
    for (int i = 0; i < 2; ++i) {
        Trigger(&form, "TryLayout1");
        Trigger(&form, "CheckLayout1");
    }
    QCOMPARE(form.findChildren<TTryPad*>().size(), 1);
    QCOMPARE(form.findChildren<TCheckForm*>().size(), 1);
    QVERIFY(form.findChild<TTryPad*>()->isVisible());
    QVERIFY(form.findChild<TCheckForm*>()->isVisible());
}

void ToolsMenuTest::findingSelectsItsLayerAndFlashesItsKey() {
    TAllKeysForm& form = windows_->AllKeysForm;
    Trigger(&form, "CheckLayout1");
    const QColor lit = Key(&form, 27)->palette().color(QPalette::Highlight);
    emit form.findChild<TCheckForm*>()->findingSelected(27, LayerAltGr);
    QVERIFY(Radio(&form, "rb_altgr")->isChecked());
    QCOMPARE(form.layerMode(), int(LayerAltGr));
    QCOMPARE(Key(&form, 27)->palette().color(QPalette::Window), lit);
    QVERIFY(Key(&form, 26)->palette().color(QPalette::Window) != lit);
    QVERIFY(Key(&form, 28)->palette().color(QPalette::Window) != lit);
    // A finding about the whole key leaves the layer alone.
    emit form.findChild<TCheckForm*>()->findingSelected(27, 0);
    QCOMPARE(form.layerMode(), int(LayerAltGr));
}

void ToolsMenuTest::checkFollowsEditsUndoAndCodePage() {
    TAllKeysForm& form = windows_->AllKeysForm;
    Trigger(&form, "CheckLayout1");
    auto* summary = form.findChild<QLabel*>(QStringLiteral("Summary"));
    QCOMPARE(summary->text(), QStringLiteral("No findings"));

    form.ShowLayer(LayerShift);
    const auto cell = toolkit::CellMimeData(0x81 - 31, QString()); // a hole of code page 1250
    QVERIFY(DragAndDrop(&form, Key(&form, 5), *cell).dropped);
    QCOMPARE(summary->text(), QStringLiteral("1 finding"));
    QVERIFY(form.codePage().setNumber(1251)); // where 0x81 is a letter
    QCOMPARE(summary->text(), QStringLiteral("No findings"));
    QVERIFY(form.codePage().setNumber(1250));
    QCOMPARE(summary->text(), QStringLiteral("1 finding"));
    form.document().undoStack().undo();
    QCOMPARE(summary->text(), QStringLiteral("No findings"));
}

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
