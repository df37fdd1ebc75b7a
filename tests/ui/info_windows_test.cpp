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

    // The lines people notice: the first, the typos, a trailing blank and the last.
    void helpPagesKeepTheirLines_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("intro first")
            << 0 << 13 << 1 << "This program generates KBD files for Windows 95.";
        QTest::newRow("intro thE")
            << 0 << 13 << 3 << "Windows 95 allows users to select the keyboard layout from thE";
        QTest::newRow("intro tipically")
            << 0 << 13 << 8 << "For these languages, there are tipically more than one";
        QTest::newRow("intro last") << 0 << 13 << 12 << "your chance to make it by yourself.";
        QTest::newRow("usage thumb")
            << 1 << 42 << 27 << "   The rule of the thumb for setting ANSI table is to put";
        QTest::newRow("usage WINDOWOWS")
            << 1 << 42 << 35 << "   you are designing in the WINDOWOWS\\SYSTEM directory. ";
        QTest::newRow("usage restart") << 1 << 42 << 40 << "7. Restart the system.";
    }

    void helpPagesKeepTheirLines() {
        QFETCH(int, page);
        QFETCH(int, count);
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList shown = windows_->help.TabbedNotebook1->widget(page)
                                      ->findChild<QPlainTextEdit*>()
                                      ->toPlainText()
                                      .split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), count);
        QCOMPARE(shown.value(line), text);
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

    // The version the build sets is the newest release of the metainfo.
    void aboutShowsTheReleasedVersion() {
        QFile notes(QString::fromUtf8(KBD_SOURCE_DIR) +
                    QStringLiteral("/app/io.github.tavik.kbdgen.metainfo.xml"));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\""))
                .match(QString::fromUtf8(notes.readAll()));
        QVERIFY(release.hasMatch());
        const auto* line = windows_->about.findChild<QLabel*>(QStringLiteral("Label6"));
        QCOMPARE(line->text(), QStringLiteral("Version %1 for Linux").arg(release.captured(1)));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
    }

private:
    std::unique_ptr<InfoWindows> windows_;
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
