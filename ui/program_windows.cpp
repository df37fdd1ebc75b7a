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
    AllKeysForm.ConnectWindows(
        &OneKeyForm, [this]() -> QWidget* { return &Info.Pomoc(); },
        [this]() -> QWidget* { return &Info.form_about(); });
}

} // namespace kbd
