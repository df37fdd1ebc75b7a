// The main window: the keyboard panel, the layer selector, the character palette, the
// magnifier and the File menu. It edits the program's one layout in place.
#pragma once

#include "ui/toolkit/code_page.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class QDragMoveEvent;
class QDropEvent;
class QRadioButton;

namespace kbd::toolkit {
class ByteButton;
class ByteLabel;
class FileChooser;
} // namespace kbd::toolkit

namespace kbd {

class TAllKeysForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TAllKeysForm(QWidget* parent = nullptr);

    // The layer the keys show and the palette edits: 1 Shift, 2 Norm, 3 AltGr, 4 ANSI.
    int layerMode() const { return LayerMode; }

    // The code page every key, cell and the magnifier show their bytes through.
    toolkit::CodePage& codePage() { return codePage_; }

    // Makes `mode` the current layer and re-captions all 49 keys from it; a mode outside
    // 1..4 is stored but re-captions nothing.
    void ShowLayer(int mode);

    // The caption of a key for `code`: an ampersand doubled so that it is not taken for
    // an access letter.
    QString CaptionText(std::uint8_t code) const;

    void rb_shiftClick();
    void RB_malaClick();
    void rb_altgrClick();
    void rb_ansiClick();

    void OpenKBD1Click();
    void SaveKBD1Click();
    void Kraj1Click();

private:
    void CreatePalette(QWidget* client);
    void CreateMagnifier(QWidget* client);
    void CreateKeys(QWidget* client);
    void CreateLayerSelector(QWidget* client);
    void CreateMenu();
    void CreateFileDialogs();
    void FormCreate();

    void ButtNNMove(toolkit::ByteButton* sender);
    void LablNNMMove(toolkit::ByteLabel* sender);
    void LablNNMouseDown(toolkit::ByteLabel* sender);
    void ButtonNNDragOver(toolkit::ByteButton* sender, QDragMoveEvent* event);
    void ButtonNNDragDrop(toolkit::ByteButton* sender, QDropEvent* event);

    toolkit::CodePage codePage_;
    int LayerMode = 0;
    std::array<toolkit::ByteLabel*, 224> cells_{};
    toolkit::ByteLabel* LabelBigLet = nullptr;
    std::array<toolkit::ByteButton*, 49> keys_{};
    std::array<QRadioButton*, 4> radios_{};
    toolkit::FileChooser* OpenDialog1 = nullptr;
    toolkit::FileChooser* SaveDialog1 = nullptr;
};

} // namespace kbd
