#include "cleaner/catalogue.h"

namespace brisko::cleaner {

namespace {

using platform::RegRoot;

EraseAction action(ActionKind kind) {
    EraseAction a;
    a.kind = kind;
    return a;
}
EraseAction routine(Routine r) {
    EraseAction a = action(ActionKind::Routine);
    a.routine = r;
    return a;
}
EraseAction removal(Folder f) {
    EraseAction a = action(ActionKind::ShellRemoval);
    a.folder = f;
    return a;
}
EraseAction values(RegRoot root, std::vector<ValueRow> rows) {
    EraseAction a = action(ActionKind::RegistryValues);
    a.root = root;
    a.rows = std::move(rows);
    return a;
}
EraseAction office(std::vector<ValueRow> rows) {
    EraseAction a = action(ActionKind::OfficeValues);
    a.rows = std::move(rows);
    return a;
}
EraseAction files(std::string_view pattern) {
    EraseAction a = action(ActionKind::FilePattern);
    a.pattern = pattern;
    return a;
}

Step step(Step::Kind kind) {
    Step s;
    s.kind = kind;
    return s;
}

constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr Group Win = Group::Windows;
constexpr Group Prog = Group::Programs;

constexpr std::string_view kOfficeVersions[] = {"8.0", "9.0", "10.0"};
constexpr std::string_view kOffice = "Software\\Microsoft\\Office\\";

}  // namespace

const std::vector<TrackItem>& Catalogue() {
    static const std::vector<TrackItem> items = {
        {1,
         "chkDocuments",
         "Recent Documents List",
         Win,
         false,
         {routine(Routine::ClearRecentDocuments)}},
        {2,
         "chkRunMenu",
         "Recent Items From Run Menu",
         Win,
         false,
         {routine(Routine::ClearRunMru)}},
        {3,
         "chkUrls",
         "Internet Typed Web Address",
         Win,
         false,
         {routine(Routine::ClearTypedUrls), routine(Routine::ClearDefaultTypedUrls),
          routine(Routine::ClearRunMruUrls), routine(Routine::ClearDefaultRunMruUrls)}},
        {4, "chkTemp", "Temp Folder", Win, true, {removal(Folder::Temp)}},
        {5, "chkCookies", "All Cookies", Win, true, {removal(Folder::Cookies)}},
        {6, "chIECache", "Temporary Internet Files", Win, true, {removal(Folder::IeCache)}},
        {7, "chkHistory", "History", Win, true, {removal(Folder::History)}},
        {8,
         "chkWord",
         "Word",
         Prog,
         false,
         {office({
             {"\\Common\\Open Find\\Microsoft Word\\Settings\\Insert Picture\\File Name MRU",
              {"Value"}},
             {"\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU", {"Value"}},
             {"\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU", {"Value"}},
             {"\\Word\\Data", {"Settings"}},
         })}},
        {9,
         "chkExcel",
         "Excel",
         Prog,
         false,
         {office({
             {"\\Common\\Open Find\\Microsoft Excel\\Settings\\Open\\File Name MRU", {"Value"}},
             {"\\Common\\Open Find\\Microsoft Excel\\Settings\\Save As\\File Name MRU", {"Value"}},
             {"\\Excel\\Recent Files", {"File1", "File2", "File3", "File4", "File5"}},
             {"\\Excel\\Recent File List", {"File1", "File2", "File3", "File4", "File5"}},
         })}},
        {10,
         "chkAccess",
         "Access",
         Prog,
         false,
         {office({
             {"\\Access\\Settings",
              {"MRU1", "MRU2", "MRU3", "MRU4", "MRUFlags1", "MRUFlags2", "MRUFlags3", "MRUFlags4"}},
             {"\\Common\\Open Find\\Microsoft Access\\Settings\\Open\\File Name MRU", {"Value"}},
             {"\\Common\\Open Find\\Microsoft Access\\Settings\\Save As\\File Name MRU", {"Value"}},
         })}},
        {11,
         "chkPowerPoint",
         "PowerPoint",
         Prog,
         false,
         {office({
             {"\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Open\\File Name MRU",
              {"Value"}},
             {"\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save As\\File Name MRU",
              {"Value"}},
             {"\\PowerPoint\\Recent File List", {"File1", "File2", "File3", "File4", "File5"}},
         })}},
        {12, "chkRecBin", "Empty the Recycle Bin", Win, true, {routine(Routine::EmptyRecycleBin)}},
        {13,
         "chkMenu",
         "Alphabetize Menu",
         Win,
         false,
         {routine(Routine::ResetStartMenuOrder), values(HKCU, {{kStartMenuOrderKey, {"Order"}}})}},
        {14,
         "chkFav",
         "Alphabetize Favorites",
         Win,
         false,
         {routine(Routine::ResetFavoritesOrder)}},
        {15, "chkWzip1", "WinZip File", Prog, false, {routine(Routine::ClearWinZipFileMenu)}},
        {16, "chkWzip2", "WinZip Extract", Prog, false, {routine(Routine::ClearWinZipExtract)}},
        {17, "chkVb", "Select All", Prog, false, {routine(Routine::ClearVbRecentFiles)}},
        {18, "NetScape1", "Netscape Typed", Prog, true, {routine(Routine::ClearNetscapeTyped)}},
        {19, "netscape2", "Netscape Cache", Prog, true, {routine(Routine::ClearNetscapeCache)}},
        // Only the cookie file: the profile's other files are the user's data.
        {20,
         "netscape3",
         "Netscape Cookies",
         Prog,
         true,
         {files("C:\\Program Files\\Netscape\\Users\\user\\cookies.txt")}},
        {21, "chkWordPad", "Word Pad", Prog, false, {routine(Routine::ClearWordPadList)}},
        {22, "chkPbrush", "Paint", Prog, false, {routine(Routine::ClearPaintList)}},
        {23,
         "chkMediaPlayer",
         "Media Player",
         Prog,
         false,
         {values(HKCU, {{"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList",
                         {"File0", "File1", "File2", "File3", "File4", "File5"}}}),
          routine(Routine::ClearMediaPlayerUrls)}},
    };
    return items;
}

std::vector<Step> Steps(const TrackItem& item, const Where& where) {
    std::vector<Step> steps;
    auto deleteValue = [&](RegRoot root, std::string key, std::string_view name) {
        Step s = step(Step::Kind::DeleteValue);
        s.root = root;
        s.key = std::move(key);
        s.name = std::string(name);
        steps.push_back(std::move(s));
    };
    auto withPath = [&](Step::Kind kind, std::string path) {
        Step s = step(kind);
        s.path = std::move(path);
        steps.push_back(std::move(s));
    };
    for (const auto& action : item.actions) {
        switch (action.kind) {
            case ActionKind::RegistryValues:
                for (const auto& row : action.rows)
                    for (auto name : row.names)
                        deleteValue(action.root, std::string(row.key), name);
                break;
            case ActionKind::OfficeValues:
                for (auto version : kOfficeVersions)
                    for (const auto& row : action.rows)
                        for (auto name : row.names)
                            deleteValue(
                                HKCU,
                                std::string(kOffice) + std::string(version) + std::string(row.key),
                                name);
                break;
            case ActionKind::Routine: {
                Step s = step(Step::Kind::Routine);
                s.routine = action.routine;
                steps.push_back(std::move(s));
                break;
            }
            case ActionKind::ShellRemoval:
                if (where.kind == SystemKind::Neither) break;
                for (auto& folder : FoldersOf(action.folder, where))
                    withPath(Step::Kind::RemoveTree, std::move(folder.folder));
                break;
            case ActionKind::FilePattern:
                withPath(Step::Kind::DeleteFiles, std::string(action.pattern));
                break;
        }
    }
    return steps;
}

}  // namespace brisko::cleaner
