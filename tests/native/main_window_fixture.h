#pragma once
// A main window and disclaimer over the in-memory platform.
#include <memory>

#include "app/form1.h"
#include "app/form2.h"
#include "controls/program_windows.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {

struct MainWindowFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    controls::ProgramWindows windows;
    std::unique_ptr<app::Form1> form;
    std::unique_ptr<app::Form2> disclaimer;

    MainWindowFixture() {
        form = std::make_unique<app::Form1>(services, windows);
        disclaimer = std::make_unique<app::Form2>(services);
        windows.main = form.get();
        windows.disclaimer = disclaimer.get();
        windows.all = {form.get(), disclaimer.get()};
    }
    void store(const std::string& key, const std::string& value,
               const std::string& section = "Presets") {
        mem.settings.save("Brisko", section, key, value);
        mem.settings.saves.clear();
    }
    // Starts the program; the disclaimer, when shown, is accepted as it stands.
    void start() {
        mem.desktop.onModal = [this] {
            if (disclaimer->visible()) disclaimer->Command1.click();
        };
        form->show();
    }
    // Starts as on any run after the disclaimer was accepted for good.
    void startAccepted() {
        store("Disclaimer", "1");
        start();
    }
    std::string stored(const std::string& key, const std::string& section = "Presets") {
        return mem.settings.get("Brisko", section, key, "<missing>");
    }
};

}  // namespace brisko::testing
