// Declining the disclaimer ends the program and leaves no trace of it in the registry.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {
namespace {

TEST(Disclaimer, DecliningEndsTheProgramAndDeletesTheWholeStore) {
    Program brisko = StartBrisko();
    HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
    ASSERT_TRUE(disclaimer);
    HWND main = WaitWindow(brisko.id(), "Brisko");
    ASSERT_TRUE(main);
    // Start-up has already saved its estimate by now.
    EXPECT_TRUE(WaitUntil([] { return StoreExists(); }));

    Click(Control(disclaimer, "I &Do Not Accept", "Button"));
    EXPECT_TRUE(brisko.waitExit().has_value()) << "declining ends the program";
    EXPECT_FALSE(StoreExists());
}

}  // namespace
}  // namespace brisko::e2e
