#include <gtest/gtest.h>

#include "main_window_fixture.h"

using namespace brisko;
using brisko::testing::MainWindowFixture;

TEST(Disclaimer, TickingAndAcceptingSkipsItAtTheNextStart) {
    MainWindowFixture f;
    f.mem.desktop.onModal = [&] {
        EXPECT_EQ(f.disclaimer->chkDisc.value(), 0);
        EXPECT_EQ(f.disclaimer->Label1.caption().substr(0, 30), "I have thoroughly tested this ");
        f.disclaimer->chkDisc.setValue(1);
        EXPECT_EQ(f.stored("Disclaimer"), "1");  // each change is stored at once
        f.disclaimer->Command1.click();
    };
    f.form->show();
    EXPECT_FALSE(f.disclaimer->loaded());
    EXPECT_EQ(f.stored("Disclaimer"), "1");
    EXPECT_EQ(f.form->Check2.value(), 0);  // read before the disclaimer was shown

    MainWindowFixture next;
    next.startAccepted();
    EXPECT_EQ(next.mem.desktop.modalRuns, 0);
    EXPECT_EQ(next.form->Check2.value(), 1);
}

TEST(Disclaimer, DecliningLeavesNoSettingsAndEndsBeforeTheTotalIsShown) {
    MainWindowFixture f;
    f.store("CleanSave", "5000");
    f.store("Scnsv", "5", "Filters");
    f.mem.desktop.onModal = [&] {
        f.disclaimer->chkDisc.setValue(1);
        f.disclaimer->Command2.click();
    };
    EXPECT_THROW(f.form->show(), platform::ProgramEnded);
    EXPECT_EQ(f.mem.settings.size(), 0u);
    EXPECT_EQ(f.form->Label2.caption(), "");
}

TEST(Disclaimer, ShownAgainFromTheAboutPanelWithTheStoredChoice) {
    MainWindowFixture f;
    f.startAccepted();
    int shown = 0;
    f.mem.desktop.onModal = [&] {
        ++shown;
        // The first time the stored "1", the second time the "0" stored by the first.
        EXPECT_EQ(f.disclaimer->chkDisc.value(), shown == 1 ? 1 : 0);
        EXPECT_TRUE(f.disclaimer->modal());
        f.disclaimer->chkDisc.onMouseMove();
        EXPECT_EQ(f.disclaimer->chkDisc.foreColor, controls::rgb(255, 0, 0));
        f.disclaimer->onMouseMove();
        EXPECT_EQ(f.disclaimer->chkDisc.foreColor, controls::rgb(0, 0, 192));
        f.disclaimer->chkDisc.setValue(0);
        f.disclaimer->Command1.click();
    };
    f.form->Image1.onClick();
    f.form->Image1.onClick();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(f.stored("Disclaimer"), "0");
}

TEST(Disclaimer, AStoredValueOtherThanOneLeavesTheBoxUnticked) {
    for (const char* stored : {"2", "abc", "", "-1"}) {
        MainWindowFixture f;
        f.store("Disclaimer", stored);
        f.mem.desktop.onModal = [&] {
            EXPECT_EQ(f.disclaimer->chkDisc.value(), 0) << stored;
            f.disclaimer->Command1.click();
        };
        f.form->show();
        EXPECT_EQ(f.mem.desktop.modalRuns, 1);
    }
}
