// Every include points down; headers beyond the standard library only where Win32 belongs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
    std::string folder;  // relative to the root; "platform" means its own files only
    std::string mayUse;  // folders whose headers it may include, itself included
    bool systemHeaders = false;
};

// Bottom to top; a window may open a window of its own level or below; the tools stand alone
// but may share the interfaces' header-only rules and pieces of the Win32 platform. A folder not
// listed (tests/, bench/) may include anything.
const Layer kLayers[] = {
    {"platform", " platform "},
    {"platform/memory", " platform platform/memory "},
    {"platform/win32", " platform platform/win32 ", true},
    {"controls", " platform controls "},
    {"cleaner", " platform controls cleaner "},
    {"filetypes", " platform controls cleaner filetypes cookies finder "},
    {"cookies", " platform controls cleaner filetypes cookies finder "},
    {"finder", " platform controls cleaner filetypes cookies finder "},
    {"app", " platform controls cleaner filetypes cookies finder app "},
    {"views", " platform platform/win32 controls cleaner filetypes cookies finder app views ",
     true},
    {"tools", " platform platform/win32 tools ", true}};

// The folder of a relative path as the table names it (platform/memory, platform/win32).
std::string FolderOf(const std::string& relative) {
    const auto slash = relative.find('/');
    if (slash == std::string::npos) return "";
    const auto next = relative.find('/', slash + 1);
    if (relative.starts_with("platform/") && next != std::string::npos)
        return relative.substr(0, next);
    return relative.substr(0, slash);
}

bool Listed(const std::string& list, const std::string& name) {
    return list.find(" " + name + " ") != std::string::npos;
}

struct Include {
    std::string file;
    int line;
    bool angled;
    std::string target;
};

// What is wrong with one include, or "" when it points down.
std::string Violation(const Include& inc) {
    for (const Layer& layer : kLayers) {
        if (layer.folder != FolderOf(inc.file)) continue;
        if (inc.angled)
            return layer.systemHeaders || inc.target.find_first_of("./") == std::string::npos
                       ? ""
                       : "includes <" + inc.target + ">, but " + layer.folder +
                             "/ uses the standard library only";
        return Listed(layer.mayUse, FolderOf(inc.target))
                   ? ""
                   : "includes \"" + inc.target + "\", but " + layer.folder + "/ may include only" +
                         layer.mayUse;
    }
    return "";
}

TEST(Layering, EveryIncludePointsDownAndTheRuleCatchesTheOnesThatDoNot) {
    const fs::path root = BRISKO_SOURCE_DIR;
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    int includes = 0;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name.starts_with("build") || name.starts_with(".")))
            it.disable_recursion_pending();
        const std::string ext = it->path().extension().string();
        if (!it->is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(it->path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (!std::regex_search(text, m, include)) continue;
            ++includes;
            const Include inc{fs::relative(it->path(), root).generic_string(), line, m[1] == "<",
                              m[2]};
            const std::string why = Violation(inc);
            EXPECT_TRUE(why.empty()) << inc.file << ":" << inc.line << ": " << why;
        }
    }
    EXPECT_GT(includes, 100);  // the tree was really read: the logic and the views are there
    // The rule itself: upward and system includes are caught, downward and sideways ones not.
    const std::tuple<const char*, const char*, bool, bool> cases[] = {
        {"cleaner/clean_run.cpp", "app/form1.h", false, true},
        {"cookies/frm_cookies.cpp", "app/form1.h", false, true},
        {"controls/form.h", "cleaner/catalogue.h", false, true},
        {"cleaner/numbers.cpp", "windows.h", true, true},
        {"views/winmain.cpp", "windows.h", true, false},
        {"platform/filesystem.h", "platform/memory/memory_filesystem.h", false, true},
        {"platform/win32/win32_shell.cpp", "views/binding.h", false, true},
        {"app/form1.cpp", "platform/win32/win32_platform.h", false, true},
        {"tools/deltree/deltree.cpp", "cleaner/wildcard.h", false, true},
        {"finder/win_seek.cpp", "filetypes/extens.h", false, false},
        {"views/winmain.cpp", "platform/win32/win32_platform.h", false, false},
        {"tests/native/any_test.cpp", "views/binding.h", false, false}};
    for (auto [file, target, angled, wrong] : cases)
        EXPECT_EQ(!Violation({file, 1, angled, target}).empty(), wrong) << file << " " << target;
}

}  // namespace
