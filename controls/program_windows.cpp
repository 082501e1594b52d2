#include "controls/program_windows.h"

#include "controls/form.h"

namespace brisko::controls {

void ProgramWindows::unloadAll() {
    // A copy: an unload may end the program or change the set of windows.
    const auto windows = all;
    for (Form* form : windows)
        if (form->loaded()) form->unload();
}

}  // namespace brisko::controls
