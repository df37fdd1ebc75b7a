// What the editor reads and writes through its choosers, on real files in a temporary
// folder: File, Open, File, Save, and Tools, Export for Windows NT (.klc).
#include "exports/klc.h"
#include "form_driver.h"
#include "layout/writer.h"
#include "system_layouts/layout_from_xkb.h"
#include "ui/toolkit/file_chooser.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <sys/stat.h>

using namespace kbd;
using namespace kbd::test;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
            Write(folder.filePath(QString::fromLatin1(name)), "x");
        }
        QFileDialog* open = &Child<toolkit::FileChooser>("OpenDialog1")->dialog();
        auto* model = open->findChild<QFileSystemModel*>();
        QVERIFY(model);
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
        const QString path = folder.filePath(QStringLiteral("mine.kbd"));
        QVERIFY(SaveKbdFile(written, QFile::encodeName(path).toStdString()).ok());

        QTest::mouseClick(Radio("rb_altgr"), Qt::LeftButton);
        Hover(Cell(10));
        ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
        Item("OpenKBD1")->trigger();

        QVERIFY(!answer.boxText);
        QCOMPARE(ProgramLayout().AltGrChar[13], 0xA3);
        QCOMPARE(Key(14)->text(), QStringLiteral("\u0141"));
        QCOMPARE(Key(17)->text(), QString()); // no AltGr character: stored as 0
        QCOMPARE(form()->layerMode(), 3);
        QCOMPARE(Magnifier()->text(), QStringLiteral(")"));
    }

    // A KBD file carries no code page: a Serbian Cyrillic file opened in the start-up
    // script is offered Cyrillic, and the offer's button switches as Options, Font would;
    // a Latin file is offered nothing.
    void openOffersTheScriptTheFileReadsBestIn_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("madeIn");
        QTest::addColumn<QString>("offer");
        QTest::newRow("Serbian Cyrillic")
            << "rs" << 1251 << "This layout looks like Cyrillic (1251). Show it in Cyrillic?";
        QTest::newRow("Greek") << "gr" << 1253
                               << "This layout looks like Greek (1253). Show it in Greek?";
        QTest::newRow("Serbian Latin") << "rs(latin)" << 1250 << "";
        QTest::newRow("German") << "de" << 1252 << "";
    }

    void openOffersTheScriptTheFileReadsBestIn() {
        QFETCH(QString, layout);
        QFETCH(int, madeIn);
        QFETCH(QString, offer);
        const auto built =
            BuildSystemLayout(ParseLayoutId(layout.toStdString()).value(), *CodePage::Load(madeIn));
        QVERIFY(built);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saved.kbd"));
        QVERIFY(SaveKbdFile(built->layout, QFile::encodeName(path).toStdString()).ok());
        {
            ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
            Item("OpenKBD1")->trigger();
        }
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
        QTest::addColumn<QString>("kind");
        QTest::newRow("too short") << "short";
        QTest::newRow("no signature") << "unsigned";
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("cancelled") << "cancel";
    }

    void openRefusesForeignFilesAndCancel() {
        const QTemporaryDir folder;
        QFETCH(QString, kind);
        const QString path = folder.filePath(QStringLiteral("foreign.KBD"));
        if (kind == "short") {
            Write(path, Image(DefaultLayout()).left(687));
        } else if (kind == "unsigned") {
            Write(path, QByteArray(688, 'T'));
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        ProgramLayout().NormalChar[0] = 'Z';
        form()->ShowLayer(2);
        const KeyboardLayout before = ProgramLayout();

        ChooserAnswer answer(QStringLiteral("OpenDialog1"), kind == "cancel" ? QString() : path);
        Item("OpenKBD1")->trigger();

        QCOMPARE(answer.boxText.value_or(QString()),
                 kind == "cancel"
                     ? QString()
                     : QStringLiteral("Found file is probably not generated by this program"));
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(1)->text(), QStringLiteral("Z"));
    }

    void saveWritesTheLayoutAndRemembersThePath() {
        const QTemporaryDir folder;
        QVERIFY(Drop(34, 1));
        const QString path = folder.filePath(QStringLiteral("kbd_qz.kbd"));
        Write(path, QByteArray(2000, 'x')); // replaced without a question
        {
            ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
            Item("SaveKBD1")->trigger();
            QVERIFY(!answer.boxText);
            QVERIFY(answer.proposed.endsWith(QStringLiteral("/kbd_qz.kbd")));
        }
        QCOMPARE(Contents(path), Image(ProgramLayout()));
        for (int i = 0; i < 2; ++i) {
            ChooserAnswer cancel(QStringLiteral("SaveDialog1"), QString());
            Item("SaveKBD1")->trigger();
            QCOMPARE(cancel.proposed, path); // and a cancel keeps it
        }
    }

    void failedSaveSaysWhyAndKeepsTheLayout() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/kbd_qz.kbd"));
        ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
        Item("SaveKBD1")->trigger();
        QCOMPARE(answer.boxTitle, QStringLiteral("Error in Saving"));
        QCOMPARE(answer.boxText,
                 QStringLiteral("The layout was not saved to %1.\nCannot create the "
                                "file. (No such file or directory)")
                     .arg(path));
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
        {
            // The chooser adds .klc.
            const ChooserAnswer answer(QStringLiteral("KlcDialog"), folder.filePath("mine"));
            Item("ExportKlc1")->trigger();
            QVERIFY(answer.proposed.endsWith(QStringLiteral("/kbd_qz.klc")));
            QVERIFY2(!answer.boxText, qPrintable(answer.boxText.value_or(QString())));
        }
        QCOMPARE(Contents(folder.filePath("mine.klc")),
                 QByteArray::fromStdString(
                     exports::KlcBytes(ProgramLayout(), *CodePage::Load(1251), "mine",
                                       *FindLocale("sr-Cyrl-CS")))); // the built-in Serbian
    }

    // File, Import: the .klc's language presets the script asked for its characters; the
    // keys then show it, one undo step takes it back, and a file of no kind changes nothing.
    void importReadsAnyKeyboardFileAsOneStep() {
        const QTemporaryDir folder;
        const QString klc = folder.filePath(QStringLiteral("mine.klc"));
        Write(klc, "KBD\tQZ\t\"Mine\"\r\nLOCALEID\t\"00000419\"\r\nSHIFTSTATE\r\n0\r\n1\r\n"
                   "LAYOUT\r\n10\tQ\t1\t0439\t0419\r\nENDKBD\r\n");
        QString asked;
        const QPointer<QTimer> watch = WhenModalShows([&asked](QWidget* modal) {
            if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
                asked = dialog->textValue();
                dialog->accept();
            }
            return false;
        });
        {
            const ChooserAnswer answer(QStringLiteral("ImportDialog1"), klc);
            Item("Import1")->trigger();
            QVERIFY2(!answer.boxText, qPrintable(answer.boxText.value_or(QString())));
        }
        QCOMPARE(asked, QStringLiteral("Cyrillic"));
        QCOMPARE(ProgramLayout().NormalChar[13], 0xE9); // й
        QCOMPARE(form()->codePage().number(), 1251);
        QCOMPARE(form()->document().undoStack().undoText(), QStringLiteral("import of mine.klc"));
        form()->document().undoStack().undo();
        QCOMPARE(ProgramLayout(), DefaultLayout());

        const QString text = folder.filePath(QStringLiteral("notes.txt"));
        Write(text, "just words");
        const ChooserAnswer answer(QStringLiteral("ImportDialog1"), text);
        Item("Import1")->trigger();
        QCOMPARE(answer.boxTitle, QStringLiteral("Error in Importing"));
        QVERIFY(answer.boxText->contains(text));
        QCOMPARE(ProgramLayout(), DefaultLayout());
        delete watch.data();
    }

    // The floppy is named after the image, and says so when DOS needs a shorter name.
    void floppySaysTheNameItGaveTheLayout() {
        const QTemporaryDir folder;
        const ChooserAnswer answer(QStringLiteral("FloppyDialog"),
                                   folder.filePath(QStringLiteral("serbian-cyrillic.img")));
        Item("MakeFloppy1")->trigger();
        QCOMPARE(answer.boxTitle, QStringLiteral("Make install floppy"));
        QCOMPARE(answer.boxText, QStringLiteral("The layout is SERBIAN-.KBD on the floppy: a DOS "
                                                "name has at most 8 letters, digits, _ or -."));
    }

    void exportRefusalSaysWhyAndWritesNothing() {
        const QTemporaryDir folder;
        ProgramLayout().VirtualKey[29] = 0x51; // F takes Q's code
        const QString path = folder.filePath(QStringLiteral("shared.klc"));
        const ChooserAnswer answer(QStringLiteral("KlcDialog"), path);
        Item("ExportKlc1")->trigger();
        QCOMPARE(answer.boxTitle, QStringLiteral("Error in Exporting"));
        QCOMPARE(answer.boxText,
                 path + QStringLiteral(": the layout cannot become a .klc file: "
                                       "keys 14 and 30 share virtual-key code 0x51"));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList());
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
