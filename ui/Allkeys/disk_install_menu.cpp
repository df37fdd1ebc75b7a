// Tools, Install into disk image: the image chooser, the window that asks where, then the
// install with a progress dialog for the copy, and a message with what was done.
#include "all_keys_form.h"
#include "diskimage/install.h"
#include "diskimage/survey.h"
#include "layout/writer.h"
#include "tools_menu.h"
#include "ui/Diskinstall/disk_install_form.h"
#include "ui/Document/layout_document.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/messages.h"

#include <QApplication>
#include <QProgressDialog>

namespace kbd {

void ToolsMenu::InstallIntoDiskImage() {
    if (DiskImageDialog_ == nullptr) {
        DiskImageDialog_ = new toolkit::FileChooser(&form_, [](QFileDialog& chooser) {
            chooser.setWindowTitle(QStringLiteral("Choose the emulated machine's disk image"));
            chooser.setNameFilters({QStringLiteral("Disk images (*.img *.ima *.vhd *.hdd *.raw)"),
                                    QStringLiteral("All files (*)")});
            chooser.setAcceptMode(QFileDialog::AcceptOpen);
            chooser.setFileMode(QFileDialog::ExistingFile);
        });
        DiskImageDialog_->setObjectName(QStringLiteral("DiskImageDialog"));
    }
    const auto path = DiskImageDialog_->choose();
    if (!path) {
        return;
    }
    const QString caption = QStringLiteral("Install into disk image");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto survey = diskimage::SurveyImage(path->toStdString());
    QApplication::restoreOverrideCursor();
    if (!survey.ok()) {
        toolkit::ShowError(&form_, caption, survey.error());
        return;
    }
    if (survey.value().windows.empty()) {
        toolkit::ShowError(&form_, caption, diskimage::ChooseWindows(survey.value(), -1).error());
        return;
    }
    TDiskInstallForm form(survey.value(), document_.codePage().page(), &form_);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    diskimage::InstallRequest request = form.request();
    request.kbd = BuildKbdFile(document_.layout());

    QProgressDialog progress(QStringLiteral("Copying the disk image..."), QString(), 0, 100,
                             &form_);
    progress.setObjectName(QStringLiteral("DiskCopyProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto installed =
        diskimage::InstallLayout(request, [&progress](std::uint64_t done, std::uint64_t total) {
            progress.setValue(total == 0 ? 100 : static_cast<int>(done * 100 / total));
        });
    progress.reset();
    if (!installed.ok()) {
        toolkit::ShowError(&form_, caption, installed.error());
        return;
    }
    toolkit::ShowMessage(
        &form_, caption,
        QString::fromStdString(installed.value().done + "\n\n" + installed.value().back));
}

} // namespace kbd
