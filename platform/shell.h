#pragma once
// Shell services: recent documents, Recycle Bin, opening documents, deleting to the bin, and the
// current user's own folders.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisko::platform {

using WindowHandle = std::uintptr_t;  // the view's native window, 0 for none

constexpr unsigned kRecycleNoConfirmation = 1;
constexpr unsigned kRecycleNoProgressUi = 2;
constexpr unsigned kRecycleNoSound = 4;
constexpr unsigned kFofAllowUndo = 0x40;

// The browser's folders of the current user, as the shell names them.
enum class UserFolder { InternetCache, Cookies, History };

class Shell {
  public:
    virtual ~Shell() = default;
    virtual void clearRecentDocuments() = 0;  // SHAddToRecentDocs with a null pointer
    virtual long emptyRecycleBin(WindowHandle owner, unsigned flags) = 0;
    virtual void updateRecycleBinIcon() = 0;
    // The bytes in the Recycle Bins of all drives; nullopt when the shell cannot tell.
    virtual std::optional<std::uint64_t> recycleBinBytes() = 0;
    // The folder's full path without trailing backslash; nullopt where the shell names none.
    virtual std::optional<std::string> userFolder(UserFolder folder) = 0;
    virtual long open(WindowHandle owner, const std::string& operation, const std::string& file,
                      const std::string& parameters, int showCommand) = 0;
    // FO_DELETE of the given paths with the given flags; returns the shell's result.
    virtual int deleteFiles(WindowHandle owner, const std::vector<std::string>& paths,
                            unsigned flags) = 0;
};

}  // namespace brisko::platform
