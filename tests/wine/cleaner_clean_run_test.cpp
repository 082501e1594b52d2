// The whole clean run under Wine against the real registry, drive_c, shell and cmd.exe: every
// list and the user's own folders are seeded, every item ticked and measured, and afterwards the
// test looks at what remains and at what the run says it reclaimed.
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
using wine_test::WriteBytes;

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

    // Files of known sizes in the user's own folders, where Wine lays them out as Windows 10 does.
    // The index file is the system's and not counted; the held file cannot go; the link out of
    // the cache is never followed.
    wchar_t profile[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH));
    const std::string user = win32::Utf8(profile);
    const std::string shellFolders = user + "\\AppData\\Local\\Microsoft\\Windows\\";
    const std::string record = "id\nv\nexample.com/\n1024\n1\n2\n3\n4\n*\n";
    WriteBytes(shellFolders + "INetCache\\IE\\page.htm", std::string(1000, 'h'));
    WriteBytes(shellFolders + "INetCache\\held.dat", std::string(24, 'x'));
    WriteBytes(shellFolders + "INetCookies\\K3J9X2QA.txt", record);
    WriteBytes(shellFolders + "INetCookies\\Low\\P0L8M7NB.txt", record + record);
    WriteBytes(shellFolders + "History\\History.IE5\\index.dat", std::string(7, 'i'));
    WriteBytes(shellFolders + "History\\h.dat", std::string(300, 'y'));
    WriteBytes(user + "\\Temp\\t.tmp", std::string(200, 't'));
    WriteBytes("C:\\binned.txt", std::string(4096, 'b'));
    win32::UniqueFile held(CreateFileW(win32::Wide(shellFolders + "INetCache\\held.dat").c_str(),
                                       GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
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
    const double cookies = static_cast<double>(3 * record.size());
    const std::pair<app::SizedItem, double> estimates[] = {
        {app::SizedItem::IeCache, 1024},
        {app::SizedItem::Cookies, cookies},
        {app::SizedItem::History, 300},
        {app::SizedItem::Temp, 13 + 200},
        {app::SizedItem::RecycleBin, 4096},
        // The default profile with its cache, the cache, the "user" folder.
        {app::SizedItem::NetscapeTyped, 6},
        {app::SizedItem::NetscapeCache, 2},
        {app::SizedItem::NetscapeCookies, 4}};
    for (const auto& [item, bytes] : estimates)
        EXPECT_EQ(form.itemSize(item), bytes) << static_cast<int>(item);
    EXPECT_NE(form.lblSize.toolTip.find(shellFolders + "INetCache\\"), std::string::npos);

    app::StartCleanRun(form);
    // The run, then Timer2 looking in on the removals until they have ended.
    for (int tick = 0; tick < 600 && form.Timer2.enabled(); ++tick) {
        form.Timer2.tick();
        if (form.Timer2.enabled()) Sleep(100);
    }
    ASSERT_FALSE(form.Timer2.enabled()) << "the removals did not end";

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
    // All but the held file: 1000 + the cookies + 300 + 213 + 4096, and the Netscape files gone
    // (the profile's bookmarks stay).
    const std::string reclaimed = std::to_string(5609 + 3 * record.size() + 6 + 2 + 2);
    EXPECT_EQ(form.Label1.caption(), reclaimed);
    EXPECT_EQ(real.settings.get("Brisko", "Presets", "CleanSave", ""), reclaimed);
    EXPECT_EQ(form.lblSize.caption().substr(form.lblSize.caption().size() - 10), " Reclaimed");

    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    SHQueryRecycleBinW(nullptr, &bin);
    EXPECT_EQ(bin.i64NumItems, 0);

    // Each folder emptied and kept. The links are left (Wine cannot remove one as a link); what
    // they lead to survives.
    EXPECT_FALSE(Exists(L"C:\\windows\\Temp\\seed.tmp"));
    EXPECT_FALSE(Exists(L"C:\\windows\\Temp\\sub"));  // read-only file and all
    EXPECT_TRUE(Exists(L"C:\\keep_outside\\precious.txt"));
    EXPECT_TRUE(Exists(L"C:\\cache_outside\\precious.dat"));
    EXPECT_TRUE(Exists(shellFolders + "INetCache\\held.dat"));
    for (const std::string& folder :
         {shellFolders + "INetCache\\IE", shellFolders + "INetCookies\\Low",
          shellFolders + "History\\h.dat", shellFolders + "INetCookies\\K3J9X2QA.txt",
          user + "\\Temp\\t.tmp"})
        EXPECT_FALSE(Exists(folder)) << folder;
    for (const std::string& folder :
         {shellFolders + "INetCache", shellFolders + "INetCookies", shellFolders + "History",
          user + "\\Temp", std::string("C:\\windows\\Temp")})
        EXPECT_TRUE(Exists(folder)) << folder;
}

}  // namespace
