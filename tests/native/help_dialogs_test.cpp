// The help dialogs over the in-memory platform: their texts, modality, and the main help's reuse.
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {
namespace {

struct ProgramFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    app::Program program{services};
};

TEST(HelpDialogs, EachWindowsHelpButtonShowsItsDialogModallyWithItsTexts) {
    ProgramFixture f;
    struct Case {
        controls::Form& owner;
        app::HelpDialog& dialog;
        const char* title;
        std::size_t paragraphs;
    };
    auto& p = f.program;
    for (const auto& [owner, dialog, title, paragraphs] :
         {Case{p.main, p.mainHelp, "Brisko Help", 3},
          Case{p.finder, p.finderHelp, "Scanner Help", 3},
          Case{p.cookies, p.cookiesHelp, "Cookies Help", 1}}) {
        bool blocked = false;
        f.mem.desktop.onModal = [&] {
            blocked = dialog.visible() && dialog.modal();
            dialog.chameleonButton1.click();
        };
        owner.onHelp();
        EXPECT_TRUE(blocked) << title;
        EXPECT_EQ(dialog.title(), title);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(dialog.Label[i].visible(), i < paragraphs) << title << " " << i;
    }
    EXPECT_EQ(p.cookiesHelp.Label[0].caption(),
              "All Cookies with checks will be deleted.  To keep those you want remove the checks "
              "from them before clicking \"Delete Selected\"");
    EXPECT_TRUE(p.mainHelp.Label[1].caption().ends_with("over 3,100 file types.  "));
    EXPECT_EQ(p.extensHelp.chameleonButton1.toolTip, "Close Me");
    EXPECT_EQ(p.finderHelp.chameleonButton1.caption(), "Close");
    // Every text lies inside its dialog, and above the close button.
    for (app::HelpDialog* d : {&p.mainHelp, &p.finderHelp, &p.extensHelp, &p.cookiesHelp})
        for (const auto& label : d->Label)
            if (label.visible()) {
                EXPECT_LE(label.rect.left + label.rect.width, d->clientWidth) << d->name();
                EXPECT_LE(label.rect.top + label.rect.height, d->chameleonButton1.rect.top)
                    << d->name();
            }
}

TEST(HelpDialogs, TheMainHelpIsKeptAndTheOthersUnloadThemselves) {
    ProgramFixture f;
    auto& p = f.program;
    f.mem.desktop.onModal = [&] { p.mainHelp.onSystemClose(); };
    p.main.onHelp();
    EXPECT_TRUE(p.mainHelp.loaded());
    EXPECT_FALSE(p.mainHelp.visible());
    p.main.onHelp();  // the same dialog again
    EXPECT_EQ(f.mem.desktop.modalRuns, 2);

    f.mem.desktop.onModal = [&] { p.finderHelp.onSystemClose(); };
    p.finder.onHelp();
    EXPECT_FALSE(p.finderHelp.loaded());

    // Unloading the main help takes every window with it (the main window ends the program).
    p.finder.show();
    EXPECT_THROW(p.mainHelp.unload(), platform::ProgramEnded);
    EXPECT_FALSE(p.main.loaded());
}

}  // namespace
}  // namespace brisko::testing
