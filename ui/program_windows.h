// The editor's five windows, created hidden in the order the program has always used:
// the main window first (it becomes the application's main window, and its creation
// handler runs before the others exist), then the code-assignment dialog, the help,
// the about and the details windows.
#pragma once

#include "ui/About/form_about.h"
#include "ui/Allkeys/all_keys_form.h"
#include "ui/Detalji/form_detalji.h"
#include "ui/Onekey/one_key_form.h"
#include "ui/Upomoc/pomoc.h"

namespace kbd {

struct ProgramWindows {
    ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TAllKeysForm AllKeysForm;
    TOneKeyForm OneKeyForm;
    TPomoc Pomoc;
    // Keeps a reference to the details window, created just after it.
    Tform_about form_about{form_detalji};
    Tform_detalji form_detalji;
};

} // namespace kbd
