#include "cleaner/user_folders.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "cleaner/get_win_dir_size.h"

namespace brisko::cleaner {

namespace {

// A folder of a layout: under the Windows folder (W) or its drive (D), and the index file below
// it.
struct LayoutFolder {
    enum class Base { WindowsDir, Drive } base;
    std::string_view rest;
    std::string_view index;
};
using B = LayoutFolder::Base;

struct LayoutRow {
    Folder folder;
    LayoutFolder nine, nt;
};

// Only where the shell names no folder. The NT layout names the Administrator's profile, the
// one such systems were set up with.
constexpr LayoutRow kLayouts[] = {
    {Folder::Cookies,
     {B::WindowsDir, "\\Cookies\\", "index.dat"},
     {B::Drive, "\\Documents and Settings\\Administrator\\Cookies\\", "index.dat"}},
    {Folder::IeCache,
     {B::WindowsDir, "\\Temporary Internet Files\\", "Content.IE5\\index.dat"},
     {B::Drive,
      "\\Documents and Settings\\Administrator\\Local Settings\\Temporary Internet Files\\",
      "Content.IE5\\index.dat"}},
    {Folder::History,
     {B::WindowsDir, "\\History\\", "History.IE5\\index.dat"},
     {B::Drive, "\\Documents and Settings\\Administrator\\Local Settings\\History\\", "index.dat"}},
};

std::string Folded(const std::string& path) {
    std::string folded = AddBackslash(path);
    for (char& c : folded) {
        if (c == '/') c = '\\';
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return folded;
}

bool IsAbsolute(const std::string& folded) {
    return (folded.size() >= 3 && folded[1] == ':' && folded[2] == '\\') ||
           folded.starts_with("\\\\");
}

// "C:\" or "\\server\share\".
bool IsRoot(const std::string& folded) {
    if (folded.size() == 3 && folded[1] == ':') return true;
    if (!folded.starts_with("\\\\")) return false;
    return std::count(folded.begin() + 2, folded.end(), '\\') <= 2;
}

const std::optional<std::string>& ShellFolder(Folder folder, const Where& where) {
    static const std::optional<std::string> none;
    switch (folder) {
        case Folder::Cookies:
            return where.cookies;
        case Folder::IeCache:
            return where.cache;
        case Folder::History:
            return where.history;
        case Folder::Temp:
            break;
    }
    return none;
}

// Where emptying would reach far beyond a folder of traces.
bool IsForbidden(const std::string& folder, const Where& where) {
    const std::string folded = Folded(folder);
    if (!IsAbsolute(folded) || IsRoot(folded)) return true;
    if (!where.windowsDir.empty() && IsSameOrInside(where.windowsDir, folder)) return true;
    return where.profile && IsSameOrInside(*where.profile, folder);
}

std::vector<ItemFolder> BrowserFolders(Folder folder, const Where& where) {
    const LayoutRow* row = nullptr;
    for (const LayoutRow& r : kLayouts)
        if (r.folder == folder) row = &r;
    if (!row) return {};
    if (const auto& named = ShellFolder(folder, where))
        return {{AddBackslash(*named), std::string(row->nine.index)}};
    if (where.kind == SystemKind::Neither) return {};
    const LayoutFolder& layout = where.kind == SystemKind::Nine ? row->nine : row->nt;
    const std::string folderPath =
        (layout.base == B::WindowsDir ? where.windowsDir : where.drive) + std::string(layout.rest);
    return {{folderPath, std::string(layout.index)}};
}

bool UserTempIsOwn(const std::string& temp, const std::string& windowsTemp, const Where& where) {
    if (IsSameOrInside(temp, windowsTemp)) return false;
    for (Folder other : {Folder::Cookies, Folder::IeCache, Folder::History})
        for (const ItemFolder& f : BrowserFolders(other, where))
            if (IsSameOrInside(temp, f.folder) || IsSameOrInside(f.folder, temp)) return false;
    return true;
}

}  // namespace

SystemKind SystemKindOf(const std::string& winder) {
    std::string upper = winder;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "WINDOWS") return SystemKind::Nine;
    if (upper == "WINNT") return SystemKind::Nt;
    return SystemKind::Neither;
}

bool IsSameOrInside(const std::string& inner, const std::string& outer) {
    return Folded(inner).starts_with(Folded(outer));
}

std::vector<ItemFolder> FoldersOf(Folder folder, const Where& where) {
    std::vector<ItemFolder> folders;
    if (folder == Folder::Temp) {
        const std::string windowsTemp = where.windowsDir + "\\Temp\\";
        folders.push_back({windowsTemp, ""});
        if (where.userTemp && UserTempIsOwn(*where.userTemp, windowsTemp, where))
            folders.push_back({AddBackslash(*where.userTemp), ""});
    } else {
        folders = BrowserFolders(folder, where);
    }
    std::erase_if(folders, [&](const ItemFolder& f) { return IsForbidden(f.folder, where); });
    return folders;
}

Where ReadWhere(platform::Services& services, const std::string& winder, const std::string& drive) {
    Where where;
    where.kind = SystemKindOf(winder);
    where.windowsDir = GetWinDir(services.files);
    where.drive = drive;
    where.cache = services.shell.userFolder(platform::UserFolder::InternetCache);
    where.cookies = services.shell.userFolder(platform::UserFolder::Cookies);
    where.history = services.shell.userFolder(platform::UserFolder::History);
    where.profile = services.processes.environment("USERPROFILE");
    if (where.profile && where.profile->empty()) where.profile.reset();
    where.userTemp = services.processes.tempFolder();
    // The same folder under another name (a link, a short name) is the Windows Temp folder too.
    if (where.userTemp) {
        const auto own = services.files.directoryId(*where.userTemp);
        if (own && own == services.files.directoryId(where.windowsDir + "\\Temp"))
            where.userTemp.reset();
    }
    return where;
}

}  // namespace brisko::cleaner
