#include "file_chooser.h"

namespace kbd::toolkit {

FileChooser::FileChooser(QWidget* window, std::function<void(QFileDialog&)> setUp)
    : QObject(window), window_(window), setUp_(std::move(setUp)) {}

QFileDialog& FileChooser::dialog() {
    if (dialog_.isNull()) {
        dialog_ = new QFileDialog(window_);
        dialog_->setObjectName(objectName());
        dialog_->setOption(QFileDialog::DontUseNativeDialog);
        dialog_->setWindowModality(Qt::ApplicationModal);
        setUp_(*dialog_);
    }
    return *dialog_;
}

std::optional<QString> FileChooser::choose() {
    QFileDialog& chooser = dialog();
    // Starting over from the remembered name also undoes any folder the user wandered into
    // before cancelling last time.
    chooser.selectFile(fileName_);
    if (chooser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = chooser.selectedFiles();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    fileName_ = chosen.front();
    return fileName_;
}

} // namespace kbd::toolkit
