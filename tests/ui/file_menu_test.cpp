// File, Open and File, Save through the real choosers, on real files in a temporary folder.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/fonts.h"

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
#include <optional>
#include <sys/stat.h>

using namespace kbd;
using namespace kbd::test;

namespace {

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
            boxText = message->text();
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

    QString proposed;               // what the chooser offered when it showed
    std::optional<QString> boxText; // the message box that followed, if any

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
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        form_ = OpenForm();
        QVERIFY(form_);
    }

    void cleanup() {
        form_.reset();
        folder_.reset();
    }

    void openChooserListsKbdInAnyCase() {
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

    void openShowsTheLoadedLayerAndKeepsIt() {
        KeyboardLayout written = DefaultLayout();
        written.AltGrChar[13] = 0xA3;
        written.AltGrChar[15] = 0xE8;
        const QString path = folder_->filePath(QStringLiteral("mine.kbd"));
        QVERIFY(SaveKbdFile(written, QFile::encodeName(path).toStdString()).ok());

        QTest::mouseClick(Radio(form_.get(), "rb_altgr"), Qt::LeftButton);
        Hover(form_.get(), Cell(form_.get(), 10));
        ChooserAnswer answer(QStringLiteral("OpenDialog1"), path);
        Item("OpenKBD1")->trigger();

        QVERIFY(!answer.boxText);
        QCOMPARE(ProgramLayout().AltGrChar[13], 0xA3);
        QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("\u0141"));
        QCOMPARE(Key(form_.get(), 17)->text(), QString()); // no AltGr character: stored as 0
        QCOMPARE(form_->layerMode(), 3);
        QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral(")"));
    }

    void openRefusesForeignFilesAndCancel_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("too short") << "short";
        QTest::newRow("no signature") << "unsigned";
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("cancelled") << "cancel";
    }

    void openRefusesForeignFilesAndCancel() {
        QFETCH(QString, kind);
        const QString path = folder_->filePath(QStringLiteral("foreign.KBD"));
        if (kind == "short") {
            Write(path, Image(DefaultLayout()).left(687));
        } else if (kind == "unsigned") {
            Write(path, QByteArray(688, 'T'));
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        ProgramLayout().NormalChar[0] = 'Z';
        form_->ShowLayer(2);
        const KeyboardLayout before = ProgramLayout();

        ChooserAnswer answer(QStringLiteral("OpenDialog1"), kind == "cancel" ? QString() : path);
        Item("OpenKBD1")->trigger();

        QCOMPARE(answer.boxText.value_or(QString()),
                 kind == "cancel"
                     ? QString()
                     : QStringLiteral("Found file is probably not generated by this program"));
        QVERIFY(ProgramLayout() == before);
        QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("Z"));
    }

    void saveWritesTheLayoutAndRemembersThePath() {
        QVERIFY(
            DragAndDrop(form_.get(), Key(form_.get(), 1), *toolkit::CellMimeData(34, "A")).dropped);
        const QString path = folder_->filePath(QStringLiteral("kbd_qz.kbd"));
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
        const QString path = folder_->filePath(QStringLiteral("missing/kbd_qz.kbd"));
        ChooserAnswer answer(QStringLiteral("SaveDialog1"), path);
        Item("SaveKBD1")->trigger();
        QVERIFY(answer.boxText);
        QVERIFY2(answer.boxText->contains(path) && answer.boxText->contains("No such file"),
                 qPrintable(*answer.boxText));
        QVERIFY(!QFile::exists(path));
        QVERIFY(ProgramLayout() == DefaultLayout());
    }

    void exitClosesTheWindow() {
        Item("Kraj1")->trigger();
        QVERIFY(!form_->isVisible());
    }

private:
    QAction* Item(const char* name) { return form_->findChild<QAction*>(name); }

    std::unique_ptr<TAllKeysForm> form_;
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
