// The help, about and details windows: made at their first use, all three at once after the
// code-assignment dialog, then what each shows and how its buttons lead on.
#include "form_driver.h"
#include "ui/About/form_about.h"
#include "ui/Detalji/form_detalji.h"
#include "ui/Upomoc/pomoc.h"
#include "ui/toolkit/show_modeless.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

// The editor's dialogs that exist now by name, sorted, a star after the visible ones.
QString TopLevels() {
    QStringList found;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<const QDialog*>(window) != nullptr) {
            found << window->objectName() + (window->isVisible() ? "*" : "");
        }
    }
    found.sort();
    return found.join(QLatin1Char(' '));
}

} // namespace

class InfoWindowsTest : public ProgramTest {
    Q_OBJECT
private slots:
    // Whichever is asked for first, all three come, once, after the code-assignment dialog.
    void firstUseMakesAllThreeAfterTheDialog_data() {
        // item: of the Help menu; none: details asked for first
        Columns<QString, QString>("item", "made");
        QTest::newRow("Topics") << "Kakokoristiti1"
                                << "OneKeyForm Pomoc* form_about form_detalji";
        QTest::newRow("About") << "Oprogramu1"
                               << "OneKeyForm Pomoc form_about* form_detalji";
        QTest::newRow("details") << QString() << "OneKeyForm Pomoc form_about form_detalji";
    }

    void firstUseMakesAllThreeAfterTheDialog() {
        const auto [item, made] = Fetch<QString, QString>("item", "made");
        QCOMPARE(TopLevels(), QString());
        if (item.isEmpty()) {
            windows().Info.form_detalji();
        } else {
            Item(qPrintable(item))->trigger();
        }
        windows().Info.Pomoc(); // and later requests make none
        windows().Info.form_about();
        windows().Info.form_detalji();
        QCOMPARE(TopLevels(), made);
    }

    // The lines people notice: the first, the typos and the last, on pages of their length.
    void helpPagesKeepTheirLines() {
        QStringList shown;
        for (int page : {0, 1}) {
            const auto* memo =
                windows().Info.Pomoc().TabbedNotebook1->widget(page)->findChild<QPlainTextEdit*>();
            const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
            shown << QString::number(lines.size());
            for (int line : page == 0 ? QList{1, 3, 8, 12} : QList{27, 35, 40}) {
                shown << lines.value(line);
            }
        }
        QCOMPARE(shown,
                 QStringList({"13", "This program generates KBD files for Windows 95.",
                              "Windows 95 allows users to select the keyboard layout from thE",
                              "For these languages, there are tipically more than one",
                              "your chance to make it by yourself.", "42",
                              "   The rule of the thumb for setting ANSI table is to put",
                              "   you are designing in the WINDOWOWS\\SYSTEM directory. ",
                              "7. Restart the system."}));
    }

    // Only the ads take typing; OK hides the help, which shows the same page again.
    void helpPageTakesTypingAndStaysAcrossOk_data() {
        Columns<int, bool>("page", "editable");
        QTest::newRow("introduction") << 0 << false;
        QTest::newRow("usage") << 1 << false;
        QTest::newRow("ads") << 2 << true;
    }

    void helpPageTakesTypingAndStaysAcrossOk() {
        const auto [page, editable] = Fetch<int, bool>("page", "editable");
        TPomoc& help = windows().Info.Pomoc();
        toolkit::ShowModeless(&help);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.TabbedNotebook1->setCurrentIndex(page);
        auto* memo = help.TabbedNotebook1->currentWidget()->findChild<QPlainTextEdit*>();
        const QString before = memo->toPlainText();
        memo->setFocus();
        QTest::keyClicks(memo, u"xyz"_s);
        QCOMPARE(memo->toPlainText() != before, editable);
        QTest::mouseClick(help.Button1, Qt::LeftButton);
        QVERIFY(help.isHidden());
        toolkit::ShowModeless(&help);
        QCOMPARE(help.TabbedNotebook1->currentIndex(), page);
    }

    void aboutLeadsToDetailsThenCloses_data() {
        Columns<bool>("detailsUp");
        QTest::newRow("details hidden") << false;
        QTest::newRow("details already up") << true;
    }

    void aboutLeadsToDetailsThenCloses() {
        const auto [detailsUp] = Fetch<bool>("detailsUp");
        Tform_detalji& details = windows().Info.form_detalji();
        Tform_about& about = windows().Info.form_about();
        if (detailsUp) {
            toolkit::ShowModeless(&details);
        }
        toolkit::ShowModeless(&about);
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.Button2->text(), u"&Details"_s);
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        QVERIFY(details.isVisible());
        toolkit::ShowModeless(&about); // shown already: only raised
        QCOMPARE(about.Button2->text(), u"&OK"_s);
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        QVERIFY(about.isHidden());
        QVERIFY(details.isVisible());
        QVERIFY(details.Memo1->isReadOnly());
        QTest::mouseClick(details.Button1, Qt::LeftButton);
        QVERIFY(details.isHidden());
        toolkit::ShowModeless(&about); // the next showing starts the button over
        QCOMPARE(about.Button2->text(), u"&Details"_s);
    }

    // The version the build sets is the newest release of the metainfo.
    void aboutShowsTheReleasedVersion() {
        QFile notes(QString::fromUtf8(KBD_SOURCE_DIR) +
                    u"/app/io.github.tavik.kbdgen.metainfo.xml"_s);
        QVERIFY(notes.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch release =
            QRegularExpression(u"<release version=\"([^\"]*)\""_s)
                .match(QString::fromUtf8(notes.readAll()));
        QVERIFY(release.hasMatch());
        const auto* line = windows().Info.form_about().findChild<QLabel*>(u"Label6"_s);
        QCOMPARE(line->text(), u"Version %1 for Linux"_s.arg(release.captured(1)));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
