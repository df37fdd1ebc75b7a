// What the editor reads and writes through its choosers, on real files in a temporary
// folder: File, Open, File, Save, and Tools, Export for Windows NT (.klc).
#include "exports/klc.h"
#include "form_driver.h"
#include "layout/writer.h"
#include "system_layouts/layout_from_xkb.h"
#include "ui/toolkit/file_chooser.h"

#include <QDir>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QUndoStack>
#include <sys/stat.h>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray Image(const KeyboardLayout& layout) {
    const KbdImage image = BuildKbdImage(layout);
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

} // namespace

class FilesTest : public ProgramTest {
    Q_OBJECT
private slots:
    void openChooserListsKbdInAnyCase() {
        const QTemporaryDir folder;
        for (const char* name : {"a.kbd", "b.KBD", "c.Kbd", "d.txt", "e.kbd.bak"}) {
            QVERIFY(WriteFile(folder.filePath(QString::fromLatin1(name)), "x"));
        }
        QFileDialog* open = &Child<toolkit::FileChooser>("OpenDialog1")->dialog();
        auto* model = open->findChild<QFileSystemModel*>();
        open->setDirectory(folder.path());
        open->show();
        const QModelIndex root = model->index(folder.path());
        const auto listed = [&] {
            QStringList names;
            for (int row = 0; row < model->rowCount(root); ++row) {
                names << model->index(row, 0, root).data().toString();
            }
            names.sort();
            return names;
        };
        QTRY_COMPARE(listed(), QStringList({"a.kbd", "b.KBD", "c.Kbd"}));
        open->hide();
    }

    void openShowsTheLoadedLayerAndKeepsIt() {
        const QTemporaryDir folder;
        KeyboardLayout written = DefaultLayout();
        written.AltGrChar[13] = 0xA3;
        written.AltGrChar[15] = 0xE8;
        const QString path = folder.filePath(u"mine.kbd"_s);
        QVERIFY(SaveLayout(written, path));
        QTest::mouseClick(Radio("rb_altgr"), Qt::LeftButton);
        Hover(Cell(10));
        const ChooserSeen answer = Choose("OpenKBD1", u"OpenDialog1"_s, path);
        QVERIFY(!answer.boxText);
        QCOMPARE(ProgramLayout().AltGrChar[13], 0xA3);
        QCOMPARE(Key(14)->text(), u"\u0141"_s);
        QCOMPARE(Key(17)->text(), QString()); // no AltGr character: stored as 0
        QCOMPARE(form()->layerMode(), 3);
        QCOMPARE(Magnifier()->text(), u")"_s);
    }

    // A KBD file carries no code page: a Serbian Cyrillic file opened in the start-up
    // script is offered Cyrillic, and the offer's button switches as Options, Font would;
    // a Latin file is offered nothing.
    void openOffersTheScriptTheFileReadsBestIn_data() {
        Columns<QString, int, QString>("layout", "madeIn", "offer");
        QTest::newRow("Serbian Cyrillic")
            << "rs" << 1251 << "This layout looks like Cyrillic (1251). Show it in Cyrillic?";
        QTest::newRow("Greek") << "gr" << 1253
                               << "This layout looks like Greek (1253). Show it in Greek?";
        QTest::newRow("Serbian Latin") << "rs(latin)" << 1250 << "";
        QTest::newRow("German") << "de" << 1252 << "";
    }

