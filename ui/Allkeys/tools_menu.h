// The Tools menu: trying the layout out as Windows will type it, checking what a save
// would lose, a printable picture of the keys, the exports and the install into a disk
// image. Its windows and choosers are made on first use, children of the main window.
#pragma once

#include <QObject>

class QMenuBar;

namespace kbd {

class KeyboardPanel;
class LayoutDocument;
class TAllKeysForm;
class TCheckForm;
class TMoreLayersForm;
class TTryPad;

namespace toolkit {
class FileChooser;
class FontChooser;
} // namespace toolkit

class ToolsMenu : public QObject {
public:
    // A child of `form`. The check points its findings out on `keys`; the picture is drawn
    // in the face `fonts` holds.
    ToolsMenu(TAllKeysForm& form, LayoutDocument& document, KeyboardPanel& keys,
              const toolkit::FontChooser& fonts);

    // Adds Tools to `bar`; its items run the form's handlers of their names.
    void AddTo(QMenuBar* bar);

    void TryLayout();
    void CheckLayout();
    void ExportPicture();
    void InstallIntoDiskImage();
    // The window of the Shift+AltGr layer, which the four layer buttons do not show.
    void MoreLayers();

private:
    // Keeps an open check window in step with the layout and the code page.
    void RefreshCheck();

    TAllKeysForm& form_;
    LayoutDocument& document_;
    KeyboardPanel& keys_;
    const toolkit::FontChooser& fonts_;
    TTryPad* TryPad_ = nullptr;
    TCheckForm* CheckForm_ = nullptr;
    toolkit::FileChooser* PictureDialog_ = nullptr;
    toolkit::FileChooser* DiskImageDialog_ = nullptr;
    TMoreLayersForm* MoreLayers_ = nullptr;
};

} // namespace kbd
