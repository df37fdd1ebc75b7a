// The editor's windows in the order the program has always created them: the main window
// first (it becomes the application's main window, and its creation handler runs before
// the others exist), then the code-assignment dialog, the help, the about and the details
// windows. All but the main window wait for their first use, and the order holds whatever
// is used first.
#pragma once

#include "ui/Allkeys/all_keys_form.h"
#include "ui/Onekey/one_key_form.h"

#include <memory>

namespace kbd {

class ProgramWindows;
class TPomoc;
class Tform_about;
class Tform_detalji;

// The help, about and details windows. The first request for any of them creates all three,
// hidden and in their old order: help, then about, which keeps a reference to the details
// window created just after it, then details. Later requests return the same windows.
class InfoWindows {
public:
    // The code-assignment dialog of `program` is made before the three.
    explicit InfoWindows(ProgramWindows& program);
    ~InfoWindows();
    InfoWindows(const InfoWindows&) = delete;
    InfoWindows& operator=(const InfoWindows&) = delete;

    TPomoc& Pomoc();
    Tform_about& form_about();
    Tform_detalji& form_detalji();

private:
    ProgramWindows& program_;
    struct Windows;
    Windows& windows();

    std::unique_ptr<Windows> windows_;
};

class ProgramWindows {
public:
    ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // The program's one layout as every window edits and shows it; made before them all.
    LayoutDocument Document{ProgramLayout()};
    // Each window is handed this owner once, at its creation, and asks it for the others.
    TAllKeysForm AllKeysForm{Document, this};
    // Made on first use: the first click of a key, or before the first of the info windows.
    TOneKeyForm& OneKeyForm();
    TOneKeyForm* madeOneKeyForm() const { return oneKeyForm_.get(); } // null until then
    InfoWindows Info{*this};

private:
    std::unique_ptr<TOneKeyForm> oneKeyForm_;
};

} // namespace kbd
