#include "file_chooser.h"

namespace kbd::toolkit {

FileChooser::FileChooser(QWidget* parent) : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog);
    setWindowModality(Qt::ApplicationModal);
}

std::optional<QString> FileChooser::choose() {
    // Starting over from the remembered name also undoes any folder the user wandered into
    // before cancelling last time.
    selectFile(fileName_);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    fileName_ = chosen.front();
    return fileName_;
}

} // namespace kbd::toolkit
