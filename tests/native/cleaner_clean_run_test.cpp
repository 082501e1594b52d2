// The clean run of the main window over the in-memory platform: the order of the 23 items, the
// exact removal command lines, the end-of-run display and the running total.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form1_clean_run.h"
#include "controls/program_windows.h"
#include "platform/memory/memory_platform.h"

namespace {

using namespace brisko;
using platform::RegRoot;

// Forwards to the in-memory services and writes one shared log, so that the order of registry,
// shell, process and file work across the whole run can be checked.
struct Log {
    std::vector<std::string> entries;
};

class LoggingRegistry : public platform::Registry {
  public:
    LoggingRegistry(platform::MemoryRegistry& inner, Log& log) : inner_(inner), log_(log) {}
    long openKey(RegRoot root, const std::string& path, platform::RegHandle& out) override {
        return inner_.openKey(root, path, out);
    }
    platform::RegQuery queryValue(platform::RegHandle key, const std::string& name,
                                  bool withData) override {
        return inner_.queryValue(key, name, withData);
    }
    long deleteValue(platform::RegHandle key, const std::string& name) override {
        // The key path of the open just before, which is recorded even when the key is missing.
        log_.entries.push_back("reg " + inner_.calls.back().path + "|" + name);
        return inner_.deleteValue(key, name);
    }
    long closeKey(platform::RegHandle key) override { return inner_.closeKey(key); }

  private:
    platform::MemoryRegistry& inner_;
    Log& log_;
};

class LoggingShell : public platform::MemoryShell {
  public:
    explicit LoggingShell(Log& log) : log_(log) {}
    void clearRecentDocuments() override {
        log_.entries.push_back("shell recent");
        MemoryShell::clearRecentDocuments();
    }
    long emptyRecycleBin(platform::WindowHandle owner, unsigned flags) override {
        log_.entries.push_back("shell bin");
        return MemoryShell::emptyRecycleBin(owner, flags);
    }

  private:
    Log& log_;
};

class LoggingProcesses : public platform::MemoryProcesses {
  public:
    explicit LoggingProcesses(Log& log) : log_(log) {}
    std::unique_ptr<platform::StartedProcess> startHidden(const std::string& commandLine,
                                                          const std::string& workingDir) override {
        log_.entries.push_back("proc " + commandLine);
        return MemoryProcesses::startHidden(commandLine, workingDir);
    }

  private:
    Log& log_;
};

class LoggingFiles : public platform::MemoryFileSystem {
  public:
    explicit LoggingFiles(Log& log) : log_(log) {}
    bool deleteFile(const std::string& path) override {
        log_.entries.push_back("file " + path);
        return MemoryFileSystem::deleteFile(path);
    }

