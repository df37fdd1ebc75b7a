// The editor's windows in the order the program has always created them: the main window
// first (it becomes the application's main window, and its creation handler runs before
// the others exist), then the code-assignment dialog, the help, the about and the details
// windows. The last three only show texts, so they wait for their first use.
#pragma once

#include "ui/Allkeys/all_keys_form.h"
#include "ui/Onekey/one_key_form.h"

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

    // Whether a request has created them yet.
    bool created() const { return windows_ != nullptr; }

private:
    struct Windows;
    Windows& windows();

    std::unique_ptr<Windows> windows_;
};

struct ProgramWindows {
    ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TAllKeysForm AllKeysForm;
    TOneKeyForm OneKeyForm;
    InfoWindows Info;
};

} // namespace kbd
