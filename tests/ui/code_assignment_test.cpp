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

namespace {

using Field = KeyBytes KeyboardLayout::*;

QComboBox* List(TOneKeyForm& dialog, const char* name) {
    return dialog.findChild<QComboBox*>(QString::fromLatin1(name));
}

// Clicks key `number` and closes the dialog after `act`.
void EditThroughClick(ProgramWindows& w, int number, std::function<void(QWidget*)> act = {}) {
    CloseModalAfter(std::move(act));
    QTest::mouseClick(Key(&w.AllKeysForm, number), Qt::LeftButton);
}

} // namespace

class CodeAssignmentTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_ = OpenProgram(); }
    void cleanup() { windows_.reset(); }

    void opensModalOnTheMainWindowsKey();
    void closingUntouchedChangesNoKey();
    void presetsAndStoresCodesAtTheListEnds_data();
    void presetsAndStoresCodesAtTheListEnds();
    void storesNewPicksOfEveryWidget_data();
    void storesNewPicksOfEveryWidget();
    void escapeStoresLikeTheCloseBox();
    void recaptionsOnlyTheShownLayer();

private:
    std::unique_ptr<ProgramWindows> windows_;
};

void CodeAssignmentTest::opensModalOnTheMainWindowsKey() {
    TOneKeyForm& dialog = windows_->OneKeyForm();
    QVERIFY(dialog.isHidden());
    bool modal = false;
    QWidget* focus = nullptr;
    EditThroughClick(*windows_, 1, [&](QWidget* shown) {
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

void CodeAssignmentTest::closingUntouchedChangesNoKey() {
    for (int n = 1; n <= kKeyCount; ++n) {
        EditThroughClick(*windows_, n);
    }
    QVERIFY(ProgramLayout() == DefaultLayout());
}

void CodeAssignmentTest::presetsAndStoresCodesAtTheListEnds_data() {
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
        for (int code : {0, 31, 32, 33, 255}) {
            const int p = code - l.first;
            QTest::addRow("%s %d", l.list, code)
                << l.field << QString::fromLatin1(l.list) << code << (p >= 0 ? p : -1);
        }
    }
}

void CodeAssignmentTest::presetsAndStoresCodesAtTheListEnds() {
    QFETCH(Field, field);
    QFETCH(QString, list);
    QFETCH(int, code);
    QFETCH(int, shown);
    (ProgramLayout().*field)[20] = static_cast<std::uint8_t>(code);
    const KeyboardLayout before = ProgramLayout();
    int selected = -2;
    EditThroughClick(*windows_, 21, [&](QWidget*) {
        selected = List(windows_->OneKeyForm(), qPrintable(list))->currentIndex();
    });
    QCOMPARE(selected, shown);
    // A list left with no selection keeps the code it could not show.
    QVERIFY(ProgramLayout() == before);
}

void CodeAssignmentTest::storesNewPicksOfEveryWidget_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("norm");
    QTest::addColumn<int>("altGr");
    QTest::addColumn<int>("ansi");
    QTest::addColumn<bool>("caps");
    QTest::newRow("key 1, lowest entries") << 1 << 0 << 33 << 33 << 32 << 33 << true;
    QTest::newRow("key 49, highest entries") << 49 << 255 << 255 << 255 << 255 << 255 << false;
    QTest::newRow("key 27, middle") << 27 << 65 << 0xC1 << 0xE1 << 0xE4 << 0xC1 << true;
}

void CodeAssignmentTest::storesNewPicksOfEveryWidget() {
    QFETCH(int, key);
    QFETCH(int, virtualKey);
    QFETCH(int, shift);
    QFETCH(int, norm);
    QFETCH(int, altGr);
    QFETCH(int, ansi);
    QFETCH(bool, caps);
    // Start from the opposite Caps-Lock state, so the box must be toggled.
    ProgramLayout().CapsAffected[key - 1] = caps ? 0 : 1;
    KeyboardLayout expected = ProgramLayout();
    const auto i = static_cast<std::size_t>(key - 1);
    expected.VirtualKey[i] = static_cast<std::uint8_t>(virtualKey);
    expected.ShiftChar[i] = static_cast<std::uint8_t>(shift);
    expected.NormalChar[i] = static_cast<std::uint8_t>(norm);
    expected.AltGrChar[i] = static_cast<std::uint8_t>(altGr);
    expected.AnsiChar[i] = static_cast<std::uint8_t>(ansi);
    expected.CapsAffected[i] = caps ? 1 : 0;

    EditThroughClick(*windows_, key, [&](QWidget*) {
        TOneKeyForm& d = windows_->OneKeyForm();
        d.Comb_virt->setCurrentIndex(virtualKey);
        d.comb_shift->setCurrentIndex(shift - 33);
        d.comb_mala->setCurrentIndex(norm - 33);
        d.comb_altgr->setCurrentIndex(altGr - 32);
        d.comb_ansi->setCurrentIndex(ansi - 33);
        QTest::mouseClick(d.check_caps, Qt::LeftButton);
    });
    QVERIFY(ProgramLayout() == expected);
}

void CodeAssignmentTest::escapeStoresLikeTheCloseBox() {
    WhenModalShows([this](QWidget* modal) {
        windows_->OneKeyForm().comb_mala->setCurrentIndex('z' - 33);
        QTest::keyClick(modal, Qt::Key_Escape);
        return true;
    });
    QTest::mouseClick(Key(&windows_->AllKeysForm, 16), Qt::LeftButton);
    QCOMPARE(ProgramLayout().NormalChar[15], std::uint8_t{'z'});
    QCOMPARE(Key(&windows_->AllKeysForm, 16)->text(), QStringLiteral("z"));
}

void CodeAssignmentTest::recaptionsOnlyTheShownLayer() {
    TAllKeysForm& form = windows_->AllKeysForm;
    QTest::mouseClick(Radio(&form, "rb_shift"), Qt::LeftButton);
    toolkit::ByteButton* key = Key(&form, 17);
    const QString shiftCaption = key->text();
    EditThroughClick(*windows_, 17, [this](QWidget*) {
        windows_->OneKeyForm().comb_mala->setCurrentIndex('x' - 33);
    });
    QCOMPARE(key->text(), shiftCaption);
    QVERIFY(Radio(&form, "rb_shift")->isChecked());
    QTest::mouseClick(Radio(&form, "RB_mala"), Qt::LeftButton);
    QCOMPARE(key->text(), QStringLiteral("x"));
}

QTEST_MAIN(CodeAssignmentTest)
#include "code_assignment_test.moc"
