// The drive walks read ahead on walker threads: what they show and count is what they show and
// count without, whatever the walkers' number, lead and timing, a Cancel at any point included.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "cleaner/get_win_dir_size.h"
#include "finder/junk_search.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

constexpr std::size_t kBigFolder = 60;

// Wide and deep folders, a folder larger than the lead allowed, a chain deeper than it, a link,
// an alias that loops and an unreadable folder.
void Seed(platform::MemoryFileSystem& fs) {
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 4; ++b)
            for (const char* name : {"x.tmp", "y.txt", "z.TMP"})
                fs.addFile(
                    "C:\\Dir" + std::to_string(a) + "\\sub" + std::to_string(b) + "\\" + name,
                    a * 10 + b + 1);
    for (std::size_t i = 0; i < kBigFolder; ++i)
        fs.addFile("C:\\Big\\f" + std::to_string(i) + (i % 3 ? ".txt" : ".tmp"), i);
    std::string deep = "C:\\Deep";
    for (int depth = 0; depth < 40; ++depth) {
        deep += "\\d" + std::to_string(depth % 3);
        if (depth % 13 == 0) fs.addFile(deep + "\\level.tmp", depth);
    }
    fs.addLink("C:\\Dir1\\Out", "C:\\Dir2");
    fs.addAlias("C:\\Dir3\\sub0\\Again", "C:\\Dir3");
    fs.addFile("C:\\Locked\\secret.tmp", 5);
    fs.find("C:\\Locked")->unlistable = true;
}

// What a search shows, in order: every folder it moves to and every file it finds.
struct Recorder : finder::SearchSink {
    Texts shown, files;
    void positioned(const std::string& folder) override { shown.push_back("> " + folder); }
    bool found(const platform::FoundFile& file, std::uint64_t length) override {
        shown.push_back("+ " + file.path + " " + std::to_string(length));
        files.push_back(file.path);
        return true;
    }
};

struct Search {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    Recorder sink;
    cleaner::ReadAheadLead lead;
    bool active = false;
    bool abandoned = false;
    Search() { Seed(mem.files); }
    Search& run(int walkers, std::size_t ahead) {
        abandoned =
            finder::SearchFolder(services, "C:\\", "*.tmp", active, sink, {walkers, ahead, &lead});
        return *this;
    }
};

TEST(ReadAhead, TheWalksShowAndCountTheSameWhateverTheWalkersAndTheirLead) {
    Search alone;
    alone.run(0, 0);
    ASSERT_EQ(alone.sink.files.size(), 6u * 4 * 2 + kBigFolder / 3 + 4);
    ASSERT_EQ(alone.mem.trace.lines.size(), 2u);  // the unreadable folder, the alias
    platform::MemoryPlatform sizes;
    Seed(sizes.files);
    const double total = cleaner::FolderSize(sizes.files, sizes.desktop, "C:\\", {0});
    for (const int walkers : {1, 2, 3})
        for (const std::size_t ahead : {std::size_t{1}, std::size_t{8}, std::size_t{4096}}) {
            Search read;
            read.run(walkers, ahead);
            EXPECT_FALSE(read.abandoned);
            EXPECT_EQ(read.sink.shown, alone.sink.shown) << walkers << " " << ahead;
            EXPECT_EQ(read.mem.trace.lines, alone.mem.trace.lines);
            // Each folder the walk enters listed once: no walker follows a link or an alias.
            EXPECT_EQ(read.mem.files.enumerations, alone.mem.files.enumerations);
            // The walkers stop when `ahead` entries wait; each, and the walk, may have one folder
            // in hand.
            EXPECT_LE(read.lead.most, ahead + (walkers + 1) * kBigFolder)
                << walkers << " " << ahead;
            EXPECT_GT(read.lead.takes, 6u * 5 + 40);
            EXPECT_EQ(cleaner::FolderSize(sizes.files, sizes.desktop, "C:\\", {walkers, ahead}),
                      total);
        }
}

TEST(ReadAhead, ACancelAtAnyPointStopsTheWalkersAndKeepsWhatWasFoundInOrder) {
    Search whole;
    whole.run(0, 0);  // one yield per folder entered
    for (int cancelAt = 1; cancelAt <= whole.mem.desktop.yields; cancelAt += 2) {
        Search cut;
        int yields = 0;
        cut.mem.desktop.onYield = [&] {
            if (++yields == cancelAt) cut.active = false;
        };
        cut.run(2, 16);
        EXPECT_TRUE(cut.abandoned) << cancelAt;
        // A part of the whole list, in the whole list's order.
        auto at = whole.sink.files.begin();
        for (const std::string& file : cut.sink.files) {
            at = std::find(at, whole.sink.files.end(), file);
            ASSERT_NE(at, whole.sink.files.end()) << cancelAt << " " << file;
        }
    }
}

TEST(ReadAhead, AnEmptyDriveAndAFolderGoneBeforeItsVisit) {
    for (const int walkers : {0, 2}) {
        platform::MemoryPlatform mem;
        auto services = mem.services();
        Recorder sink;
        bool active = false;
        mem.files.addFolder("D:\\");
        EXPECT_TRUE(!finder::SearchFolder(services, "D:\\", "*.tmp", active, sink, {walkers}) &&
                    sink.files.empty());
        EXPECT_EQ(mem.trace.lines, Texts{"junk search: could not list D:\\"}) << walkers;
    }
    // Listed by the walkers, then taken away by another program before the walk gets there: the
    // walk shows what was listed (a removal later finds the file gone).
    platform::MemoryPlatform mem;
    auto services = mem.services();
    mem.files.addFile("C:\\A\\Gone\\x.tmp", 3);
    mem.files.addFile("C:\\B\\z.tmp", 4);
    Recorder sink;
    bool active = false;
    mem.desktop.onYield = [&] {
        if (mem.files.exists("C:\\A\\Gone") && mem.desktop.yields == 1) {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (mem.files.enumerations < 4 && std::chrono::steady_clock::now() < until)
                std::this_thread::yield();
            mem.files.removeTree("C:\\A\\Gone");
        }
    };
    finder::SearchFolder(services, "C:\\", "*.tmp", active, sink, {2});
    EXPECT_EQ(sink.files, (Texts{"C:\\B\\z.tmp", "C:\\A\\Gone\\x.tmp"}));
    EXPECT_TRUE(mem.trace.lines.empty());
    // A folder given with its separator: the paths found have one, not two.
    Recorder under;
    finder::SearchFolder(services, "C:\\B\\", "*.tmp", active, under, {});
    EXPECT_EQ(under.files, Texts{"C:\\B\\z.tmp"});
}

}  // namespace
}  // namespace brisko::testing
