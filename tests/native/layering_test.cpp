// Every include points down. The table below says which folders each folder may include; the
// test reads every source file of the tree and names file and line of any include outside it.
// Windows headers (and any header that is not the standard library's) appear only where the
// Win32 API is meant to be: the real platform, the views, the tools, the Windows tests and the
// benchmarks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
    std::string folder;               // relative to the root; "platform" means its own files only
    std::vector<std::string> mayUse;  // folders whose headers it may include, itself included
    bool systemHeaders = false;       // may include headers beyond the standard library's
};

// Bottom to top. A folder that is not listed (tests/, bench/) may include anything.
const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = {
        {"platform", {"platform"}},
        {"platform/memory", {"platform", "platform/memory"}},
        {"platform/win32", {"platform", "platform/win32"}, true},
        {"controls", {"platform", "controls"}},
        {"cleaner", {"platform", "controls", "cleaner"}},
        // A window may open a window of its own level or below.
        {"filetypes", {"platform", "controls", "cleaner", "filetypes", "cookies", "finder"}},
        {"cookies", {"platform", "controls", "cleaner", "filetypes", "cookies", "finder"}},
        {"finder", {"platform", "controls", "cleaner", "filetypes", "cookies", "finder"}},
        {"app", {"platform", "controls", "cleaner", "filetypes", "cookies", "finder", "app"}},
        {"views",
         {"platform", "platform/win32", "controls", "cleaner", "filetypes", "cookies", "finder",
          "app", "views"},
         true},
        // The tools stand alone; they may share the header-only rules of the interfaces.
        {"tools", {"platform", "tools"}, true},
    };
    return layers;
}

// The folder of a path relative to the root, as the table names folders: platform's own files
// are "platform", its implementations "platform/memory" and "platform/win32".
std::string FolderOf(const std::string& relative) {
    const auto slash = relative.find('/');
    if (slash == std::string::npos) return "";
    const std::string top = relative.substr(0, slash);
    if (top == "platform") {
        const auto next = relative.find('/', slash + 1);
        if (next != std::string::npos) return relative.substr(0, next);
    }
    return top;
}

const Layer* LayerOf(const std::string& relative) {
    const std::string folder = FolderOf(relative);
    for (const Layer& layer : Layers())
        if (layer.folder == folder) return &layer;
    return nullptr;
}

bool IsStandardHeader(const std::string& name) {
    static const std::string headers =
        " algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono"
        " climits cmath compare concepts cstddef cstdint cstdio cstdlib cstring ctime cwchar"
        " cwctype deque exception filesystem format fstream functional initializer_list iomanip"
        " ios iosfwd iostream istream iterator limits list locale map memory mutex new numeric"
        " optional ostream queue random ranges ratio regex set span sstream stack stdexcept"
        " string string_view system_error tuple type_traits typeinfo unordered_map unordered_set"
        " utility variant vector version ";
    return headers.find(" " + name + " ") != std::string::npos;
}

struct Include {
    std::string file;
    int line;
    bool angled;
    std::string target;
};

std::vector<Include> IncludesOf(const fs::path& root, const fs::path& file) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    const std::string relative = fs::relative(file, root).generic_string();
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch m;
        if (std::regex_search(text, m, include))
            found.push_back({relative, line, m[1] == "<", m[2]});
    }
    return found;
}

// What is wrong with one include, or "" when it points down.
std::string Violation(const Include& inc) {
    const Layer* layer = LayerOf(inc.file);
    if (!layer) return "";
    if (inc.angled) {
        if (layer->systemHeaders || IsStandardHeader(inc.target)) return "";
        return "includes <" + inc.target + ">, but " + layer->folder +
               "/ uses the standard library only";
    }
    const std::string target = FolderOf(inc.target);
    const auto& may = layer->mayUse;
    if (std::find(may.begin(), may.end(), target) != may.end()) return "";
    return "includes \"" + inc.target + "\", but " + layer->folder + "/ may include only " + [&] {
        std::string list;
        for (const auto& f : may) list += (list.empty() ? "" : ", ") + f + "/";
        return list;
    }();
}

std::vector<Include> EveryInclude(const fs::path& root) {
    std::vector<Include> all;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name.starts_with("build") || name.starts_with("."))) {
            it.disable_recursion_pending();
            continue;
        }
        const std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".cpp" || ext == ".h")) {
            auto found = IncludesOf(root, it->path());
            all.insert(all.end(), found.begin(), found.end());
        }
    }
    return all;
}

TEST(Layering, EveryIncludePointsDown) {
    const fs::path root = BRISKO_SOURCE_DIR;
    const auto includes = EveryInclude(root);
    // The tree was really read: the logic and the views are there.
    ASSERT_GT(includes.size(), 100u);
    for (const Include& inc : includes) {
        const std::string why = Violation(inc);
        EXPECT_TRUE(why.empty()) << inc.file << ":" << inc.line << ": " << why;
    }
}

TEST(Layering, TheRuleCatchesUpwardIncludesAndSystemHeaders) {
    struct Case {
        const char *file, *target;
        bool angled, wrong;
    };
    // Upward and system includes are caught; down, sideways within the subsystems and Windows
    // headers where they belong are allowed.
    // clang-format off
    const Case cases[] = {
        {"cleaner/clean_run.cpp", "app/form1.h", false, true},
        {"controls/form.h", "cleaner/catalogue.h", false, true},
        {"platform/filesystem.h", "platform/memory/memory_filesystem.h", false, true},
        {"platform/win32/win32_shell.cpp", "views/binding.h", false, true},
        {"app/form1.cpp", "platform/win32/win32_platform.h", false, true},
        {"app/form1.cpp", "views/binding.h", false, true},
        {"cookies/frm_cookies.cpp", "app/form1.h", false, true},
        {"cleaner/numbers.cpp", "windows.h", true, true},
        {"tools/deltree/deltree.cpp", "cleaner/wildcard.h", false, true},
        {"finder/win_seek.cpp", "filetypes/extens.h", false, false},
        {"app/form1.cpp", "cookies/frm_cookies.h", false, false},
        {"views/winmain.cpp", "platform/win32/win32_platform.h", false, false},
        {"views/winmain.cpp", "windows.h", true, false},
        {"platform/win32/win32_shell.cpp", "shellapi.h", true, false},
        {"tests/native/any_test.cpp", "views/binding.h", false, false}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(!Violation({c.file, 1, c.angled, c.target}).empty(), c.wrong)
            << c.file << " " << c.target;
}

}  // namespace
