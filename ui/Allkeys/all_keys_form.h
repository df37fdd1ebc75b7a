// The main window: it lays out the keyboard panel and the palette over its client area,
// holds the menus, and keeps the handlers their items are named after. It edits the
// program's one layout in place.
#pragma once

#include "ui/Document/layout_document.h"
#include "ui/toolkit/display_font.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>

namespace kbd::toolkit {
class FontChooser;
} // namespace kbd::toolkit

namespace kbd {

class EditMenu;
class FileMenu;
class KeyboardPanel;
class Palette;
class ProgramWindows;
class ScriptOffer;
class TOneKeyForm;
class ToolsMenu;

class TAllKeysForm : public QMainWindow {
    Q_OBJECT
public:
    // Edits and shows `document`, which must outlive the window. `windows` makes the
    // windows created after this one, which its commands open, when they first need them;
    // without it those commands do nothing.
    explicit TAllKeysForm(LayoutDocument& document, ProgramWindows* windows = nullptr);

    // The font Options, Font has given the code-assignment dialog's character lists;
    // nothing before its first use.
    std::optional<toolkit::DisplayFont> CharListFont() const;

    // The layer the keys show and the palette edits: 1 Shift, 2 Norm, 3 AltGr, 4 ANSI.
    int layerMode() const;

    // The layout being edited, its undo history and the code page every key, cell and the
    // magnifier show their bytes through.
    LayoutDocument& document() { return document_; }
    toolkit::ShownCodePage& codePage() { return document_.codePage(); }

    // Makes `mode` the current layer, as KeyboardPanel::ShowLayer.
    void ShowLayer(int mode);

    void rb_shiftClick();
    void RB_malaClick();
    void rb_altgrClick();
    void rb_ansiClick();

    void OpenKBD1Click();
    // What File, Open does once the chooser has given `path`: load it, or refuse it with the
    // message box. `kbdgen FILE` opens through here too.
    void OpenKbdFile(const QString& path);
    void SaveKBD1Click();
    void NewFromSystemLayoutClick();
    // File, Import: a layout from a keyboard file of any kind, as one undo step.
    void ImportClick();
    void Kraj1Click();
    void Font2Click();
    // Everything Font2Click does after the chooser has closed, confirmed or not.
    void ApplyChooserFont();
    void Kakokoristiti1Click();
    void Oprogramu1Click();
    void FillAnsiClick();
    void SetCapsClick();
    void ClearAltGrClick();
    void KeepAltGrUnderCapsClick();
    void TryLayoutClick();
    void CheckLayoutClick();
    void ExportPictureClick();
    void InstallIntoDiskImageClick();

    // After a file is opened or imported: when another of the ten code pages reads the
    // layout clearly better (BetterCodePage), the bar under the keys offers it; nothing
    // changes without its button.
    void OfferBetterScript();
    void HideScriptOffer();
    // A line on the status bar for a few seconds.
    void ShowStatus(const QString& text);
    // Shows the layout in `codePage`, as Options, Font's script would.
    void SwitchCodePage(int codePage);

    // The code-assignment flow for key `number` 1..49: preset the dialog, run it modally,
    // store what it holds; the document has the key re-captioned.
    void EditKey(int number);
    // The two halves of EditKey around the modal wait, for key index 0..48.
    void PresetKeyDialog(int index);
    void StoreKeyDialog(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenu();
    void CreateFontDialog();
    void CreateStatusBar();
    void FormCreate();
    void ApplyKeysFont();
    // The code-assignment dialog, made now if it was not yet; null without the windows.
    TOneKeyForm* KeyDialog();

    LayoutDocument& document_;
    KeyboardPanel* keyboard_ = nullptr;
    FileMenu* fileMenu_ = nullptr;
    EditMenu* editMenu_ = nullptr;
    ToolsMenu* toolsMenu_ = nullptr;
    Palette* palette_ = nullptr;
    toolkit::FontChooser* FontDialog1 = nullptr;
    // Given every attribute by Options, Font before they are first applied.
    toolkit::DisplayFont KeysFont;
    toolkit::DisplayFont BigFont;
    ProgramWindows* windows_ = nullptr;
    bool keysFontChosen_ = false;
    ScriptOffer* scriptOffer_ = nullptr;
};

} // namespace kbd
