// The main window's clean run: the items' order, the removal command lines, failures and totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "app/form1_clean_run.h"
#include "cleaner/shell_removal.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

using platform::RegRoot;

// The registry, shell, processes and files share one log: the run's order across them.
struct LoggingRegistry : platform::MemoryRegistry {
    Texts& log;
    explicit LoggingRegistry(Texts& l) : log(l) {}
    long deleteValue(platform::RegHandle key, const std::string& name) override {
        // The key path of the open just before, which is recorded even when the key is missing.
        log.push_back("reg " + calls.back().path + "|" + name);
        return MemoryRegistry::deleteValue(key, name);
    }
};
struct LoggingShell : platform::MemoryShell {
    Texts& log;
    bool fails = false;
    explicit LoggingShell(Texts& l) : log(l) {}
    void clearRecentDocuments() override {
        if (fails) throw std::runtime_error("no shell");
        log.push_back("shell recent");
        MemoryShell::clearRecentDocuments();
    }
    long emptyRecycleBin(platform::WindowHandle owner, unsigned flags) override {
        log.push_back("shell bin");
        return MemoryShell::emptyRecycleBin(owner, flags);
    }
};
struct LoggingProcesses : platform::MemoryProcesses {
    Texts& log;
    explicit LoggingProcesses(Texts& l) : log(l) {}
    std::unique_ptr<platform::StartedProcess> startHidden(const std::string& commandLine,
                                                          const std::string& workingDir) override {
        log.push_back("proc " + commandLine);
        return MemoryProcesses::startHidden(commandLine, workingDir);
    }
};
struct LoggingFiles : platform::MemoryFileSystem {
    Texts& log;
    explicit LoggingFiles(Texts& l) : log(l) {}
    std::vector<platform::Removal> deleteFoundFiles(
        const std::vector<platform::FoundFile>& files,
        const platform::RemovalProgress& progress = {}) override {
        for (const auto& file : files) log.push_back("file " + file.path);
        return MemoryFileSystem::deleteFoundFiles(files, progress);
    }
};

struct Fixture {
    Texts log;
    platform::MemoryPlatform memory;
    LoggingRegistry registry{log};
    LoggingShell shell{log};
    LoggingProcesses processes{log};
    LoggingFiles files{log};
    platform::Services services{memory.settings, registry,     files,          shell,
                                processes,       memory.media, memory.desktop, memory.trace};
    controls::ProgramWindows windows;
    app::Form1 form{services, windows};
    Texts animation;  // what Animation1 was asked to do, in order
    explicit Fixture(const std::string& windowsDir = "C:\\WINDOWS") {
        files.setWindowsDirectory(windowsDir);
        processes.variables["COMSPEC"] = "C:\\WINDOWS\\COMMAND.COM";
        processes.folder = "C:\\Program Files\\Brisko";
        form.hwnd = 0x4321;
        form.Winder.setCaption(windowsDir.size() > 3 ? windowsDir.substr(3) : "");
        form.DrvLetter.setCaption(windowsDir.substr(0, 2));
        form.Animation1.viewHook = [this](controls::Widget& w, controls::Change c, int) {
            auto& a = static_cast<controls::Animation&>(w);
            if (c == controls::Change::Play)
                animation.push_back(a.playing() ? "play " + std::to_string(a.repeat())
                                                : "open " + a.file());
        };
    }
    void tick(std::initializer_list<controls::CheckBox*> boxes) {
        for (auto* box : boxes) box->setValue(1);
    }
    void run() {
        app::StartCleanRun(form);
        form.Timer2.tick();
    }
    std::string cleanSave() { return memory.settings.get("Brisko", "Presets", "CleanSave", ""); }
};

// Which track item a log entry belongs to, from what it touches.
int ItemOf(const std::string& e) {
    // clang-format off
    static const std::pair<const char*, int> rules[] = {{"shell recent", 1}, {"RunMRU|url", 3},
        {"RunMRU|", 2}, {"TypedURLs|", 3}, {"\\Temp\\", 4}, {"\\Cookies\\", 5},
        {"Temporary Internet Files", 6}, {"\\History\\", 7}, {"Microsoft Word", 8},
        {"\\Word\\Data", 8}, {"Excel", 9}, {"Access", 10}, {"PowerPoint", 11},
        {"shell bin", 12}, {"Start Menu", 13}, {"MenuOrder\\Favorites", 14},
        {"WinZip\\filemenu", 15}, {"WinZip\\extract", 16}, {"Visual Basic", 17},
        {"default\\cache\\", 19}, {"default\\", 18}, {"Users\\user\\", 20}, {"Wordpad", 21},
        {"Paint", 22}, {"MediaPlayer", 23}};
    // clang-format on
    for (const auto& [text, item] : rules)
        if (e.find(text) != std::string::npos) return item;
    return 0;
}

