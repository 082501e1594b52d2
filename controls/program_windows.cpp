#include "app/windows.h"

#include "controls/form.h"

namespace brisko::app {

void Windows::unloadAll() {
    // A copy: an unload may end the program or change the set of windows.
    const auto windows = all;
    for (controls::Form* form : windows)
        if (form->loaded()) form->unload();
}

}  // namespace brisko::app
