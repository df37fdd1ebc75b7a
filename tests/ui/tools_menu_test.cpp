// The Tools menu opens one try-out pad and one check window, and a finding picked in the
// check takes the main window to its key's layer.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/Check/check_form.h"
#include "ui/Tryout/try_pad.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>

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
    void findingSelectsItsLayer();

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

void ToolsMenuTest::findingSelectsItsLayer() {
    TAllKeysForm& form = windows_->AllKeysForm;
    Trigger(&form, "CheckLayout1");
    emit form.findChild<TCheckForm*>()->findingSelected(27, LayerAltGr);
    QVERIFY(Radio(&form, "rb_altgr")->isChecked());
    QCOMPARE(form.layerMode(), int(LayerAltGr));
    // A finding about the whole key leaves the layer alone.
    emit form.findChild<TCheckForm*>()->findingSelected(27, 0);
    QCOMPARE(form.layerMode(), int(LayerAltGr));
}

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
