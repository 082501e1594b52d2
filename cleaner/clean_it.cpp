#include "cleaner/clean_it.h"

#include "cleaner/file_pattern.h"
#include "cleaner/reg32.h"

namespace brisko::cleaner {

namespace {

constexpr int kLastIndex = 100;

constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kDefaultRunMru =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kDefaultTypedUrls =
    ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kFavoritesOrder =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";
constexpr const char* kWinZipFileMenu = "Software\\Nico Mak Computing\\WinZip\\filemenu";
constexpr const char* kWinZipExtract = "Software\\Nico Mak Computing\\WinZip\\extract";
constexpr const char* kVbRecentFiles = "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles";
constexpr const char* kWordPadList =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List";
constexpr const char* kPaintList =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
constexpr const char* kMediaPlayerUrls = "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
constexpr const char* kNetscapeDefault = "C:\\Program Files\\Netscape\\Users\\default\\";

std::string numbered(const std::string& prefix, int index) {
    return prefix + std::to_string(index);
}

}  // namespace

void ClearStopAtGap(platform::Registry& reg, RegRoot root, const std::string& key,
                    const std::string& prefix, int first) {
    for (int i = first; i <= kLastIndex; ++i) {
        const std::string name = numbered(prefix, i);
        const std::string text = ReadRegString(reg, root, key, name);
        DeleteRegValue(reg, root, key, name);
        if (text.empty()) break;
    }
}

void ClearFirstEntry(platform::Registry& reg, RegRoot root, const std::string& key,
                     const std::string& prefix) {
    const std::string text = ReadRegString(reg, root, key, numbered(prefix, 1));
    for (int i = 1; i <= kLastIndex; ++i) {
        DeleteRegValue(reg, root, key, numbered(prefix, i));
        if (text.empty()) break;
    }
}

void ClearFullSweep(platform::Registry& reg, RegRoot root, const std::string& key,
                    const std::string& prefix) {
    for (int i = 1; i <= kLastIndex; ++i) DeleteRegValue(reg, root, key, numbered(prefix, i));
}

void ClearMruList(platform::Registry& reg, RegRoot root, const std::string& key) {
    const std::string list = ReadRegString(reg, root, key, "MRUList");
    for (char letter : list) DeleteRegValue(reg, root, key, std::string(1, letter));
    DeleteRegValue(reg, root, key, "MRUList");
}

void ClearRecentDocuments(platform::Shell& shell) {
    shell.clearRecentDocuments();
}

void ClearRunMru(platform::Registry& reg) {
    ClearMruList(reg, RegRoot::CurrentUser, kRunMru);
}

void ClearTypedUrls(platform::Registry& reg) {
    ClearStopAtGap(reg, RegRoot::CurrentUser, kTypedUrls, "url", 1);
}

void ClearDefaultTypedUrls(platform::Registry& reg) {
    ClearStopAtGap(reg, RegRoot::Users, kDefaultTypedUrls, "url", 1);
}

void ClearRunMruUrls(platform::Registry& reg) {
    ClearFullSweep(reg, RegRoot::CurrentUser, kRunMru, "url");
}

void ClearDefaultRunMruUrls(platform::Registry& reg) {
    ClearFullSweep(reg, RegRoot::Users, kDefaultRunMru, "url");
}

void EmptyRecycleBin(platform::Shell& shell, platform::WindowHandle owner) {
    shell.emptyRecycleBin(owner, platform::kRecycleNoConfirmation | platform::kRecycleNoProgressUi |
                                     platform::kRecycleNoSound);
    shell.updateRecycleBinIcon();
}

void ResetStartMenuOrder(platform::Registry& reg) {
    DeleteRegValue(reg, RegRoot::CurrentUser, std::string(kStartMenuOrderKey), "Order");
}

void ResetFavoritesOrder(platform::Registry& reg) {
    DeleteRegValue(reg, RegRoot::CurrentUser, kFavoritesOrder, "Order");
}

void ClearWinZipFileMenu(platform::Registry& reg) {
    ClearStopAtGap(reg, RegRoot::CurrentUser, kWinZipFileMenu, "filemenu", 1);
}

void ClearWinZipExtract(platform::Registry& reg) {
    ClearStopAtGap(reg, RegRoot::CurrentUser, kWinZipExtract, "extract", 1);
}

void ClearVbRecentFiles(platform::Registry& reg) {
    ClearFullSweep(reg, RegRoot::CurrentUser, kVbRecentFiles, "");
}

void ClearNetscapeTyped(platform::FileSystem& files, platform::Trace& trace) {
    DeleteFilesByPattern(files, std::string(kNetscapeDefault) + "prefs.js", trace);
    DeleteFilesByPattern(files, std::string(kNetscapeDefault) + "netscape.hst", trace);
}

void ClearNetscapeCache(platform::FileSystem& files, platform::Trace& trace) {
    DeleteFilesByPattern(files, std::string(kNetscapeDefault) + "cache\\*.*", trace);
}

void ClearWordPadList(platform::Registry& reg) {
    ClearFirstEntry(reg, RegRoot::CurrentUser, kWordPadList, "File");
}

void ClearPaintList(platform::Registry& reg) {
    ClearFirstEntry(reg, RegRoot::CurrentUser, kPaintList, "File");
}

void ClearMediaPlayerUrls(platform::Registry& reg) {
    ClearStopAtGap(reg, RegRoot::CurrentUser, kMediaPlayerUrls, "URL", 0);
}

std::string_view RoutineName(Routine routine) {
    switch (routine) {
        case Routine::ClearRecentDocuments:
            return "ClearRecentDocuments";
        case Routine::ClearRunMru:
            return "ClearRunMru";
        case Routine::ClearTypedUrls:
            return "ClearTypedUrls";
        case Routine::ClearDefaultTypedUrls:
            return "ClearDefaultTypedUrls";
        case Routine::ClearRunMruUrls:
            return "ClearRunMruUrls";
        case Routine::ClearDefaultRunMruUrls:
            return "ClearDefaultRunMruUrls";
        case Routine::EmptyRecycleBin:
            return "EmptyRecycleBin";
        case Routine::ResetStartMenuOrder:
            return "ResetStartMenuOrder";
        case Routine::ResetFavoritesOrder:
            return "ResetFavoritesOrder";
        case Routine::ClearWinZipFileMenu:
            return "ClearWinZipFileMenu";
        case Routine::ClearWinZipExtract:
            return "ClearWinZipExtract";
        case Routine::ClearVbRecentFiles:
            return "ClearVbRecentFiles";
        case Routine::ClearNetscapeTyped:
            return "ClearNetscapeTyped";
        case Routine::ClearNetscapeCache:
            return "ClearNetscapeCache";
        case Routine::ClearWordPadList:
            return "ClearWordPadList";
        case Routine::ClearPaintList:
            return "ClearPaintList";
        case Routine::ClearMediaPlayerUrls:
            return "ClearMediaPlayerUrls";
    }
    return "";
}

void RunRoutine(Routine routine, platform::Services& services, platform::WindowHandle owner) {
    auto& reg = services.registry;
    switch (routine) {
        case Routine::ClearRecentDocuments:
            return ClearRecentDocuments(services.shell);
        case Routine::ClearRunMru:
            return ClearRunMru(reg);
        case Routine::ClearTypedUrls:
            return ClearTypedUrls(reg);
        case Routine::ClearDefaultTypedUrls:
            return ClearDefaultTypedUrls(reg);
        case Routine::ClearRunMruUrls:
            return ClearRunMruUrls(reg);
        case Routine::ClearDefaultRunMruUrls:
            return ClearDefaultRunMruUrls(reg);
        case Routine::EmptyRecycleBin:
            return EmptyRecycleBin(services.shell, owner);
        case Routine::ResetStartMenuOrder:
            return ResetStartMenuOrder(reg);
        case Routine::ResetFavoritesOrder:
            return ResetFavoritesOrder(reg);
        case Routine::ClearWinZipFileMenu:
            return ClearWinZipFileMenu(reg);
        case Routine::ClearWinZipExtract:
            return ClearWinZipExtract(reg);
        case Routine::ClearVbRecentFiles:
            return ClearVbRecentFiles(reg);
        case Routine::ClearNetscapeTyped:
            return ClearNetscapeTyped(services.files, services.trace);
        case Routine::ClearNetscapeCache:
            return ClearNetscapeCache(services.files, services.trace);
        case Routine::ClearWordPadList:
            return ClearWordPadList(reg);
        case Routine::ClearPaintList:
            return ClearPaintList(reg);
        case Routine::ClearMediaPlayerUrls:
            return ClearMediaPlayerUrls(reg);
    }
}

}  // namespace brisko::cleaner
