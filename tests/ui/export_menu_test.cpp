// Tools, Export for Windows NT (.klc) through the real handler: the chooser answered as a
// user answers it, the file or the message box that follows, in a temporary folder.
#include "exports/klc.h"
#include "form_driver.h"
#include "layout/keyboard_layout.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace kbd;
using namespace kbd::test;

class ExportMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writesTheKlcInTheShownCodePage();
    void refusalSaysWhyAndWritesNothing();

private:
    // Triggers the item, types `name` into the chooser and accepts it; what the chooser
    // proposed and the message box text, if one showed.
    void Export(const QString& name);

    std::unique_ptr<TAllKeysForm> form_;
    std::unique_ptr<QTemporaryDir> folder_;
    QString proposed_;
    std::optional<QString> message_;
};

void ExportMenuTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    form_ = OpenForm();
    proposed_.clear();
    message_.reset();
}

void ExportMenuTest::cleanup() {
    form_.reset();
    folder_.reset();
}

void ExportMenuTest::Export(const QString& name) {
    const QPointer<QTimer> chooserWatch = WhenModalShows([this, name](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (chooser == nullptr || chooser->objectName() != QStringLiteral("KlcDialog")) {
            return false;
        }
        proposed_ = QFileInfo(chooser->selectedFiles().value(0)).fileName();
        chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(folder_->filePath(name));
        static_cast<QDialog*>(chooser)->accept();
        return true;
    });
    const QPointer<QTimer> boxWatch = WhenModalShows([this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        message_ = box->windowTitle() + QStringLiteral(": ") + box->text();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    form_->findChild<QAction*>(QStringLiteral("ExportKlc1"))->trigger();
    delete chooserWatch.data();
    delete boxWatch.data();
}

void ExportMenuTest::writesTheKlcInTheShownCodePage() {
    QVERIFY(form_->codePage().setNumber(1251));
    Export(QStringLiteral("mine")); // the chooser adds .klc
    QCOMPARE(proposed_, QStringLiteral("kbd_qz.klc"));
    QVERIFY2(!message_, qPrintable(message_.value_or(QString())));
    QFile file(folder_->filePath(QStringLiteral("mine.klc")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string expected = exports::KlcBytes(ProgramLayout(), *CodePage::Load(1251), "mine");
    QCOMPARE(file.readAll(), QByteArray::fromStdString(expected));
}

void ExportMenuTest::refusalSaysWhyAndWritesNothing() {
    ProgramLayout().VirtualKey[29] = 0x51; // F takes Q's code
    Export(QStringLiteral("shared.klc"));
    QCOMPARE(message_, QStringLiteral("Error in Exporting: ") +
                           folder_->filePath(QStringLiteral("shared.klc")) +
                           QStringLiteral(": the layout cannot become a .klc file: keys 14 and 30 "
                                          "share virtual-key code 0x51"));
    QCOMPARE(
        QDir(folder_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
        QStringList());
}

QTEST_MAIN(ExportMenuTest)
#include "export_menu_test.moc"
