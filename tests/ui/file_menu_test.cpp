// File, Open and File, Save through the real choosers, on real files in a temporary folder.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/fonts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace kbd;
using namespace kbd::test;

namespace {

struct BoxSeen {
    bool shown = false;
    QString caption;
    QString text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::WindowModality modality = Qt::NonModal;
};

// Answers the chooser `name` with `path`, or cancels it for an empty one, and reads and
// closes any message box that follows. The watches end with the object.
class ChooserAnswer {
public:
    ChooserAnswer(const QString& name, const QString& path) {
        chooserWatch_ = WhenModalShows([this, name, path](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            if (chooser == nullptr || chooser->objectName() != name) {
                return false;
            }
            proposed = chooser->selectedFiles().value(0);
            if (path.isEmpty()) {
                chooser->reject();
                return true;
            }
            // Typed into the name field, as a user does.
            chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(chooser)->accept(); // as the chooser's own button does
            return true;
        });
        boxWatch_ = WhenModalShows([this](QWidget* modal) {
            auto* message = qobject_cast<QMessageBox*>(modal);
            if (message == nullptr) {
                return false;
            }
            box.shown = true;
            box.caption = message->windowTitle();
            box.text = message->text();
            box.buttons = message->buttons().size();
            box.icon = message->icon();
            box.modality = message->windowModality();
            message->button(QMessageBox::Ok)->click();
            return true;
        });
    }
    ~ChooserAnswer() {
        delete chooserWatch_.data();
        delete boxWatch_.data();
    }
    ChooserAnswer(const ChooserAnswer&) = delete;
    ChooserAnswer& operator=(const ChooserAnswer&) = delete;

    QString proposed; // what the chooser offered when it showed
    BoxSeen box;

private:
    QPointer<QTimer> chooserWatch_;
    QPointer<QTimer> boxWatch_;
};

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

class FileMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choosersAreSetUpAsDesigned();
    void openChooserListsKbdInAnyCase();
    void openShowsTheLoadedLayerAndKeepsIt();
    void openRefusesForeignFiles_data();
    void openRefusesForeignFiles();
    void cancelledOpenChangesNothing();
    void saveWritesTheLayoutAndRemembersThePath();
    void saveReplacesAnExistingFileWithoutAsking();
    void failedSaveSaysWhyAndKeepsTheLayout();
    void exitClosesTheWindow();

private:
    QAction* Item(const char* name) { return form_->findChild<QAction*>(name); }

    std::unique_ptr<TAllKeysForm> form_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void FileMenuTest::initTestCase() {
    toolkit::InstallFontSubstitutes();
}

void FileMenuTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    form_ = OpenForm();
    QVERIFY(form_);
}

void FileMenuTest::cleanup() {
    form_.reset();
    folder_.reset();
}

void FileMenuTest::choosersAreSetUpAsDesigned() {
    auto* openChooser = form_->findChild<toolkit::FileChooser*>(QStringLiteral("OpenDialog1"));
    auto* saveChooser = form_->findChild<toolkit::FileChooser*>(QStringLiteral("SaveDialog1"));
    QVERIFY(openChooser && saveChooser);
    QCOMPARE(openChooser->fileName(), QString());
    QCOMPARE(saveChooser->fileName(), QStringLiteral("kbd_qz.kbd"));
    QFileDialog& open = openChooser->dialog();
    QFileDialog& save = saveChooser->dialog();
    QCOMPARE(open.objectName(), QStringLiteral("OpenDialog1"));
    QCOMPARE(open.windowTitle(), QStringLiteral("Open the .KBD file"));
    QCOMPARE(open.nameFilters(), QStringList{QStringLiteral("KBD files (*.KBD)")});
    QCOMPARE(open.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(save.windowTitle(), QStringLiteral("Save to KBD file"));
    QCOMPARE(save.nameFilters(), QStringList{QStringLiteral("KBD fajl (*.KBD)")});
    QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(save.testOption(QFileDialog::DontConfirmOverwrite));
    for (QFileDialog* chooser : {&open, &save}) {
        QVERIFY(chooser->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(chooser->defaultSuffix(), QString());
        QCOMPARE(chooser->windowModality(), Qt::ApplicationModal);
    }
}

void FileMenuTest::openChooserListsKbdInAnyCase() {
    for (const char* name : {"a.kbd", "b.KBD", "c.Kbd", "d.txt", "e.kbd.bak"}) {
        Write(folder_->filePath(QString::fromLatin1(name)), "x");
    }
    QFileDialog* open =
        &form_->findChild<toolkit::FileChooser*>(QStringLiteral("OpenDialog1"))->dialog();
    auto* model = open->findChild<QFileSystemModel*>();
    QVERIFY(model);
    open->setDirectory(folder_->path());
    open->show();
    const QModelIndex root = model->index(folder_->path());
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

void FileMenuTest::openShowsTheLoadedLayerAndKeepsIt() {
    KeyboardLayout written = DefaultLayout();
    written.AltGrChar[13] = 0xA3;
    written.AltGrChar[15] = 0xE8;
    const QString path = folder_->filePath(QStringLiteral("mine.kbd"));
    QVERIFY(SaveKbdFile(written, QFile::encodeName(path).toStdString()).ok());

    QTest::mouseClick(Radio(form_.get(), "rb_altgr"), Qt::LeftButton);
    Hover(form_.get(), Cell(form_.get(), 10));
    ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
    Item("OpenKBD1")->trigger();

    QVERIFY(!answer.box.shown);
    QCOMPARE(ProgramLayout().AltGrChar[13], 0xA3);
    QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("\u0141"));
    QCOMPARE(Key(form_.get(), 16)->text(), QStringLiteral("\u010D"));
    QCOMPARE(Key(form_.get(), 17)->text(), QString()); // no AltGr character: stored as 0
    QVERIFY(Radio(form_.get(), "rb_altgr")->isChecked());
    QCOMPARE(form_->layerMode(), 3);
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral(")"));
}

void FileMenuTest::openRefusesForeignFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("too short") << "short";
    QTest::newRow("no signature") << "unsigned";
    QTest::newRow("named pipe") << "fifo";
}