TEST(CleanerCleanRun, EveryTickedItemRunsInCatalogueOrderWithinTheBoundsOfItsList) {
    Fixture f;
    auto& r = f.registry;
    const std::string runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    const std::string office = "Software\\Microsoft\\Office\\9.0\\Word\\Data";
    const std::string media = "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
    const std::string ns = "C:\\Program Files\\Netscape\\Users\\";
    r.set(RegRoot::CurrentUser, runMru, "MRUList", "ab");
    r.set(RegRoot::CurrentUser, runMru, "a", "notepad");
    r.set(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1", "x");
    r.set(RegRoot::CurrentUser, office, "Settings", "x", platform::kRegBinary);
    r.set(RegRoot::CurrentUser, "Software\\Nico Mak Computing\\WinZip\\filemenu", "filemenu1", "a");
    r.set(RegRoot::CurrentUser,
          "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List", "File1",
          "a.bmp");
    r.set(RegRoot::CurrentUser, media, "URL0", "mms://a");
    for (const char* file : {"default\\prefs.js", "default\\netscape.hst", "default\\cache\\a.htm",
                             "user\\cookies.txt", "user\\bookmark.htm"})
        f.files.addFile(ns + file, 10);
    app::TickEveryItem(f.form);
    f.log.clear();
    f.run();
    std::vector<int> order, all(23);
    for (const auto& e : f.log) {
        const int item = ItemOf(e);
        ASSERT_NE(item, 0) << "unexpected work: " << e;
        if (order.empty() || order.back() != item) order.push_back(item);
    }
    for (int i = 0; i < 23; ++i) all[i] = i + 1;
    EXPECT_EQ(order, all);
    for (auto [key, name] : {std::pair{runMru, "a"}, {office, "Settings"}, {media, "URL0"}})
        EXPECT_FALSE(r.hasValue(RegRoot::CurrentUser, key, name)) << name;
    for (const char* gone : {"default\\cache\\a.htm", "default\\prefs.js", "default\\netscape.hst",
                             "user\\cookies.txt"})
        EXPECT_FALSE(f.files.exists(ns + gone)) << gone;
    EXPECT_TRUE(f.files.exists(ns + "user\\bookmark.htm"));
    EXPECT_EQ(f.shell.calls,
              (Texts{"SHAddToRecentDocs(0, null)", "SHEmptyRecycleBin(17185, null, 7)",
                     "SHUpdateRecycleBinIcon()"}));
    EXPECT_EQ(r.openHandles(), 0u);
    EXPECT_EQ(r.deletions().size(),
              // RunMRU a, b, MRUList; TypedURLs url1, url2; its .DEFAULT twin url1; two sweeps
              3 + 2 + 1 + 200 +
                  // Office; menu order twice; favourites; WinZip filemenu1-2 and extract1
                  12 + 36 + 30 + 21 + 2 + 1 + 2 + 1 +
                  // VB sweep; WordPad File1 only; Paint File1-100; Media Player files and URL0-1
                  100 + 1 + 100 + 6 + 2);
}

// Per system kind: the user's folders as the shell names them, else the layout's; Bin always.
TEST(CleanerCleanRun, RemovalCommandsAreExactForEachSystemKindAndAFailedStepIsTraced) {
    const std::string deltree = "C:\\WINDOWS\\COMMAND.COM /C DELTREE /Y \"";
    const std::string rmdir = "C:\\WINNT\\system32\\cmd.exe /C RMDIR /S /Q \"";
    const std::string nt = rmdir + "C:\\Documents and Settings\\Administrator\\";
    const std::string user = "C:\\users\\ann\\",
                      win = user + "AppData\\Local\\Microsoft\\Windows\\";
    struct Case {
        std::string windowsDir;
        bool shellNames;
        Texts lines;
    };
    // clang-format off
    for (const Case& c :
         {Case{"C:\\WINDOWS", true, {deltree + "C:\\WINDOWS\\Temp\\*.*\"",
                deltree + user + "Temp\\*.*\"",
                deltree + win + "INetCookies\\*.*\"", deltree + win + "INetCache\\*.*\"",
                deltree + win + "History\\*.*\""}},
          Case{"C:\\WINDOWS", false, {deltree + "C:\\WINDOWS\\Temp\\*.*\"",
                deltree + "C:\\WINDOWS\\Cookies\\*.*\"",
                deltree + "C:\\WINDOWS\\Temporary Internet Files\\*.*\"",
                deltree + "C:\\WINDOWS\\History\\*.*\""}},
          Case{"C:\\WINNT", false, {rmdir + "C:\\WINNT\\Temp\\\"", nt + "Cookies\\\"",
                nt + "Local Settings\\Temporary Internet Files\\\"",
                nt + "Local Settings\\History\\\""}},
          Case{"D:\\WIN", true, {}}}) {
        // clang-format on
        SCOPED_TRACE(c.windowsDir);
        Fixture f(c.windowsDir);
        if (c.windowsDir == "C:\\WINNT")
            f.processes.variables["COMSPEC"] = "C:\\WINNT\\system32\\cmd.exe";
        if (c.shellNames) {
            f.processes.temp = user + "Temp";
            f.shell.folders = {{platform::UserFolder::InternetCache, win + "INetCache"},
                               {platform::UserFolder::Cookies, win + "INetCookies"},
                               {platform::UserFolder::History, win + "History"}};
        }
        f.tick({&f.form.chkTemp, &f.form.chkCookies, &f.form.chIECache, &f.form.chkHistory,
                &f.form.chkRecBin});
        f.run();
        Texts lines;
        for (const auto& s : f.processes.started) {
            lines.push_back(s.commandLine);
            EXPECT_EQ(s.workingDir, "C:\\Program Files\\Brisko");
        }
        EXPECT_TRUE(lines == c.lines && f.shell.calls.size() == 2u);
    }
    // No command processor or process, a link on the way, a throwing step: traced, run goes on.
    struct Failure {
        const char* how;
        std::optional<std::string> comspec;
        bool canStart;
        std::string link = {};
    };
    const std::string comspec = "C:\\WINDOWS\\COMMAND.COM";
    for (const Failure& c : {Failure{"no COMSPEC", {}, true}, Failure{"an empty COMSPEC", "", true},
                             Failure{"no process", comspec, false},
                             Failure{"the Temp folder a link", comspec, true, "C:\\WINDOWS\\Temp"},
                             Failure{"the Windows folder a link", comspec, true, "C:\\WINDOWS"}}) {
        SCOPED_TRACE(c.how);
        Fixture f;
        f.processes.variables.erase("COMSPEC");
        if (c.comspec) f.processes.variables["COMSPEC"] = *c.comspec;
        f.processes.canStart = c.canStart;
        if (!c.link.empty()) f.files.addLink(c.link, "C:\\Elsewhere");
        f.tick({&f.form.chkTemp, &f.form.chkDocuments});
        f.run();
        EXPECT_TRUE(f.processes.started.empty() && f.form.Timer1.enabled());
        EXPECT_TRUE(f.shell.calls.size() == 1u && f.memory.media.played.size() == 1u);
        EXPECT_EQ(f.memory.trace.lines,
                  Texts{c.link.empty() ? "clean run: no removal started for C:\\WINDOWS\\Temp\\"
                                       : "clean run: " + c.link +
                                             " is a link; C:\\WINDOWS\\Temp\\ is not removed"});
        EXPECT_TRUE(f.memory.desktop.messages.empty());
    }
    // Neither system kind has a removal command: nothing starts and that is no success.
    platform::MemoryProcesses processes;
    EXPECT_FALSE(cleaner::StartShellRemoval(processes, cleaner::SystemKind::Neither, "C:\\x\\"));
    EXPECT_TRUE(processes.started.empty());
    Fixture g;
    g.shell.fails = true;
    g.tick({&g.form.chkDocuments, &g.form.chkRunMenu, &g.form.chkTemp});
    g.run();
    EXPECT_EQ(g.memory.trace.lines, Texts{"clean run: no shell"});
    EXPECT_EQ(g.processes.started.size(), 1u);  // the Temp folder after the failed item
    EXPECT_TRUE(std::any_of(g.log.begin(), g.log.end(), [](const std::string& e) {
        return e.find("RunMRU") != std::string::npos;
    }));  // the Run menu's list, the item after the failed one
    EXPECT_TRUE(!g.cleanSave().empty() && g.form.Timer1.enabled());
}

// Armed once; while removals run the window answers; then only what is gone is counted.
TEST(CleanerCleanRun, TheClickArmsTheRunWhoseResultWaitsForTheRemovalsAndCountsWhatIsGone) {
    Fixture f;
    auto& w = f.form;
    const std::string cache = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\INetCache\\";
    const std::string temp = "C:\\users\\ann\\Temp\\";
    f.shell.folders[platform::UserFolder::InternetCache] = cache;
    f.shell.binBytes = 2048;
    f.processes.temp = "C:\\users\\ann\\Temp";
    // clang-format off
    for (const auto& [path, bytes] : {std::pair{cache + "a.htm", 1000}, {cache + "held.js", 24},
                                      {temp + "t.tmp", 300}, {"C:\\WINDOWS\\Temp\\kept.tmp", 7}})
        f.files.addFile(path, bytes);
    // clang-format on
    f.tick({&w.chIECache, &w.chkTemp, &w.chkRecBin});
    f.processes.runsFor = 2;
    f.processes.exitCode = 1;
    f.processes.onEnd = [&](const platform::MemoryProcesses::Started& removal) {
        for (const std::string& gone : {cache + "a.htm", temp + "t.tmp"})
            if (removal.commandLine.find(gone.substr(0, gone.rfind('\\'))) != std::string::npos)
                f.files.removeTree(gone);
    };
    w.showPanel(2);
    for (auto* label : {&w.Label6, &w.Label7, &w.Label8}) label->setVisible(false);
    w.Command1.click();
    w.Command1.click();
    ExpectVisible({&w.Frame1, &w.Label6, &w.Label7, &w.Label8}, true);
    ExpectVisible({&w.Frame2, &w.Frame3}, false);
    EXPECT_TRUE(w.Timer2.enabled());
    EXPECT_TRUE(f.processes.started.empty());  // nothing runs before the tick
    const std::string folder = "C:\\Program Files\\Brisko\\";
    for (int tick = 0; tick < 2; ++tick) {
        w.Timer2.tick();
        EXPECT_TRUE(f.processes.running == 3 && w.Timer2.enabled() && w.Label6.visible());
        EXPECT_EQ(w.mousePointer(), controls::kPointerHourglass);
        EXPECT_EQ(w.Animation1.file(), folder + "RurivAzavidi.avi");
        EXPECT_TRUE(f.memory.media.played.empty());
    }
    int pointerDuringRun = -1;
    std::string clipDuringSound;
    f.memory.media.onPlay = [&](const std::string&) {
        pointerDuringRun = w.mousePointer();
        clipDuringSound = w.Animation1.file() + (w.Animation1.playing() ? " playing" : "");
    };
    w.Timer2.tick();
    w.Timer2.tick();  // disabled after the run: no second run
    EXPECT_EQ(f.animation, (Texts{"open " + folder + "RurivAzavidi.avi", "play -1", "open ",
                                  "open " + folder + "Check.avi", "play 1"}));
    EXPECT_EQ(clipDuringSound, folder + "Check.avi playing");
    EXPECT_EQ(f.memory.media.played, Texts{folder + "Alarm.wav"});
    EXPECT_EQ(pointerDuringRun, controls::kPointerDefault);
    EXPECT_EQ(Captions({&w.lblSize, &w.Label1}), (Texts{"3.27 KB Reclaimed", "3348"}));
    EXPECT_EQ(f.cleanSave(), "3348");  // 1000 + 300 + 2048
    EXPECT_EQ(f.memory.trace.lines.size(), 3u);
    EXPECT_EQ(f.memory.trace.lines[0],
              "clean run: the removal of C:\\WINDOWS\\Temp\\ ended with "
              "code 1; what it could not remove stays");
    EXPECT_EQ(w.itemSize(app::SizedItem::IeCache), 24.0);
    EXPECT_EQ(w.itemSize(app::SizedItem::Temp), 7.0);
    EXPECT_TRUE(!w.Timer2.enabled() && w.Timer1.enabled());
    ExpectVisible({&w.Label6, &w.Label7, &w.Label8}, false);
    EXPECT_TRUE(w.Animation1.visible());
    w.Label8.setCaption("1.00 KB Wasted Space");
    w.Timer1.tick();
    EXPECT_FALSE(w.Timer1.enabled());
    ExpectVisible({&w.Animation1, &w.Label6, &w.Label7, &w.Label8}, false);
    for (auto* label : {&w.Label6, &w.Label7, &w.Label8})
        EXPECT_EQ(label->caption(), "Cleaning ... Please Wait");
    EXPECT_EQ(w.lblSize.caption(), "3.27 KB Reclaimed");  // kept until the next estimate
    f.processes.runsFor = 0;
    f.run();
    EXPECT_EQ(w.Label1.caption() + " " + f.cleanSave(), "0 3348");
    // A stored total holding text counts as zero and is overwritten.
    f.memory.settings.save("Brisko", "Presets", "CleanSave", "lots");
    w.itemSize(app::SizedItem::NetscapeTyped) = 1536;
    f.run();
    EXPECT_EQ(f.cleanSave(), "1536");
    f.memory.settings.save("Brisko", "Presets", "CleanSave", " 1000 bytes");
    w.itemSize(app::SizedItem::NetscapeTyped) = 5368709120.0;
    f.run();
    EXPECT_EQ(f.cleanSave(), "5368710120");
}

}  // namespace
}  // namespace brisko::testing
