// Tools, Export for Windows NT (.klc) through the real handler: the chooser answered as a
// user answers it, the file or the message box that follows, in a temporary folder.
#include "exports/klc.h"
#include "form_driver.h"
#include "layout/keyboard_layout.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

class ExportMenuTest : public ProgramTest {
    Q_OBJECT
private slots:
    void writesTheKlcInTheShownCodePage() {
        const QTemporaryDir folder;
        QVERIFY(form()->codePage().setNumber(1251));
        {
            // The chooser adds .klc.
            const ChooserAnswer answer(QStringLiteral("KlcDialog"), folder.filePath("mine"));
            Item(form(), "ExportKlc1")->trigger();
            QVERIFY(answer.proposed.endsWith(QStringLiteral("/kbd_qz.klc")));
            QVERIFY2(!answer.boxText, qPrintable(answer.boxText.value_or(QString())));
        }
        QFile file(folder.filePath(QStringLiteral("mine.klc")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(exports::KlcBytes(
                                     ProgramLayout(), *CodePage::Load(1251), "mine")));
    }

    void refusalSaysWhyAndWritesNothing() {
        const QTemporaryDir folder;
        ProgramLayout().VirtualKey[29] = 0x51; // F takes Q's code
        const QString path = folder.filePath(QStringLiteral("shared.klc"));
        const ChooserAnswer answer(QStringLiteral("KlcDialog"), path);
        Item(form(), "ExportKlc1")->trigger();
        QCOMPARE(answer.boxTitle, QStringLiteral("Error in Exporting"));
        QCOMPARE(answer.boxText,
                 path + QStringLiteral(": the layout cannot become a .klc file: "
                                       "keys 14 and 30 share virtual-key code 0x51"));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList());
    }
};

QTEST_MAIN(ExportMenuTest)
#include "export_menu_test.moc"
