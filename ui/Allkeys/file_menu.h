// The File menu: opening and saving KBD files, a new layout from one the desktop knows,
// importing a keyboard file of any kind, and leaving the program. Each command edits the
// document as one undo step and tells the main window what it must show after it.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QMenuBar;

namespace kbd {

class LayoutDocument;
class TAllKeysForm;
class TNotCarriedWindow;
class TSystemLayoutForm;
struct NotCarried;

namespace toolkit {
class FileChooser;
}

class FileMenu : public QObject {
public:
    // A child of `form`, as are its choosers and windows.
    FileMenu(TAllKeysForm& form, LayoutDocument& document);

    // Adds File to `bar`; its items run the form's handlers of their names.
    void AddTo(QMenuBar* bar);

    void Open();
    // What Open does once the chooser has given `path`: load it, or refuse it with the
    // message box.
    void OpenFile(const QString& path);
    void Save();
    void NewFromSystemLayout();
    void Import();
    void Exit();

private:
    // Lists in the "not carried" window what the layout called `source` left out.
    void ShowNotCarried(const QString& source, const std::vector<NotCarried>& items, int codePage);

    TAllKeysForm& form_;
    LayoutDocument& document_;
    toolkit::FileChooser* OpenDialog1 = nullptr;
    toolkit::FileChooser* SaveDialog1 = nullptr;
    toolkit::FileChooser* ImportDialog_ = nullptr; // once used
    TSystemLayoutForm* SystemLayoutForm_ = nullptr;
    TNotCarriedWindow* NotCarried_ = nullptr;
};

} // namespace kbd
