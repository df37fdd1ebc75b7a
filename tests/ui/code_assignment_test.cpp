// Clicking a key opens the code-assignment dialog: what it shows for the key's fields and
// what closing it stores, however it is closed.
#include "form_driver.h"
#include "layout/keyboard_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

Q_DECLARE_METATYPE(kbd::KeyBytes kbd::KeyboardLayout::*)

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
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Code Assignment"));
        QCOMPARE(dialog.Comb_virt->count(), 256);
        QCOMPARE(dialog.comb_shift->count(), 223);
        QCOMPARE(dialog.comb_altgr->count(), 224);
        QCOMPARE(dialog.comb_altgr->itemText(0), QStringLiteral(" "));
        QCOMPARE(dialog.comb_mala->itemText('&' - 33), QStringLiteral("&"));
    }

    void closingUntouchedChangesNoKey() {
        for (int n = 1; n <= kKeyCount; ++n) {
            EditThroughClick(n);
        }
        QVERIFY(ProgramLayout() == DefaultLayout());
    }

    // A list left with no selection keeps the code it could not show.
    void presetsAndStoresCodesAtTheListEnds_data() {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shown"); // the selected position, -1 for none
        const struct {
            Field field;
            const char* list;
            int first;
        } lists[] = {{&KeyboardLayout::ShiftChar, "comb_shift", 33},
                     {&KeyboardLayout::NormalChar, "comb_mala", 33},
                     {&KeyboardLayout::AltGrChar, "comb_altgr", 32},
                     {&KeyboardLayout::AnsiChar, "comb_ansi", 33},
                     {&KeyboardLayout::VirtualKey, "Comb_virt", 0}};
        for (const auto& l : lists) {
            for (int code : {l.first - 1, l.first, 255}) {
                if (code >= 0) {
                    QTest::addRow("%s %d", l.list, code)
                        << l.field << QString::fromLatin1(l.list) << code
                        << (code >= l.first ? code - l.first : -1);
                }
            }
        }
    }

    void presetsAndStoresCodesAtTheListEnds() {
        QFETCH(Field, field);
        QFETCH(QString, list);
        QFETCH(int, code);
        QFETCH(int, shown);
        (ProgramLayout().*field)[20] = static_cast<std::uint8_t>(code);
        const KeyboardLayout before = ProgramLayout();
        int selected = -2;
        EditThroughClick(21, [&](QWidget* dialog) {
            selected = dialog->findChild<QComboBox*>(list)->currentIndex();
        });
        QCOMPARE(selected, shown);
        QVERIFY(ProgramLayout() == before);
    }

    void storesNewPicksOfEveryWidget_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code"); // of every list, at least its first
        QTest::addColumn<bool>("caps");
        QTest::newRow("key 1, lowest entries") << 1 << 0 << true;
        QTest::newRow("key 49, highest entries") << 49 << 255 << false;
    }

    void storesNewPicksOfEveryWidget() {
        QFETCH(int, key);
        QFETCH(int, code);
        QFETCH(bool, caps);
        // Start from the opposite Caps-Lock state, so the box must be toggled.
        ProgramLayout().CapsAffected[key - 1] = caps ? 0 : 1;
        KeyboardLayout expected = ProgramLayout();
        const auto i = static_cast<std::size_t>(key - 1);
        const auto at = [code](int first) {
            return static_cast<std::uint8_t>(std::max(code, first));
        };
        expected.VirtualKey[i] = at(0);
        expected.ShiftChar[i] = at(33);
        expected.NormalChar[i] = at(33);
        expected.AltGrChar[i] = at(32);
        expected.AnsiChar[i] = at(33);
        expected.CapsAffected[i] = caps ? 1 : 0;
        EditThroughClick(key, [&](QWidget*) {
            TOneKeyForm& d = windows().OneKeyForm();
            d.Comb_virt->setCurrentIndex(code);
            d.comb_shift->setCurrentIndex(at(33) - 33);
            d.comb_mala->setCurrentIndex(at(33) - 33);
            d.comb_altgr->setCurrentIndex(at(32) - 32);
            d.comb_ansi->setCurrentIndex(at(33) - 33);
            QTest::mouseClick(d.check_caps, Qt::LeftButton);
        });
        QVERIFY(ProgramLayout() == expected);
    }

    void escapeStoresLikeTheCloseBox() {
        WhenModalShows([this](QWidget* modal) {
            windows().OneKeyForm().comb_mala->setCurrentIndex('z' - 33);
            QTest::keyClick(modal, Qt::Key_Escape);
            return true;
        });
        QTest::mouseClick(Key(form(), 16), Qt::LeftButton);
        QCOMPARE(ProgramLayout().NormalChar[15], std::uint8_t{'z'});
        QCOMPARE(Key(form(), 16)->text(), QStringLiteral("z"));
    }

    void recaptionsOnlyTheShownLayer() {
        QTest::mouseClick(Radio(form(), "rb_shift"), Qt::LeftButton);
        EditThroughClick(
            17, [this](QWidget*) { windows().OneKeyForm().comb_mala->setCurrentIndex('x' - 33); });
        QCOMPARE(Key(form(), 17)->text(), QStringLiteral("R"));
        QVERIFY(Radio(form(), "rb_shift")->isChecked());
        QTest::mouseClick(Radio(form(), "RB_mala"), Qt::LeftButton);
        QCOMPARE(Key(form(), 17)->text(), QStringLiteral("x"));
    }

private:
    using Field = KeyBytes KeyboardLayout::*;

    // Clicks key `number` and closes the dialog after `act`.
    void EditThroughClick(int number, std::function<void(QWidget*)> act = {}) {
        CloseModalAfter(std::move(act));
        QTest::mouseClick(Key(form(), number), Qt::LeftButton);
    }
};

QTEST_MAIN(CodeAssignmentTest)
#include "code_assignment_test.moc"
