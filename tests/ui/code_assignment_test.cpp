// Clicking a key opens the code-assignment dialog: what it shows for the key's fields and
// what closing it stores, however it is closed.
#include "form_driver.h"

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

// Each list of the dialog, the field it edits and the code of its first entry.
const struct List {
    KeyBytes KeyboardLayout::*field;
    const char* name;
    int first;
} kLists[] = {{&KeyboardLayout::VirtualKey, "Comb_virt", 0},
              {&KeyboardLayout::ShiftChar, "comb_shift", 33},
              {&KeyboardLayout::NormalChar, "comb_mala", 33},
              {&KeyboardLayout::AltGrChar, "comb_altgr", 32},
              {&KeyboardLayout::AnsiChar, "comb_ansi", 33}};

} // namespace

class CodeAssignmentTest : public ProgramTest {
    Q_OBJECT
private slots:
    void opensModalOnTheMainWindowsKey() {
        TOneKeyForm& dialog = windows().OneKeyForm();
        bool modal = false;
        QWidget* focus = nullptr;
        EditThroughClick(1, [&](QWidget* shown) {
            modal = shown == &dialog && dialog.isModal();
            focus = dialog.focusWidget();
        });
        QVERIFY(modal);
        QCOMPARE(focus, dialog.check_caps);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.windowTitle(), u"Code Assignment"_s);
        QCOMPARE(dialog.comb_altgr->itemText(0), u" "_s);
        QCOMPARE(dialog.comb_mala->itemText('&' - 33), u"&"_s);
    }

    // A list left with no selection keeps the code it could not show.
    void presetsAndStoresCodesAtTheListEnds_data() {
        // list: an index into kLists
        Columns<int, int>("list", "code");
        for (int list = 0; list < 5; ++list) {
            for (int code : {kLists[list].first - 1, kLists[list].first, 255}) {
                if (code >= 0) {
                    QTest::addRow("%s %d", kLists[list].name, code) << list << code;
                }
            }
        }
    }

    void presetsAndStoresCodesAtTheListEnds() {
        const auto [list, code] = Fetch<int, int>("list", "code");
        const List& l = kLists[list];
        (ProgramLayout().*l.field)[20] = static_cast<std::uint8_t>(code);
        const KeyboardLayout before = ProgramLayout();
        int selected = -2;
        EditThroughClick(21, [&](QWidget* dialog) {
            selected = dialog->findChild<QComboBox*>(l.name)->currentIndex();
        });
        QCOMPARE(selected, code >= l.first ? code - l.first : -1);
        QVERIFY(ProgramLayout() == before);
    }

    void storesNewPicksOfEveryWidget_data() {
        // code: of every list, or its first
        Columns<int, int, bool>("key", "code", "caps");
        QTest::newRow("key 1, lowest entries") << 1 << 0 << true;
        QTest::newRow("key 49, highest entries") << 49 << 255 << false;
    }

    void storesNewPicksOfEveryWidget() {
        const auto [key, code, caps] = Fetch<int, int, bool>("key", "code", "caps");
        // Start from the opposite Caps-Lock state, so the box must be toggled.
        ProgramLayout().CapsAffected[key - 1] = caps ? 0 : 1;
        KeyboardLayout expected = ProgramLayout();
        expected.CapsAffected[key - 1] = caps ? 1 : 0;
        for (const List& l : kLists) {
            (expected.*l.field)[key - 1] = static_cast<std::uint8_t>(std::max(code, l.first));
        }
        EditThroughClick(key, [&](QWidget* dialog) {
            for (const List& l : kLists) {
                dialog->findChild<QComboBox*>(l.name)->setCurrentIndex(std::max(code, l.first) -
                                                                       l.first);
            }
            QTest::mouseClick(windows().OneKeyForm().check_caps, Qt::LeftButton);
        });
        QVERIFY(ProgramLayout() == expected);
    }

    // Escape stores as the close box does; the keys show the stored code in their own layer.
    void escapeStoresAndRecaptionsOnlyTheShownLayer() {
        QTest::mouseClick(Radio("rb_shift"), Qt::LeftButton);
        WhenModalShows([this](QWidget* modal) {
            windows().OneKeyForm().comb_mala->setCurrentIndex('x' - 33);
            QTest::keyClick(modal, Qt::Key_Escape);
            return true;
        });
        QTest::mouseClick(Key(17), Qt::LeftButton);
        QCOMPARE(ProgramLayout().NormalChar[16], std::uint8_t{'x'});
        QCOMPARE(Key(17)->text(), u"R"_s);
        QVERIFY(Radio("rb_shift")->isChecked());
        QTest::mouseClick(Radio("RB_mala"), Qt::LeftButton);
        QCOMPARE(Key(17)->text(), u"x"_s);
    }

private:
    void EditThroughClick(int number, std::function<void(QWidget*)> act = {}) {
        CloseModalAfter(std::move(act));
        QTest::mouseClick(Key(number), Qt::LeftButton);
    }
};

QTEST_MAIN(CodeAssignmentTest)
#include "code_assignment_test.moc"
