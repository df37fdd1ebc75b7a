#include "program_windows.h"

#include "ui/About/form_about.h"
#include "ui/Detalji/form_detalji.h"
#include "ui/Upomoc/pomoc.h"

namespace kbd {

// Members are constructed in the order they are declared.
struct InfoWindows::Windows {
    TPomoc Pomoc;
    Tform_about form_about{form_detalji};
    Tform_detalji form_detalji;
};

InfoWindows::InfoWindows() = default;
InfoWindows::~InfoWindows() = default;

InfoWindows::Windows& InfoWindows::windows() {
    if (!windows_) {
        if (before_) {
            before_();
        }
        windows_ = std::make_unique<Windows>();
    }
    return *windows_;
}

TPomoc& InfoWindows::Pomoc() {
    return windows().Pomoc;
}

Tform_about& InfoWindows::form_about() {
    return windows().form_about;
}

Tform_detalji& InfoWindows::form_detalji() {
    return windows().form_detalji;
}

ProgramWindows::ProgramWindows() {
    // The dialog always comes right after the main window, whichever is asked for first.
    Info.setBeforeCreation([this] { OneKeyForm(); });
    AllKeysForm.ConnectWindows([this]() -> TOneKeyForm& { return OneKeyForm(); },
                               [this]() -> QWidget* { return &Info.Pomoc(); },
                               [this]() -> QWidget* { return &Info.form_about(); });
}

TOneKeyForm& ProgramWindows::OneKeyForm() {
    if (!oneKeyForm_) {
        oneKeyForm_ = std::make_unique<TOneKeyForm>();
        AllKeysForm.AdoptKeyDialog(*oneKeyForm_);
    }
    return *oneKeyForm_;
}

} // namespace kbd
