#include "program_windows.h"

namespace kbd {

ProgramWindows::ProgramWindows() {
    AllKeysForm.ConnectWindows(&OneKeyForm, &Pomoc, &form_about);
}

} // namespace kbd
