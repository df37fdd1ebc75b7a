// The disk-install window: the previews it lists and the request each way makes.
#include "layout/writer.h"
#include "ui/Diskinstall/disk_install_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class DiskInstallTest : public QObject {
    Q_OBJECT
private slots:
    void listsPreviewsAndMakesBothRequests() {
        kbd::diskimage::Survey survey;
        survey.image = "/tmp/win95.img";
        const kbd::KbdImage bytes = kbd::BuildKbdImage(kbd::DefaultLayout());
        kbd::diskimage::WindowsFolder windows;
        windows.volume.number = 5;
        windows.folder = "WIN95";
        windows.layouts = {{"KBDUS.KBD", {bytes.begin(), bytes.end()}}};
        survey.windows = {windows};
        kbd::TDiskInstallForm form(survey, kbd::CodePage::Latin1(), nullptr);
        auto* list = form.findChild<QListWidget*>("LayoutList");
        auto* ok = form.findChild<QPushButton*>("OkButton");
        QCOMPARE(form.findChild<QComboBox*>("WindowsCombo")->currentText(),
                 u"Partition 5: WIN95"_s);
        QCOMPARE(list->item(0)->text(), u"KBDUS.KBD    q w e r t y u i o p [ ]"_s);
        QVERIFY(!ok->isEnabled()); // nothing selected to replace
        list->setCurrentRow(0);
        QVERIFY(ok->isEnabled());
        QCOMPARE(form.request().name, std::string("KBDUS.KBD"));
        QCOMPARE(form.request().partition, 5);
        form.findChild<QRadioButton*>("AddRadio")->setChecked(true);
        form.findChild<QLineEdit*>("NameEdit")->setText("qz");
        const auto request = form.request();
        QVERIFY(request.way == kbd::diskimage::InstallWay::Add);
        QCOMPARE(request.name, std::string("qz"));
        QCOMPARE(request.text, std::string("My layout"));
    }
};

QTEST_MAIN(DiskInstallTest)
#include "disk_install_test.moc"