  private:
    Log& log_;
};

struct Fixture {
    Log log;
    platform::MemoryPlatform memory;
    LoggingRegistry registry{memory.registry, log};
    LoggingShell shell{log};
    LoggingProcesses processes{log};
    LoggingFiles files{log};
    platform::Services services{memory.settings, registry,     files,          shell,
                                processes,       memory.media, memory.desktop, memory.trace};
    controls::ProgramWindows windows;
    app::Form1 form{services, windows};
    std::vector<std::string> animation;  // what Animation1 was asked to do, in order

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
    std::vector<controls::CheckBox*> trackBoxes() {
        auto& f = form;
        return {&f.chkDocuments,  &f.chkRunMenu, &f.chkUrls,       &f.chkTemp,   &f.chkCookies,
                &f.chIECache,     &f.chkHistory, &f.chkWord,       &f.chkExcel,  &f.chkAccess,
                &f.chkPowerPoint, &f.chkRecBin,  &f.chkMenu,       &f.chkFav,    &f.chkWzip1,
                &f.chkWzip2,      &f.chkVb,      &f.NetScape1,     &f.netscape2, &f.netscape3,
                &f.chkWordPad,    &f.chkPbrush,  &f.chkMediaPlayer};
    }
    void tickAll() {
        for (auto* box : trackBoxes()) box->setValue(1);
    }
    void run() {
        app::StartCleanRun(form);
        form.Timer2.tick();
    }
};

// Which track item a log entry belongs to, from what it touches.
int ItemOf(const std::string& e) {
    struct Rule {
        const char* text;
        int item;
    };
    static const Rule rules[] = {
        {"shell recent", 1},
        {"RunMRU|url", 3},
        {"RunMRU|", 2},
        {"TypedURLs|", 3},
        {"\\Temp\\", 4},
        {"\\Cookies\\", 5},
        {"Temporary Internet Files", 6},
        {"\\History\\", 7},
        {"Microsoft Word", 8},
        {"\\Word\\Data", 8},
        {"Excel", 9},
        {"Access", 10},
        {"PowerPoint", 11},
        {"shell bin", 12},
        {"Start Menu", 13},
        {"MenuOrder\\Favorites", 14},
        {"WinZip\\filemenu", 15},
        {"WinZip\\extract", 16},
        {"Visual Basic", 17},
        {"default\\cache\\", 19},
        {"default\\", 18},
        {"Users\\user\\", 20},
        {"Wordpad", 21},
        {"Paint", 22},
        {"MediaPlayer", 23},
    };
    for (const auto& r : rules)
        if (e.find(r.text) != std::string::npos) return r.item;
    return 0;
}

void SeedEveryList(platform::MemoryPlatform& m, platform::MemoryFileSystem& files) {
    auto& r = m.registry;
    const std::string runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    r.set(RegRoot::CurrentUser, runMru, "MRUList", "ab");
    r.set(RegRoot::CurrentUser, runMru, "a", "notepad");
    r.set(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1",
          "http://a");
    r.set(RegRoot::CurrentUser, "Software\\Microsoft\\Office\\9.0\\Word\\Data", "Settings", "x",
          platform::kRegBinary);
    r.set(RegRoot::CurrentUser, "Software\\Nico Mak Computing\\WinZip\\filemenu", "filemenu1",
          "a.zip");
    r.set(RegRoot::CurrentUser,
          "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List", "File1",
          "a.bmp");
    r.set(RegRoot::CurrentUser, "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList", "URL0",
          "mms://a");
    files.addFile("C:\\Program Files\\Netscape\\Users\\default\\prefs.js", 10);
    files.addFile("C:\\Program Files\\Netscape\\Users\\default\\netscape.hst", 10);
    files.addFile("C:\\Program Files\\Netscape\\Users\\default\\cache\\a.htm", 10);
    files.addFile("C:\\Program Files\\Netscape\\Users\\user\\cookies.txt", 10);
    files.addFile("C:\\Program Files\\Netscape\\Users\\user\\bookmark.htm", 10);
}

TEST(CleanerCleanRun, EveryTickedItemRunsInCatalogueOrder) {
    Fixture f;
    SeedEveryList(f.memory, f.files);
    f.tickAll();
    f.log.entries.clear();
    f.run();

    std::vector<int> order;
    for (const auto& e : f.log.entries) {
        const int item = ItemOf(e);
        ASSERT_NE(item, 0) << "unexpected work: " << e;
        if (order.empty() || order.back() != item) order.push_back(item);
    }
    std::vector<int> all(23);
    for (int i = 0; i < 23; ++i) all[i] = i + 1;
    EXPECT_EQ(order, all);

    // What the seeded lists look like afterwards.
    auto& r = f.memory.registry;
    EXPECT_FALSE(r.hasValue(RegRoot::CurrentUser,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", "a"));
    EXPECT_FALSE(r.hasValue(RegRoot::CurrentUser, "Software\\Microsoft\\Office\\9.0\\Word\\Data",
                            "Settings"));
    EXPECT_FALSE(r.hasValue(RegRoot::CurrentUser,
                            "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList", "URL0"));
    EXPECT_FALSE(f.files.exists("C:\\Program Files\\Netscape\\Users\\user\\cookies.txt"));
    EXPECT_TRUE(f.files.exists("C:\\Program Files\\Netscape\\Users\\user\\bookmark.htm"));
    EXPECT_FALSE(f.files.exists("C:\\Program Files\\Netscape\\Users\\default\\cache\\a.htm"));
    EXPECT_EQ(f.shell.calls, (std::vector<std::string>{"SHAddToRecentDocs(0, null)",
                                                       "SHEmptyRecycleBin(17185, null, 7)",
                                                       "SHUpdateRecycleBinIcon()"}));
    EXPECT_EQ(r.openHandles(), 0u);
    // Well inside the bounds of the lists: about a thousand deletions at most.
    EXPECT_EQ(std::count_if(f.log.entries.begin(), f.log.entries.end(),
                            [](const std::string& e) { return e.rfind("reg ", 0) == 0; }),
              // RunMRU a, b, MRUList; TypedURLs url1, url2; its .DEFAULT twin url1; two sweeps
              3 + 2 + 1 + 200 +
                  // Office; menu order twice; favourites; WinZip filemenu1-2 and extract1
                  12 + 36 + 30 + 21 + 2 + 1 + 2 + 1 +
                  // VB sweep; WordPad File1 only; Paint File1-100; Media Player files and URL0-1
                  100 + 1 + 100 + 6 + 2);
}

// The folder items' removal command lines by system kind: the nine family's DELTREE of what is in
// each folder, the NT family's unattended RMDIR; each runs in the program folder.
TEST(CleanerCleanRun, RemovalCommandsAreExactForEachSystemKind) {
    const std::string deltree = "C:\\WINDOWS\\COMMAND.COM /C DELTREE /Y ";
    const std::string rmdir = "C:\\WINNT\\system32\\cmd.exe /C RMDIR /S /Q ";
    const std::string nt = "\"C:\\Documents and Settings\\";
    struct Case {
        std::string windowsDir, comspec;
        std::vector<std::string> lines;
    };
    for (const Case& c :
         {Case{"C:\\WINDOWS",
               "C:\\WINDOWS\\COMMAND.COM",
               {deltree + "\"C:\\WINDOWS\\Temp\\*.*\"", deltree + "\"C:\\WINDOWS\\Cookies\\*.*\"",
                deltree + "\"C:\\WINDOWS\\Temporary Internet Files\\*.*\"",
                deltree + "\"C:\\WINDOWS\\History\\*.*\""}},
          Case{"C:\\WINNT",
               "C:\\WINNT\\system32\\cmd.exe",
               {rmdir + "\"C:\\WINNT\\Temp\\\"", rmdir + nt + "Administrator\\Cookies\\\"",
                rmdir + nt + "Administrator\\Local Settings\\Temporary Internet Files\\\"",
                rmdir + nt + "Administrator\\Local Settings\\History\\\""}}}) {
        SCOPED_TRACE(c.windowsDir);
        Fixture f(c.windowsDir);
        f.processes.variables["COMSPEC"] = c.comspec;
        for (auto* box :
             {&f.form.chkTemp, &f.form.chkCookies, &f.form.chIECache, &f.form.chkHistory})
            box->setValue(1);
        f.run();
        std::vector<std::string> lines;
        for (const auto& s : f.processes.started) {
            lines.push_back(s.commandLine);
            EXPECT_EQ(s.workingDir, "C:\\Program Files\\Brisko");
        }
        EXPECT_EQ(lines, c.lines);
    }
}

// What is reclaimed is what is gone once the removals have ended, the window answering while
// they run: a file that stayed (in use) adds nothing, a removal that failed is traced, a folder
// of a system of neither kind is not emptied, and a second run counts nothing twice.
TEST(CleanerCleanRun, ReclaimedIsWhatTheRemovalsTookAwayOnceTheyHaveEnded) {
    Fixture f;
    const std::string cache = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\INetCache\\";
    f.shell.folders[platform::UserFolder::InternetCache] = cache;
    f.shell.binBytes = 2048;
    f.processes.temp = "C:\\users\\ann\\Temp";
    f.files.addFile(cache + "a.htm", 1000);
    f.files.addFile(cache + "held.js", 24);
    f.files.addFile("C:\\users\\ann\\Temp\\t.tmp", 300);
    f.files.addFile("C:\\WINDOWS\\Temp\\refused.tmp", 7);
    for (auto* box : {&f.form.chIECache, &f.form.chkTemp, &f.form.chkRecBin}) box->setValue(1);
    EXPECT_EQ(f.form.lblSize.toolTip,
              "Measured:\r\n" + cache +
                  "\r\nC:\\WINDOWS\\Temp\\\r\nC:\\users\\ann\\Temp\\\r\nthe "
                  "Recycle Bins of all drives");
    f.processes.runsFor = 2;
    f.processes.exitCode = 1;
    f.processes.onEnd = [&](const platform::MemoryProcesses::Started& removal) {
        for (const char* gone : {"a.htm", "t.tmp"})
            for (const auto& path : {cache + gone, "C:\\users\\ann\\Temp\\" + std::string(gone)})
                if (removal.commandLine.find(path.substr(0, path.rfind('\\'))) != std::string::npos)
                    f.files.deleteFile(path);
    };
    f.form.Command1.click();
    for (int tick = 0; tick < 2; ++tick) {
        f.form.Timer2.tick();
        EXPECT_EQ(f.processes.running, 3);
        EXPECT_TRUE(f.form.Timer2.enabled() && f.form.Label6.visible());
        EXPECT_EQ(f.form.mousePointer(), controls::kPointerHourglass);
        EXPECT_EQ(f.form.Animation1.file(), "C:\\Program Files\\Brisko\\RurivAzavidi.avi");
        EXPECT_TRUE(f.memory.media.played.empty());
    }
    f.form.Timer2.tick();
    EXPECT_EQ(f.form.Label1.caption(), "3348");  // 1000 + 300 + 2048
    EXPECT_EQ(f.form.lblSize.caption(), "3.27 KB Reclaimed");
    EXPECT_EQ(f.memory.settings.get("Brisko", "Presets", "CleanSave", ""), "3348");
    EXPECT_EQ(f.memory.trace.lines.size(), 3u);
    EXPECT_EQ(f.memory.trace.lines[0],
              "clean run: the removal of C:\\WINDOWS\\Temp\\ ended with code "
              "1; what it could not remove stays");
    EXPECT_FALSE(f.form.Timer2.enabled());
    EXPECT_EQ(f.memory.media.played.size(), 1u);
    EXPECT_EQ(f.form.itemSize(app::SizedItem::IeCache), 24.0);
    EXPECT_EQ(f.form.itemSize(app::SizedItem::Temp), 7.0);

    f.processes.runsFor = 0;
    f.run();
    EXPECT_EQ(f.form.Label1.caption(), "0");
    EXPECT_EQ(f.memory.settings.get("Brisko", "Presets", "CleanSave", ""), "3348");

    Fixture neither("D:\\WIN");
    neither.files.addFile("D:\\WIN\\Temp\\t", 1000);
    neither.form.chkTemp.setValue(1);
    neither.run();
    EXPECT_TRUE(neither.processes.started.empty());
    EXPECT_EQ(neither.form.Label1.caption(), "0");
}

TEST(CleanerCleanRun, MissingComspecStartsNothingAndTheRunGoesOn) {
    Fixture f;
    f.processes.variables.erase("COMSPEC");
    f.form.chkTemp.setValue(1);
    f.form.chkDocuments.setValue(1);
    f.run();
    EXPECT_TRUE(f.processes.started.empty());
    EXPECT_EQ(f.shell.calls.size(), 1u);
    EXPECT_EQ(f.memory.media.played.size(), 1u);
    EXPECT_TRUE(f.form.Timer1.enabled());
    // The dropped removal is traced, not shown.
    EXPECT_EQ(f.memory.trace.lines,
              std::vector<std::string>{"clean run: no removal started for C:\\WINDOWS\\Temp\\"});
    EXPECT_TRUE(f.memory.desktop.messages.empty());
}

TEST(CleanerCleanRun, AStepThatFailsIsTracedAndTheNextStepsStillRun) {
    struct FailingShell : LoggingShell {
        using LoggingShell::LoggingShell;
        void clearRecentDocuments() override { throw std::runtime_error("no shell"); }
    };
    Fixture f;
    FailingShell shell{f.log};
    platform::Services services = f.services;
    // The form keeps its own copy of the services: a second window over the failing shell.
    platform::Services failing{
        services.settings,  services.registry, services.files,   shell,
        services.processes, services.media,    services.desktop, services.trace};
    controls::ProgramWindows windows;
    app::Form1 form{failing, windows};
    form.Winder.setCaption("WINDOWS");
    form.DrvLetter.setCaption("C:");
    form.chkDocuments.setValue(1);  // the recent documents' shell call fails
    form.chkRunMenu.setValue(1);
    form.chkTemp.setValue(1);
    app::StartCleanRun(form);
    form.Timer2.tick();
    EXPECT_EQ(f.memory.trace.lines, std::vector<std::string>{"clean run: no shell"});
    EXPECT_EQ(f.processes.started.size(), 1u);  // the Temp folder after the failed item
    EXPECT_TRUE(std::any_of(f.log.entries.begin(), f.log.entries.end(), [](const std::string& e) {
        return e.find("RunMRU") != std::string::npos;
    }));  // the Run menu's list, the item after the failed one
    EXPECT_FALSE(f.memory.settings.get("Brisko", "Presets", "CleanSave", "").empty());
    EXPECT_TRUE(form.Timer1.enabled());
}

TEST(CleanerCleanRun, NothingTickedStillShowsBothClipsAndAddsZero) {
    Fixture f;
    f.memory.settings.save("Brisko", "Presets", "TotSav", "1.50 KB");
    std::string clipDuringSound;
    f.memory.media.onPlay = [&](const std::string&) {
        clipDuringSound =
            f.form.Animation1.file() + (f.form.Animation1.playing() ? " playing" : "");
    };
    f.run();
    const std::string folder = "C:\\Program Files\\Brisko\\";
    EXPECT_EQ(f.animation,
              (std::vector<std::string>{"open " + folder + "RurivAzavidi.avi", "play -1", "open ",
                                        "open " + folder + "Check.avi", "play 1"}));
    EXPECT_EQ(clipDuringSound, folder + "Check.avi playing");
    EXPECT_EQ(f.memory.media.played, std::vector<std::string>{folder + "Alarm.wav"});
    EXPECT_EQ(f.form.lblSize.caption(), "0 bytes Reclaimed");
    EXPECT_EQ(f.form.Label1.caption(), "0");
    EXPECT_EQ(f.memory.settings.get("Brisko", "Presets", "CleanSave", "missing"), "0");
    EXPECT_TRUE(f.memory.registry.deletions().empty());
    EXPECT_TRUE(f.processes.started.empty());
}

TEST(CleanerCleanRun, CleanSaveHoldingTextCountsAsZeroAndIsOverwritten) {
    Fixture f;
    f.memory.settings.save("Brisko", "Presets", "CleanSave", "lots");
    f.form.itemSize(app::SizedItem::NetscapeTyped) = 1536;
    f.run();
    EXPECT_EQ(f.memory.settings.get("Brisko", "Presets", "CleanSave", ""), "1536");

    f.memory.settings.save("Brisko", "Presets", "CleanSave", " 1000 bytes");
    f.form.itemSize(app::SizedItem::NetscapeTyped) = 5368709120.0;
    f.run();
    EXPECT_EQ(f.memory.settings.get("Brisko", "Presets", "CleanSave", ""), "5368710120");
}

TEST(CleanerCleanRun, TheClickArmsTheRunAndASecondClickChangesNothing) {
    Fixture f;
    f.form.showPanel(2);
    f.form.Label6.setVisible(false);
    f.form.Label7.setVisible(false);
    f.form.Label8.setVisible(false);
    f.form.Command1.click();
    f.form.Command1.click();
    EXPECT_TRUE(f.form.Frame1.visible());
    EXPECT_FALSE(f.form.Frame2.visible());
    EXPECT_FALSE(f.form.Frame3.visible());
    EXPECT_EQ(f.form.mousePointer(), controls::kPointerHourglass);
    EXPECT_TRUE(f.form.Label6.visible() && f.form.Label7.visible() && f.form.Label8.visible());
    EXPECT_TRUE(f.form.Timer2.enabled());
    EXPECT_TRUE(f.memory.media.played.empty());  // nothing runs before the tick

    int pointerDuringRun = -1;
    f.memory.media.onPlay = [&](const std::string&) { pointerDuringRun = f.form.mousePointer(); };
    f.form.Timer2.tick();
    f.form.Timer2.tick();  // disabled after the run: no second run
    EXPECT_EQ(f.memory.media.played.size(), 1u);
    EXPECT_EQ(pointerDuringRun, controls::kPointerDefault);
    EXPECT_FALSE(f.form.Timer2.enabled());
    EXPECT_TRUE(f.form.Timer1.enabled());
    EXPECT_FALSE(f.form.Label6.visible() || f.form.Label7.visible() || f.form.Label8.visible());
    EXPECT_TRUE(f.form.Animation1.visible());

    f.form.Label8.setCaption("1.00 KB Wasted Space");
    f.form.Timer1.tick();
    EXPECT_FALSE(f.form.Timer1.enabled());
    EXPECT_FALSE(f.form.Animation1.visible());
    EXPECT_FALSE(f.form.Label6.visible() || f.form.Label7.visible() || f.form.Label8.visible());
    for (auto* label : {&f.form.Label6, &f.form.Label7, &f.form.Label8})
        EXPECT_EQ(label->caption(), "Cleaning ... Please Wait");
    EXPECT_EQ(f.form.lblSize.caption(), "0 bytes Reclaimed");  // kept until the next estimate
}

TEST(CleanerCleanRun, OnlyTheProgramsSelectAllBoxClearsOnlyItsList) {
    Fixture f;
    f.memory.registry.set(RegRoot::CurrentUser,
                          "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles", "1", "C:\\p.vbp");
    f.form.chkVb.setValue(1);
    for (auto* box : f.trackBoxes())
        if (box != &f.form.chkVb) box->setValue(0);
    f.run();
    const auto deletions = f.memory.registry.deletions();
    ASSERT_EQ(deletions.size(), 100u);
    for (const auto& d : deletions)
        EXPECT_EQ(d.rfind("Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles|", 0), 0u) << d;
    EXPECT_TRUE(f.shell.calls.empty());
    EXPECT_TRUE(
        f.memory.registry
            .valueNames(RegRoot::CurrentUser, "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles")
            .empty());
}

}  // namespace
