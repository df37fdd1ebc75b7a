#include "disk_install_form.h"

#include "diskimage/layout_preview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kbd {

TDiskInstallForm::TDiskInstallForm(diskimage::Survey survey, const CodePage& page, QWidget* parent)
    : QDialog(parent), survey_(std::move(survey)), page_(page) {
    setObjectName(QStringLiteral("DiskInstallForm"));
    setWindowTitle(QStringLiteral("Install into disk image"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(survey_.image), this));

    windows_ = new QComboBox(this);
    windows_->setObjectName(QStringLiteral("WindowsCombo"));
    for (const diskimage::WindowsFolder& windows : survey_.windows) {
        windows_->addItem(QStringLiteral("Partition %1: %2")
                              .arg(windows.volume.number)
                              .arg(QString::fromStdString(windows.folder)));
    }
    layout->addWidget(windows_);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("LayoutList"));
    // Monospaced, so that the previews line up under each other.
    files_->setFont(QFont(QStringLiteral("Monospace")));
    layout->addWidget(files_, 1);

    replace_ = new QRadioButton(QStringLiteral("&Replace the selected file"), this);
    replace_->setObjectName(QStringLiteral("ReplaceRadio"));
    add_ = new QRadioButton(QStringLiteral("&Add as a layout of its own"), this);
    add_->setObjectName(QStringLiteral("AddRadio"));
    replace_->setChecked(true);
    layout->addWidget(replace_);
    layout->addWidget(add_);

    auto* form = new QFormLayout;
    name_ = new QLineEdit(QStringLiteral("MYLAYOUT"), this);
    name_->setObjectName(QStringLiteral("NameEdit"));
    name_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9_-]{1,8}")), name_));
    text_ = new QLineEdit(QStringLiteral("My layout"), this);
    text_->setObjectName(QStringLiteral("TextEdit"));
    form->addRow(QStringLiteral("&File name (8 letters):"), name_);
    form->addRow(QStringLiteral("Layout &text:"), text_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("OkButton"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(windows_, &QComboBox::currentIndexChanged, this, &TDiskInstallForm::showWindows);
    connect(files_, &QListWidget::currentRowChanged, this, &TDiskInstallForm::updateOk);
    connect(replace_, &QRadioButton::toggled, this, &TDiskInstallForm::updateOk);
    connect(name_, &QLineEdit::textChanged, this, &TDiskInstallForm::updateOk);
    showWindows(0);
}

void TDiskInstallForm::showWindows(int index) {
    const QSignalBlocker blocker(files_);
    files_->clear();
    if (index >= 0 && index < static_cast<int>(survey_.windows.size())) {
        for (const diskimage::LayoutFile& file :
             survey_.windows[static_cast<std::size_t>(index)].layouts) {
            files_->addItem(QString::fromStdString(file.name).leftJustified(13) +
                            QString::fromStdString(diskimage::FirstRowPreview(file.bytes, page_)));
        }
    }
    updateOk();
}

void TDiskInstallForm::updateOk() {
    const bool replacing = replace_->isChecked();
    name_->setEnabled(!replacing);
    text_->setEnabled(!replacing);
    ok_->setEnabled(replacing ? files_->currentRow() >= 0 : !name_->text().isEmpty());
}

diskimage::InstallRequest TDiskInstallForm::request() const {
    diskimage::InstallRequest request;
    request.image = survey_.image;
    const int index = windows_->currentIndex();
    const auto& windows = survey_.windows[static_cast<std::size_t>(std::max(index, 0))];
    request.partition = windows.volume.number;
    if (replace_->isChecked()) {
        request.way = diskimage::InstallWay::Replace;
        request.name = windows.layouts[static_cast<std::size_t>(files_->currentRow())].name;
    } else {
        request.way = diskimage::InstallWay::Add;
        request.name = name_->text().toStdString();
        request.text = text_->text().toStdString();
    }
    return request;
}

} // namespace kbd
