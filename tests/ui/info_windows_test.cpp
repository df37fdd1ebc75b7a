// The help, about and details windows: made at their first use, all three at once, then
// what each shows and how its buttons lead on.
#include "form_driver.h"
#include "ui/About/form_about.h"
#include "ui/Detalji/form_detalji.h"
#include "ui/Upomoc/pomoc.h"
#include "ui/toolkit/show_modeless.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <map>

using namespace kbd;

namespace {

// The names of the program's top-level windows that exist now, hidden or shown.
QStringList TopLevelNames() {
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        names << window->objectName();
    }
    names.sort();
    return names;
}

const QStringList kInfoNames{"Pomoc", "form_about", "form_detalji"};

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

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_ = std::make_unique<InfoWindows>(); }
    void cleanup() { windows_.reset(); }

    void firstRequestMakesAllThree_data() {
        QTest::addColumn<QString>("first");
        QTest::newRow("help") << "Pomoc";
        QTest::newRow("about") << "form_about";
        QTest::newRow("details") << "form_detalji";
    }

    void firstRequestMakesAllThree() {
        QFETCH(QString, first);
        QVERIFY(!windows_->created());
        const QStringList before = TopLevelNames();
        for (const QString& name : kInfoNames) {
            QVERIFY(!before.contains(name));
        }
        const std::map<QString, std::function<QWidget*()>> request{
            {"Pomoc",
             [this] {
                 return &windows_->Pomoc();
             }},
            {"form_about",
             [this] {
                 return &windows_->form_about();
             }},
            {"form_detalji", [this] {
                 return &windows_->form_detalji();
             }}};
        QWidget* made = request.at(first)();
        QCOMPARE(made->objectName(), first);
        QVERIFY(made->isHidden());
        QStringList expected = before + kInfoNames;
        expected.sort();
        QCOMPARE(TopLevelNames(), expected);
        for (const auto& [name, get] : request) {
            QCOMPARE(get(), TopLevelWidget(name));
        }
    }

    void helpMenuOpensThemOnItsFirstUse_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Topics") << "Kakokoristiti1"
                                << "Pomoc";
        QTest::newRow("About") << "Oprogramu1"
                               << "form_about";
    }

    void helpMenuOpensThemOnItsFirstUse() {
        QFETCH(QString, item);
        QFETCH(QString, shown);
        const auto program = test::OpenProgram();
        QVERIFY(!program->Info.created());
        program->AllKeysForm.findChild<QAction*>(item)->trigger();
        QVERIFY(program->Info.created());
        for (const QString& name : kInfoNames) {
            QCOMPARE(TopLevelWidget(name)->isVisible(), name == shown);
        }
    }

    void helpPagesReadLineByLine_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("introduction") << 0 << kIntroduction;
        QTest::newRow("usage") << 1 << kUsage;
    }

    void helpPagesReadLineByLine() {
        QFETCH(int, page);
        QFETCH(QStringList, lines);
        const QStringList shown = windows_->Pomoc()
                                      .TabbedNotebook1->widget(page)
                                      ->findChild<QPlainTextEdit*>()
                                      ->toPlainText()
                                      .split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(shown[i], lines[i]);
        }
    }

    void helpKeepsItsPageAcrossOk() {
        TPomoc& help = windows_->Pomoc();
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
        TPomoc& help = windows_->Pomoc();
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
        Tform_detalji& details = windows_->form_detalji();
        Tform_about& about = windows_->form_about();
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
        Tform_about& about = windows_->form_about();
        toolkit::ShowModeless(&about);
        QTest::mouseClick(about.Button2, Qt::LeftButton);
        toolkit::ShowModeless(&about);
        QCOMPARE(about.Button2->text(), QStringLiteral("&OK"));
        // The close box hides it; the next showing starts the button over.
        about.close();
        toolkit::ShowModeless(&about);
        QCOMPARE(about.Button2->text(), QStringLiteral("&Details"));
    }

private:
    // The one top-level widget of that name, or null when there is none or more than one.
    static QWidget* TopLevelWidget(const QString& name) {
        QWidget* found = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name) {
                if (found != nullptr) {
                    return nullptr;
                }
                found = window;
            }
        }
        return found;
    }

    std::unique_ptr<InfoWindows> windows_;
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
