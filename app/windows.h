#pragma once
// The program's windows, as the windows reach each other.
namespace brisko::app {
class Form1;
class Form2;
}  // namespace brisko::app
namespace brisko::cookies {
class FrmCookies;
}
namespace brisko::filetypes {
class Extens;
}

namespace brisko::app {

struct Windows {
    Form1* main = nullptr;
    Form2* disclaimer = nullptr;
    cookies::FrmCookies* cookies = nullptr;
    filetypes::Extens* extens = nullptr;
    // Unloads every loaded window of the program, one after the other.
    void unloadAll();
};

}  // namespace brisko::app
