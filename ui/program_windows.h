// The editor's windows in the order the program has always created them: the main window
// first (it becomes the application's main window, and its creation handler runs before
// the others exist), then the code-assignment dialog, the help, the about and the details
// windows. All but the main window wait for their first use, and the order holds whatever
// is used first.
#pragma once

#include "ui/Allkeys/all_keys_form.h"
#include "ui/Onekey/one_key_form.h"

#include <functional>
#include <memory>

namespace kbd {

class TPomoc;
class Tform_about;
class Tform_detalji;

// The help, about and details windows. The first request for any of them creates all three,
// hidden and in their old order: help, then about, which keeps a reference to the details
// window created just after it, then details. Later requests return the same windows.
class InfoWindows {
public:
    InfoWindows();
    ~InfoWindows();
    InfoWindows(const InfoWindows&) = delete;
    InfoWindows& operator=(const InfoWindows&) = delete;

    TPomoc& Pomoc();
    Tform_about& form_about();
    Tform_detalji& form_detalji();

    // Runs before the three are made, so that windows meant to come first are made first.
    void setBeforeCreation(std::function<void()> before) { before_ = std::move(before); }

private:
    std::function<void()> before_;
    struct Windows;
    Windows& windows();

    std::unique_ptr<Windows> windows_;
};

struct ProgramWindows {
    ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TAllKeysForm AllKeysForm;
    // Made on first use: the first click of a key, or before the first of the info windows.
    TOneKeyForm& OneKeyForm();
    InfoWindows Info;

private:
    std::unique_ptr<TOneKeyForm> oneKeyForm_;
};

} // namespace kbd
