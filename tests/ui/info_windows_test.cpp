// The help, about and details windows, built on their own as the program builds them:
// details first in memory, so the about window can hold on to it.
#include "ui/About/form_about.h"
#include "ui/Detalji/form_detalji.h"
#include "ui/Upomoc/pomoc.h"
#include "ui/toolkit/show_modeless.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

using namespace kbd;

namespace {

const QStringList kIntroduction{
    "",
    "This program generates KBD files for Windows 95.",
    "",
    "Windows 95 allows users to select the keyboard layout from thE",
    "list, but do not allow them to personally configure the layout",
    "to suit their needs. That does not seem to bother users who",
    "write only in English. But, many languages use more than",
    "26 english letters, or even do not use latin alphabet at all.",
    "For these languages, there are tipically more than one",
    "character mapping.",
    "",
    "If Windows 95 does not provide the mapping you want, here's",
    "your chance to make it by yourself.",
};

const QStringList kUsage{
    "",
    "The keyboard layouts in Windows 95 are stored in KBD files. Each",
    "time you install a new layout, Windows 95 inserts a new KBD file",
    "in WINDOWS\\SYSTEM directory.",
    "",
    "The first thing you should do is to find out the name of this KBD",
    "file. After that, you can design the layout you want using Tavik's",
    "Keyboard Generator for Windows 95, and put the newly generated",
    "file in the SYSTEM directory instead of the original one.",
    "",
    "After restarting the system, Windows 95 will use the layout",
    "which you were designed.",
    "",
    "Here's how to use the program:",
    "",
    "1. Select the font for which you want to make keyboard layout",
    "   (Options/Font)",
    "",
    "2. Using radio buttons, select the mode which you are adjusting",
    "   (Normal/Shift/AltGr/ANSI).",
    "",
    "3. Using drag and drop form the character table in the bottom to",
    "   the keys change the characters associations.",
    "",
    "4. Repeat steps 2 and 3 until all modes are adjusted. AltGr mode",
    "   allows to assign characters to RightAlt-and-key combinations.",
    "   ANSI mode sets the table that is used by Windows internally.",
    "   The rule of the thumb for setting ANSI table is to put",
    "   uppercase letters from Shift table where it is possible, and",
    "   unshifted symbols where there are no letters.",
    "",
    "5. By mouse-clicking on the appropriate key, check out the",
    "   Caps-Lock setting and adjust it where needed.",
    "",
    "6. Locate the old KBD file that you want to replace with the one",
    "   you are designing in the WINDOWOWS\\SYSTEM directory. ",
    "   Rename it so that it does not have the KBD extension anymore.",
    "   Selecting the File/Save save the new KBD file under the",
    "   previous name and location of the original file.",
    "",
    "7. Restart the system.",
    "",
};

struct InfoWindows {
    Tform_detalji details;
    Tform_about about{details};
    TPomoc help;
};

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_ = std::make_unique<InfoWindows>(); }
    void cleanup() { windows_.reset(); }

    void helpPagesReadLineByLine_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("introduction") << 0 << kIntroduction;
        QTest::newRow("usage") << 1 << kUsage;
    }

    void helpPagesReadLineByLine() {
        QFETCH(int, page);
        QFETCH(QStringList, lines);
        const QStringList shown = windows_->help.TabbedNotebook1->widget(page)
                                      ->findChild<QPlainTextEdit*>()
                                      ->toPlainText()
                                      .split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(shown[i], lines[i]);
        }
    }

    void helpKeepsItsPageAcrossOk() {
        TPomoc& help = windows_->help;
        toolkit::ShowModeless(&help);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.TabbedNotebook1->setCurrentIndex(1);
        QTest::mouseClick(help.Button1, Qt::LeftButton);
        QVERIFY(help.isHidden());
        toolkit::ShowModeless(&help);
        QCOMPARE(help.TabbedNotebook1->currentIndex(), 1);
    }

    void onlyTheAdsPageTakesTyping_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("editable");
        QTest::newRow("introduction") << 0 << false;
        QTest::newRow("usage") << 1 << false;
        QTest::newRow("ads") << 2 << true;
    }

    void onlyTheAdsPageTakesTyping() {
        QFETCH(int, page);
        QFETCH(bool, editable);
        TPomoc& help = windows_->help;
        toolkit::ShowModeless(&help);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.TabbedNotebook1->setCurrentIndex(page);
        auto* memo = help.TabbedNotebook1->currentWidget()->findChild<QPlainTextEdit*>();
        const QString before = memo->toPlainText();
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        QCOMPARE(memo->toPlainText() != before, editable);
    }

    void aboutLeadsToDetailsThenCloses_data() {
        QTest::addColumn<bool>("detailsUp");
        QTest::newRow("details hidden") << false;
        QTest::newRow("details already up") << true;
    }

    void aboutLeadsToDetailsThenCloses() {
        QFETCH(bool, detailsUp);
        Tform_detalji& details = windows_->details;
        Tform_about& about = windows_->about;
        if (detailsUp) {
            toolkit::ShowModeless(&details);
        }
        toolkit::ShowModeless(&about);
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.Button2->text(), QStringLiteral("&Details"));
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        QVERIFY(details.isVisible());
        QCOMPARE(about.Button2->text(), QStringLiteral("&OK"));
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        QVERIFY(about.isHidden());
        QVERIFY(details.isVisible());
        QVERIFY(details.Memo1->isReadOnly());
        QTest::mouseClick(details.Button1, Qt::LeftButton);
        QVERIFY(details.isHidden());
    }

    void showingAShownAboutOnlyRaisesIt() {
        Tform_about& about = windows_->about;
        toolkit::ShowModeless(&about);
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        toolkit::ShowModeless(&about);
        QCOMPARE(about.Button2->text(), QStringLiteral("&OK"));
        // The close box hides it; the next showing starts the button over.
        about.close();
        toolkit::ShowModeless(&about);
        QCOMPARE(about.Button2->text(), QStringLiteral("&Details"));
    }

    // The version the build sets is the newest release of the metainfo; it stands on a
    // line of its own, clear of every other widget, and the fixed version line keeps its
    // words.
    void aboutShowsTheReleasedVersionOnALineOfItsOwn() {
        QFile notes(QString::fromUtf8(KBD_SOURCE_DIR) +
                    QStringLiteral("/app/io.github.tavik.kbdgen.metainfo.xml"));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\""))
                .match(QString::fromUtf8(notes.readAll()));
        QVERIFY(release.hasMatch());

        Tform_about& about = windows_->about;
        toolkit::ShowModeless(&about);
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* version = about.findChild<QLabel*>(QStringLiteral("LabelVersion"));
        QVERIFY(version != nullptr);
        QCOMPARE(version->text(), QStringLiteral("kbdgen ") + release.captured(1));
        QCOMPARE(about.Label6->text(), QStringLiteral("Version 1.0 for Linux"));
        QVERIFY(version->isVisible());
        QVERIFY(version->fontMetrics().horizontalAdvance(version->text()) <= version->width());
        for (const QWidget* other : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(other == version || !other->geometry().intersects(version->geometry()),
                     qPrintable(other->objectName()));
        }
    }

private:
    std::unique_ptr<InfoWindows> windows_;
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
