#pragma once
// The program's windows, as they reach each other: a window opens or shows another through
// these without knowing its class. The program fills them when it starts.
#include <vector>

namespace brisko::controls {

class Form;

struct ProgramWindows {
    Form* main = nullptr;        // the trace cleaner
    Form* disclaimer = nullptr;  // shown modally at a first start and from the About panel
    Form* finder = nullptr;      // the junk finder
    Form* cookies = nullptr;     // the cookie keeper
    Form* extens = nullptr;      // the file-type lookup
    // The help dialogs, shown modally by the window each explains.
    Form* mainHelp = nullptr;
    Form* finderHelp = nullptr;
    Form* extensHelp = nullptr;
    Form* cookiesHelp = nullptr;
    // Every window, in the order in which the program unloads them.
    std::vector<Form*> all;
    // Unloads every loaded window of the program, one after the other.
    void unloadAll();
};

}  // namespace brisko::controls
