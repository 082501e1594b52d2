#pragma once
// The program's windows, as the windows reach each other.
#include <vector>

namespace brisko::controls {
class Form;
}
namespace brisko::app {
class Form1;
class Form2;
}  // namespace brisko::app

namespace brisko::app {

struct Windows {
    Form1* main = nullptr;
    Form2* disclaimer = nullptr;
    controls::Form* cookies = nullptr;  // the cookie keeper
    controls::Form* extens = nullptr;   // the file-type lookup
    // Every window, in the order in which the program unloads them.
    std::vector<controls::Form*> all;
    // Unloads every loaded window of the program, one after the other.
    void unloadAll();
};

}  // namespace brisko::app