void FileMenuTest::openRefusesForeignFiles() {
    QFETCH(QString, kind);
    const QString path = folder_->filePath(QStringLiteral("foreign.KBD"));
    if (kind == "short") {
        Write(path, Image(DefaultLayout()).left(687));
    } else if (kind == "unsigned") {
        Write(path, QByteArray(688, 'T'));
    } else {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    ProgramLayout().NormalChar[0] = 'Z';
    form_->ShowLayer(2);
    const KeyboardLayout before = ProgramLayout();

    ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
    Item("OpenKBD1")->trigger();

    QVERIFY(answer.box.shown);
    QCOMPARE(answer.box.text,
             QStringLiteral("Found file is probably not generated by this program"));
    QCOMPARE(answer.box.caption, QStringLiteral("Error in Opening"));
    QCOMPARE(answer.box.buttons, 1);
    QCOMPARE(answer.box.icon, QMessageBox::NoIcon);
    QCOMPARE(answer.box.modality, Qt::ApplicationModal);
    QVERIFY(ProgramLayout() == before);
    QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("Z"));
}

void FileMenuTest::cancelledOpenChangesNothing() {
    ChooserAnswer answer(QStringLiteral("OpenDialog1"), QString());
    Item("OpenKBD1")->trigger();
    QVERIFY(!answer.box.shown);
    QVERIFY(ProgramLayout() == DefaultLayout());
    QCOMPARE(form_->findChild<toolkit::FileChooser*>("OpenDialog1")->fileName(), QString());
}

void FileMenuTest::saveWritesTheLayoutAndRemembersThePath() {
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 1), *toolkit::CellMimeData(34, "A")).dropped);
    const QString path = folder_->filePath(QStringLiteral("kbd_qz.kbd"));
    {
        ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
        Item("SaveKBD1")->trigger();
        QVERIFY(!answer.box.shown);
        QVERIFY(answer.proposed.endsWith(QStringLiteral("/kbd_qz.kbd")));
    }
    const QByteArray saved = Contents(path);
    QCOMPARE(saved.size(), 688);
    QCOMPARE(saved, Image(ProgramLayout()));
    for (int i = 0; i < 2; ++i) {
        ChooserAnswer cancel(QStringLiteral("SaveDialog1"), QString());
        Item("SaveKBD1")->trigger();
        QCOMPARE(cancel.proposed, path); // and a cancel keeps it
    }
}

void FileMenuTest::saveReplacesAnExistingFileWithoutAsking() {
    const QString path = folder_->filePath(QStringLiteral("kbd_qz.kbd"));
    Write(path, QByteArray(2000, 'x'));
    ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
    Item("SaveKBD1")->trigger();
    QVERIFY(!answer.box.shown);
    QCOMPARE(Contents(path), Image(DefaultLayout()));
}

void FileMenuTest::failedSaveSaysWhyAndKeepsTheLayout() {
    const QString path = folder_->filePath(QStringLiteral("missing/kbd_qz.kbd"));
    ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
    Item("SaveKBD1")->trigger();
    QVERIFY(answer.box.shown);
    QCOMPARE(answer.box.caption, QStringLiteral("Error in Saving"));
    QVERIFY2(answer.box.text.contains(path), qPrintable(answer.box.text));
    QVERIFY2(answer.box.text.contains(QStringLiteral("No such file or directory")),
             qPrintable(answer.box.text));
    QCOMPARE(answer.box.buttons, 1);
    QCOMPARE(answer.box.icon, QMessageBox::NoIcon);
    QVERIFY(!QFile::exists(path));
    QVERIFY(ProgramLayout() == DefaultLayout());
}

void FileMenuTest::exitClosesTheWindow() {
    Item("Kraj1")->trigger();
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
