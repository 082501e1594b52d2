#pragma once
// The routines that erase one track item each. None reports anything: a missing key, value or
// file leaves things as they were and the routine goes on with its next step.
#include <string>
#include <string_view>

#include "platform/services.h"

namespace brisko::cleaner {

using platform::RegRoot;

// The Start menu's saved order; both its reset routine and the catalogue's value row use it.
inline constexpr std::string_view kStartMenuOrderKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start "
    "Menu\\&Programs\\Menu";

// The list rules. Value names are the prefix followed by the index in decimal digits.
// Stop-at-gap: read and delete each name from `first` to 100; stop after the first one that
// read as empty (missing, empty or not a string).
void ClearStopAtGap(platform::Registry& reg, RegRoot root, const std::string& key,
                    const std::string& prefix, int first);
// First-entry: read prefix+"1" once; when it is empty only prefix+"1" is deleted, otherwise
// every name from 1 to 100.
void ClearFirstEntry(platform::Registry& reg, RegRoot root, const std::string& key,
                     const std::string& prefix);
// Full sweep: delete every name from 1 to 100.
void ClearFullSweep(platform::Registry& reg, RegRoot root, const std::string& key,
                    const std::string& prefix);
// Deletes each one-character value named in "MRUList" (every character, repeats too), then
// "MRUList" itself.
void ClearMruList(platform::Registry& reg, RegRoot root, const std::string& key);

// The item routines.
void ClearRecentDocuments(platform::Shell& shell);
void ClearRunMru(platform::Registry& reg);
void ClearTypedUrls(platform::Registry& reg);
void ClearDefaultTypedUrls(platform::Registry& reg);  // the same list in the ".DEFAULT" hive
void ClearRunMruUrls(platform::Registry& reg);
void ClearDefaultRunMruUrls(platform::Registry& reg);
void EmptyRecycleBin(platform::Shell& shell, platform::WindowHandle owner);
void ResetStartMenuOrder(platform::Registry& reg);
void ResetFavoritesOrder(platform::Registry& reg);
void ClearWinZipFileMenu(platform::Registry& reg);
void ClearWinZipExtract(platform::Registry& reg);
void ClearVbRecentFiles(platform::Registry& reg);
void ClearNetscapeTyped(platform::FileSystem& files, platform::Trace& trace);
void ClearNetscapeCache(platform::FileSystem& files, platform::Trace& trace);
void ClearWordPadList(platform::Registry& reg);
void ClearPaintList(platform::Registry& reg);
void ClearMediaPlayerUrls(platform::Registry& reg);

enum class Routine {
    ClearRecentDocuments,
    ClearRunMru,
    ClearTypedUrls,
    ClearDefaultTypedUrls,
    ClearRunMruUrls,
    ClearDefaultRunMruUrls,
    EmptyRecycleBin,
    ResetStartMenuOrder,
    ResetFavoritesOrder,
    ClearWinZipFileMenu,
    ClearWinZipExtract,
    ClearVbRecentFiles,
    ClearNetscapeTyped,
    ClearNetscapeCache,
    ClearWordPadList,
    ClearPaintList,
    ClearMediaPlayerUrls,
};

std::string_view RoutineName(Routine routine);
// Runs one routine; `owner` is the main window, for the Recycle Bin.
void RunRoutine(Routine routine, platform::Services& services, platform::WindowHandle owner);

}  // namespace brisko::cleaner
