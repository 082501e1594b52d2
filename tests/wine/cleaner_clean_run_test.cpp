// The whole clean run under Wine against the real registry, drive_c, shell and cmd.exe: every
// list is seeded, every item ticked, and afterwards the test looks at what remains. The removal
// processes are waited for here, never in the program.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>

#include "app/form1.h"
#include "app/form1_clean_run.h"
#include "controls/program_windows.h"
#include "platform/win32/win32_platform.h"
#include "tests/wine/program_folder.h"
#include "tests/wine/wine_helpers.h"

namespace {

using namespace brisko;
using wine_test::Exists;
using wine_test::SetText;
using wine_test::ValueExists;

constexpr const wchar_t* kTyped = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const wchar_t* kRunMru =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const wchar_t* kPaint =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
constexpr const wchar_t* kVb = L"Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles";
constexpr const wchar_t* kWord = L"Software\\Microsoft\\Office\\9.0\\Word\\Data";

TEST(CleanerCleanRunWine, EveryItemTickedAgainstTheRealSystem) {
    for (const wchar_t* n : {L"url1", L"url2", L"url3", L"url5"}) SetText(kTyped, n, L"http://x");
    SetText(kRunMru, L"MRUList", L"cab");
    for (const wchar_t* n : {L"a", L"b", L"c", L"d"}) SetText(kRunMru, n, L"notepad\\1");
    SetText(kPaint, L"File1", L"C:\\a.bmp");
    SetText(kPaint, L"File7", L"C:\\g.bmp");
    SetText(kVb, L"1", L"C:\\p.vbp");
    SetText(kWord, L"Settings", L"x");

    // Something in the Recycle Bin.
    HANDLE file =
        CreateFileW(L"C:\\binned.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = L"C:\\binned.txt\0";
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&op);

    win32::Win32Platform real;
    // The program folder of the run is C:\brisko, where the setup put deltree.exe and the media.
    wine_test::ProgramFolder processes("C:\\brisko");
    platform::Services services = real.services(processes);
    controls::ProgramWindows windows;
    app::Form1 form(services, windows);
    form.Winder.setCaption(form.services().files.windowsDirectory().substr(3));
    form.DrvLetter.setCaption(form.services().files.windowsDirectory().substr(0, 2));
    app::TickEveryItem(form);
    for (auto& size : form.itemSizes) size = 0.0;  // measured at ticking; fixed here
    form.itemSize(app::SizedItem::Temp) = 1000;

    app::StartCleanRun(form);
    app::CleanRunTick(form);

    EXPECT_FALSE(ValueExists(kTyped, L"url1"));
    EXPECT_FALSE(ValueExists(kTyped, L"url3"));
    EXPECT_TRUE(ValueExists(kTyped, L"url5"));
    for (const wchar_t* n : {L"a", L"b", L"c", L"MRUList"})
        EXPECT_FALSE(ValueExists(kRunMru, n)) << n;
    EXPECT_TRUE(ValueExists(kRunMru, L"d"));
    EXPECT_FALSE(ValueExists(kPaint, L"File1"));
    EXPECT_FALSE(ValueExists(kPaint, L"File7"));
    EXPECT_FALSE(ValueExists(kVb, L"1"));
    EXPECT_FALSE(ValueExists(kWord, L"Settings"));
    EXPECT_FALSE(Exists(L"C:\\Program Files\\Netscape\\Users\\default\\prefs.js"));
    EXPECT_FALSE(Exists(L"C:\\Program Files\\Netscape\\Users\\default\\netscape.hst"));
    EXPECT_FALSE(Exists(L"C:\\Program Files\\Netscape\\Users\\default\\cache\\a.htm"));
    EXPECT_FALSE(Exists(L"C:\\Program Files\\Netscape\\Users\\user\\cookies.txt"));
    EXPECT_TRUE(Exists(L"C:\\Program Files\\Netscape\\Users\\user\\bookmark.htm"));
    EXPECT_EQ(real.settings.get("Brisko", "Presets", "CleanSave", ""), "1000");
    EXPECT_EQ(form.lblSize.caption().substr(form.lblSize.caption().size() - 10), " Reclaimed");

    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    SHQueryRecycleBinW(nullptr, &bin);
    EXPECT_EQ(bin.i64NumItems, 0);

    // The removal runs on its own; wait for it here.
    for (int i = 0; i < 300 && Exists(L"C:\\windows\\Temp\\seed.tmp"); ++i) Sleep(100);
    for (int i = 0; i < 50 && Exists(L"C:\\windows\\Temp\\sub"); ++i) Sleep(100);
    EXPECT_FALSE(Exists(L"C:\\windows\\Temp\\seed.tmp"));
    EXPECT_FALSE(Exists(L"C:\\windows\\Temp\\sub"));  // read-only file and all
    // The link out of Temp is left (Wine cannot remove it as a link); what it leads to survives.
    EXPECT_TRUE(Exists(L"C:\\keep_outside\\precious.txt"));
}

}  // namespace
