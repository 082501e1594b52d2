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
    // The innermost held folder's path within its volume as the system resolves it, read once
    // per folder.
    const std::wstring& nameOnVolume();

  private:
    struct Folder {
        std::wstring path;
        UniqueFile handle;
        std::wstring nameOnVolume;
    };
    Outcome open(std::wstring path);

    std::vector<Folder> folders_;  // the root first
    std::optional<DWORD> serial_;
};

// The path of an open file or folder within its volume as the system resolves it ("\a\b" for
// C:\a\b); "" when it cannot be read. Not cut at MAX_PATH, as the final path is under Wine.
std::wstring NameOnVolume(HANDLE handle);

}  // namespace brisko::win32
