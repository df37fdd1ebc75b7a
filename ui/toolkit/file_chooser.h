// A file chooser that, like the choosers of the original desktop, starts each use from the
// path it returned last. It is Qt's own dialog, so it looks the same on every desktop and a
// test can drive it.
#pragma once

#include <QFileDialog>
#include <optional>

namespace kbd::toolkit {

class FileChooser : public QFileDialog {
    Q_OBJECT
public:
    explicit FileChooser(QWidget* parent);

    // The name proposed at the next use: the initial name, then the last confirmed path.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }

    // Runs the chooser modally; the chosen full path, or nothing when the user cancels.
    std::optional<QString> choose();

private:
    QString fileName_;
};

} // namespace kbd::toolkit