    void openOffersTheScriptTheFileReadsBestIn() {
        const auto [layout, madeIn, offer] =
            Fetch<QString, int, QString>("layout", "madeIn", "offer");
        const auto built =
            BuildSystemLayout(ParseLayoutId(layout.toStdString()).value(), *CodePage::Load(madeIn));
        QVERIFY(built);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"saved.kbd"_s);
        QVERIFY(SaveLayout(built->layout, path));
        Choose("OpenKBD1", u"OpenDialog1"_s, path);
        auto* bar = Child<QWidget>("ScriptOffer");
        QCOMPARE(form()->codePage().number(), 1250); // nothing changes without the click
        QCOMPARE(bar->isVisibleTo(form()), !offer.isEmpty());
        if (offer.isEmpty()) {
            return;
        }
        QCOMPARE(Child<QLabel>("ScriptOfferText")->text(), offer);
        Child<QPushButton>("ScriptOfferButton")->click();
        QCOMPARE(form()->codePage().number(), madeIn);
        QVERIFY(!bar->isVisibleTo(form()));
    }

    void openRefusesForeignFilesAndCancel_data() {
        Columns<QString>("kind");
        for (const char* kind : {"too short", "no signature", "named pipe", "cancelled"}) {
            QTest::newRow(kind) << kind;
        }
    }

    void openRefusesForeignFilesAndCancel() {
        const auto [kind] = Fetch<QString>("kind");
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"foreign.KBD"_s);
        if (kind == "too short") {
            QVERIFY(WriteFile(path, Image(DefaultLayout()).left(687)));
        } else if (kind == "no signature") {
            QVERIFY(WriteFile(path, QByteArray(688, 'T')));
        } else if (kind == "named pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        ProgramLayout().NormalChar[0] = 'Z';
        form()->ShowLayer(2);
        const KeyboardLayout before = ProgramLayout();
        const bool cancel = kind == "cancelled";
        const ChooserSeen answer = Choose("OpenKBD1", u"OpenDialog1"_s, cancel ? QString() : path);
        QCOMPARE(answer.boxTitle, cancel ? QString() : u"Error in Opening"_s);
        QCOMPARE(answer.boxText.value_or(QString()),
                 cancel ? QString() : u"Found file is probably not generated by this program"_s);
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(1)->text(), u"Z"_s);
    }

    void saveWritesTheLayoutAndRemembersThePath() {
        const QTemporaryDir folder;
        QVERIFY(Drop(34, 1));
        const QString path = folder.filePath(u"kbd_qz.kbd"_s);
        QVERIFY(WriteFile(path, QByteArray(2000, 'x'))); // replaced without a question
        const ChooserSeen answer = Choose("SaveKBD1", u"SaveDialog1"_s, path);
        QVERIFY(!answer.boxText);
        QVERIFY(answer.proposed.endsWith(u"/kbd_qz.kbd"_s));
        QCOMPARE(FileBytes(path), Image(ProgramLayout()));
        for (int i = 0; i < 2; ++i) { // and a cancel keeps it
            QCOMPARE(Choose("SaveKBD1", u"SaveDialog1"_s, QString()).proposed, path);
        }
    }

    void failedSaveSaysWhyAndKeepsTheLayout() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"missing/kbd_qz.kbd"_s);
        const ChooserSeen answer = Choose("SaveKBD1", u"SaveDialog1"_s, path);
        QCOMPARE(answer.boxTitle, u"Error in Saving"_s);
        QCOMPARE(answer.boxText, u"The layout was not saved to %1.\nCannot create the "
                                 "file. (No such file or directory)"_s.arg(path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(ProgramLayout() == DefaultLayout());
    }

    void exitClosesTheWindow() {
        Item("Kraj1")->trigger();
        QVERIFY(!form()->isVisible());
    }

    void exportWritesTheKlcInTheShownCodePage() {
        const QTemporaryDir folder;
        QVERIFY(form()->codePage().setNumber(1251));
        // The chooser adds .klc.
        const ChooserSeen answer = Choose("ExportKlc1", u"KlcDialog"_s, folder.filePath("mine"));
        QVERIFY(answer.proposed.endsWith(u"/kbd_qz.klc"_s));
        QVERIFY2(!answer.boxText, qPrintable(answer.boxText.value_or(QString())));
        QCOMPARE(FileBytes(folder.filePath("mine.klc")),
                 QByteArray::fromStdString(
                     exports::KlcBytes(ProgramLayout(), *CodePage::Load(1251), "mine",
                                       *FindLocale("sr-Cyrl-CS")))); // the built-in Serbian
    }

    // File, Import: the .klc's language presets the script asked for its characters; the
    // keys then show it, one undo step takes it back, and a file of no kind changes nothing.
    void importReadsAnyKeyboardFileAsOneStep() {
        const QTemporaryDir folder;
        const QString klc = folder.filePath(u"mine.klc"_s);
        QVERIFY(WriteFile(klc, "KBD\tQZ\t\"Mine\"\r\nLOCALEID\t\"00000419\"\r\nSHIFTSTATE\r\n0\r\n"
                               "1\r\nLAYOUT\r\n10\tQ\t1\t0439\t0419\r\nENDKBD\r\n"));
        QString asked;
        const QPointer<QTimer> watch = WhenModalShows([&asked](QWidget* modal) {
            if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
                asked = dialog->textValue();
                dialog->accept();
            }
            return false;
        });
        const ChooserSeen read = Choose("Import1", u"ImportDialog1"_s, klc);
        QVERIFY2(!read.boxText, qPrintable(read.boxText.value_or(QString())));
        QCOMPARE(asked, u"Cyrillic"_s);
        QCOMPARE(ProgramLayout().NormalChar[13], 0xE9); // й
        QCOMPARE(form()->codePage().number(), 1251);
        QCOMPARE(form()->document().undoStack().undoText(), u"import of mine.klc"_s);
        form()->document().undoStack().undo();
        QCOMPARE(ProgramLayout(), DefaultLayout());

        const QString text = folder.filePath(u"notes.txt"_s);
        QVERIFY(WriteFile(text, "just words"));
        const ChooserSeen answer = Choose("Import1", u"ImportDialog1"_s, text);
        QCOMPARE(answer.boxTitle, u"Error in Importing"_s);
        QVERIFY(answer.boxText->contains(text));
        QCOMPARE(ProgramLayout(), DefaultLayout());
        delete watch.data();
    }

    // The floppy is named after the image, and says so when DOS needs a shorter name.
    void floppySaysTheNameItGaveTheLayout() {
        const QTemporaryDir folder;
        const ChooserSeen answer =
            Choose("MakeFloppy1", u"FloppyDialog"_s, folder.filePath(u"serbian-cyrillic.img"_s));
        QCOMPARE(answer.boxTitle, u"Make install floppy"_s);
        QCOMPARE(answer.boxText, u"The layout is SERBIAN-.KBD on the floppy: a DOS "
                                 "name has at most 8 letters, digits, _ or -."_s);
    }

    void exportRefusalSaysWhyAndWritesNothing() {
        const QTemporaryDir folder;
        ProgramLayout().VirtualKey[29] = 0x51; // F takes Q's code
        const QString path = folder.filePath(u"shared.klc"_s);
        const ChooserSeen answer = Choose("ExportKlc1", u"KlcDialog"_s, path);
        QCOMPARE(answer.boxTitle, u"Error in Exporting"_s);
        QCOMPARE(answer.boxText, path + u": the layout cannot become a .klc file: "
                                        "keys 14 and 30 share virtual-key code 0x51"_s);
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList());
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
