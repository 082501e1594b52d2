#pragma once
// Shared set-up over the in-memory platform, and checks several windows' tests make.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/form2.h"
#include "app/program.h"
#include "controls/program_windows.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {

using Texts = std::vector<std::string>;

// The widgets' texts, in order, to compare with one list.
inline Texts Captions(std::initializer_list<const controls::Widget*> widgets) {
    Texts texts;
    for (const auto* w : widgets) texts.push_back(w->caption());
    return texts;
}
// The boxes' values as one string of digits.
inline std::string Values(std::initializer_list<const controls::CheckBox*> boxes) {
    std::string values;
    for (const auto* box : boxes) values += std::to_string(box->value());
    return values;
}
inline void ExpectVisible(std::initializer_list<const controls::Widget*> widgets, bool visible) {
    for (const auto* w : widgets) EXPECT_EQ(w->visible(), visible) << w->name();
}
inline int CheckedCount(const controls::ListBox& list) {
    int n = 0;
    for (int i = 0; i < list.count(); ++i) n += list.checked(i);
    return n;
}

struct ProgramFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    app::Program program{services};
};

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
    app::Form1& start() {
        mem.desktop.onModal = [this] {
            if (disclaimer->visible()) disclaimer->Command1.click();
        };
        form->show();
        return *form;
    }
    // Starts as on any run after the disclaimer was accepted for good.
    app::Form1& startAccepted() {
        store("Disclaimer", "1");
        return start();
    }
    std::string stored(const std::string& key, const std::string& section = "Presets") {
        return mem.settings.get("Brisko", section, key, "<missing>");
    }
};

}  // namespace brisko::testing
