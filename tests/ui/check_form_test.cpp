// The check window lists what the layout check finds and tells which key and layer the
// user picked; the code page facts it reads characters with come from the real system.
#include "layout/keyboard_layout.h"
#include "ui/Check/check_form.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace kbd;

namespace {

// Key 2's AltGr character below the space, key 5's Shift character undefined in CP1250.
KeyboardLayout TwoFindings() {
    KeyboardLayout layout = DefaultLayout();
    layout.AltGrChar[1] = 0x1B;
    layout.ShiftChar[4] = 0x81;
    return layout;
}

} // namespace

class CheckFormTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheFindingsAndTellsThePickedOne() {
        TCheckForm form;
        auto* rows = form.findChild<QTreeWidget*>(QStringLiteral("Findings"));
        auto* summary = form.findChild<QLabel*>(QStringLiteral("Summary"));
        QVERIFY(rows && summary);
        QSignalSpy picked(&form, &TCheckForm::findingSelected);

        form.refresh(TwoFindings(), 1250);
        QCOMPARE(rows->topLevelItemCount(), 2);
        const QTreeWidgetItem* first = rows->topLevelItem(0);
        QCOMPARE(first->text(2), QStringLiteral("Loses data"));
        QVERIFY(first->text(3).startsWith(QStringLiteral("AltGr character 0x1B is below")));
        QCOMPARE(rows->topLevelItem(1)->text(2), QStringLiteral("Warning"));
        QCOMPARE(summary->text(), QStringLiteral("2 findings, 1 losing data"));
        QCOMPARE(picked.count(), 0);

        // Picking a row, by mouse or by key, tells its key and layer.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualItemRect(rows->topLevelItem(1)).center());
        QVERIFY(!picked.isEmpty());
        QCOMPARE(picked.last(), (QList<QVariant>{5, 1}));
        picked.clear();
        QTest::keyClick(rows, Qt::Key_Up);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.last(), (QList<QVariant>{2, 3}));

        // The hole of CP1250 is a letter in CP1251.
        form.refresh(TwoFindings(), 1251);
        QCOMPARE(rows->topLevelItemCount(), 1);
        form.refresh(DefaultLayout(), 1250);
        QCOMPARE(summary->text(), QStringLiteral("No findings"));
    }

    void closingOnlyHides() {
        QWidget owner;
        QPointer<TCheckForm> form = new TCheckForm(&owner);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->close());
        QCoreApplication::processEvents();
        QVERIFY(form);
        QVERIFY(form->isHidden());
    }
};

QTEST_MAIN(CheckFormTest)
#include "check_form_test.moc"
