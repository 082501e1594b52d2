#pragma once
// The folders of a path held open from the drive root down, each checked not to be a link, so
// that what lies below them is reached through no link, and nothing renames or replaces them
// while they are held (they are opened for listing without FILE_SHARE_DELETE: Windows and Wine
// refuse other processes a rename or a removal then). Consecutive paths keep what they share.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace brisko::win32 {

class HeldPath {
  public:
    enum class State {
        Held,      // every folder is held, none is a link
        Missing,   // a folder is not there (or is no folder)
        Link,      // a folder is a link
        Unusable,  // a folder cannot be opened or read (in use, access denied)
    };
    struct Outcome {
        State state = State::Held;
        std::wstring at;  // the folder where the walk stopped
        DWORD error = 0;  // for Unusable
    };

    // Holds `root` ("\\?\C:\") and each folder `names` leads to below it, releasing what the
    // previous path held beyond the part both share.
    Outcome hold(const std::wstring& root, const std::vector<std::wstring>& names);
    // The serial of the held root's volume, read once per root.
    std::optional<DWORD> serial();
    // The path the system resolves the innermost held folder to, read once per folder.
    const std::wstring& finalPath();

  private:
    struct Folder {
        std::wstring path;
        UniqueFile handle;
        std::wstring finalPath;
    };
    Outcome open(std::wstring path);

    std::vector<Folder> folders_;  // the root first
    std::optional<DWORD> serial_;
};

// The path the system resolves an open file or folder to ("\\?\C:\a\b"); "" when it cannot be
// read.
std::wstring FinalPath(HANDLE handle);

}  // namespace brisko::win32
