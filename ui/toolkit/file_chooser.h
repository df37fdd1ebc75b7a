// A file chooser that, like the choosers of Windows 95, starts each use from the
// path it returned last. It is Qt's own dialog, so it looks the same on every desktop and a
// test can drive it; the dialog is built on first use, because building one costs more
// than the whole rest of the main window.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

namespace kbd::toolkit {

class FileChooser : public QObject {
    Q_OBJECT
public:
    // `setUp` gives the dialog its title, filter and options when it is built; the dialog
    // takes the chooser's object name and is a child of `window`.
    FileChooser(QWidget* window, std::function<void(QFileDialog&)> setUp);

    // The name proposed at the next use: the initial name, then the last confirmed path.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }

    QFileDialog& dialog();

    // Runs the chooser modally; the chosen full path, or nothing when the user cancels.
    std::optional<QString> choose();

private:
    QWidget* window_;
    std::function<void(QFileDialog&)> setUp_;
    QPointer<QFileDialog> dialog_;
    QString fileName_;
};

} // namespace kbd::toolkit
