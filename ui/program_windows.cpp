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

InfoWindows::InfoWindows(ProgramWindows& program) : program_(program) {}
InfoWindows::~InfoWindows() = default;

InfoWindows::Windows& InfoWindows::windows() {
    if (!windows_) {
        // The dialog always comes right after the main window, whichever is asked for first.
        program_.OneKeyForm();
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

ProgramWindows::ProgramWindows() = default;

TOneKeyForm& ProgramWindows::OneKeyForm() {
    if (!oneKeyForm_) {
        oneKeyForm_ = std::make_unique<TOneKeyForm>(Document.codePage());
        // Options, Font may have run before the dialog existed.
        if (const auto font = AllKeysForm.CharListFont()) {
            oneKeyForm_->SetCharListFont(*font);
        }
    }
    return *oneKeyForm_;
}

} // namespace kbd
