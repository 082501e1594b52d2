// Removing the files a listing found, and only those: each reached through no link, checked to be
// the very file found, and deleted through the handle that was checked.
#include <windows.h>
#include <winternl.h>

#include "platform/exact_path.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_held_path.h"
#include "platform/win32/win32_path.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

using platform::Removal;
using platform::RemovalResult;

// Declared by the headers only for Windows 10 and later; older systems and Wine refuse the class.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1;
constexpr DWORD kDispositionPosixSemantics = 0x2;
struct DispositionEx {
    DWORD flags;
};

bool UnderWine() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

Removal Refused(std::string reason) {
    return {RemovalResult::Refused, 0, std::move(reason)};
}

Removal Refused(const std::string& what, DWORD error) {
    return Refused(what + " (error " + std::to_string(error) + ")");
}

bool NotThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The file's index on its volume, as listings give it. Asked of the file system alone: the
// Win32 query also reads the volume's serial, which costs milliseconds under Wine.
std::optional<std::uint64_t> IndexOf(HANDLE file) {
    FILE_INTERNAL_INFORMATION info{};
    IO_STATUS_BLOCK status{};
    if (NtQueryInformationFile(file, &status, &info, sizeof info,
                               static_cast<FILE_INFORMATION_CLASS>(FileInternalInformation)) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.IndexNumber.QuadPart);
}

// Under Wine a link to a file made on the Linux side opens as its target, without the reparse
// attribute and with the target's index, and deleting it deletes the target. It is known by
// resolving elsewhere than its folder followed by its name. Wine drops the trailing dots and
// spaces of some names it resolves (a folder's, not always its files'), so both are compared
// without them.
bool ResolvesInside(HANDLE file, std::wstring folder, const std::wstring& name) {
    const std::wstring resolved = NameOnVolume(file);
    if (resolved.empty() || folder.empty()) return false;
    if (folder.back() != L'\\') folder += L'\\';
    const std::wstring a = platform::WithoutTrailingDotsAndSpaces(resolved);
    const std::wstring b = platform::WithoutTrailingDotsAndSpaces(folder + name);
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// POSIX semantics take the name away at once, even while others hold the file open; Windows
// before 10 and Wine know only the classic disposition. A read-only file is refused by both.
bool DeleteThrough(HANDLE file) {
    DispositionEx posix{kDispositionDelete | kDispositionPosixSemantics};
    if (SetFileInformationByHandle(file, kFileDispositionInfoEx, &posix, sizeof posix)) return true;
    const DWORD error = GetLastError();
    if (error != ERROR_INVALID_PARAMETER && error != ERROR_INVALID_FUNCTION &&
        error != ERROR_NOT_SUPPORTED)
        return false;
    FILE_DISPOSITION_INFO classic{TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &classic, sizeof classic) != 0;
}

Removal Stopped(const HeldPath::Outcome& outcome) {
    const std::string at = Utf8(platform::ReadableForm(outcome.at));
    switch (outcome.state) {
        case HeldPath::State::Missing:
            return {RemovalResult::Gone, 0, {}};
        case HeldPath::State::Link:
            return Refused("a folder on its path is a link: " + at);
        default:
            return Refused("a folder on its path cannot be held: " + at, outcome.error);
    }
}

// One batch: consecutive files in the same folders keep them held.
class Remover {
  public:
    explicit Remover(const platform::MoveAway* moveAway) : moveAway_(moveAway) {}

    Removal remove(const platform::FoundFile& found) {
        if (found.id.index == 0) return Refused("its identity was never read");
        const auto exact = platform::ExtendedForm(FilePath(found.path));
        auto parts = exact ? platform::SplitExact(*exact) : std::nullopt;
        if (!parts || parts->names.empty()) return Refused("not a file's path");
        const std::wstring name = std::move(parts->names.back());
        parts->names.pop_back();
        if (const auto outcome = held_.hold(parts->root, parts->names);
            outcome.state != HeldPath::State::Held)
            return Stopped(outcome);

        UniqueFile file(CreateFileW(
            exact->c_str(), DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!file) {
            const DWORD error = GetLastError();
            if (NotThere(error)) return {RemovalResult::Gone, 0, {}};
            return Refused("it cannot be opened for deletion", error);
        }
        FILE_ATTRIBUTE_TAG_INFO tag{};
        FILE_STANDARD_INFO standard{};
        if (!GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &tag, sizeof tag) ||
            !GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard))
            return Refused("its attributes cannot be read", GetLastError());
        if ((tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            platform::IsLink(tag.FileAttributes, tag.ReparseTag))
            return Refused("a folder or a link is in its place");
        // The index tells files apart for as long as they exist. NTFS adds a sequence number,
        // so a file made later in the place of one deleted has another; FAT, and Linux under
        // Wine, may give it the freed index again.
        const auto index = IndexOf(file.get());
        const auto serial = held_.serial();
        if (!index || !serial || platform::FileId{*serial, *index} != found.id)
            return Refused("another file is in its place");
        if (UnderWine() && !ResolvesInside(file.get(), held_.nameOnVolume(), name))
            return Refused("it is a link to another file");
        const Removal removed{
            RemovalResult::Removed, static_cast<std::uint64_t>(standard.EndOfFile.QuadPart), {}};

        if (moveAway_) {
            // The shell opens the file itself: it is let go, its folders stay held.
            file.reset();
            (*moveAway_)(found.path);
            if (GetFileAttributesW(exact->c_str()) == INVALID_FILE_ATTRIBUTES &&
                NotThere(GetLastError()))
                return removed;
            return Refused("it was not moved away");
        }
        if (!DeleteThrough(file.get())) return Refused("it cannot be deleted", GetLastError());
        return removed;  // gone when the handle closes, at the end of this scope
    }

  private:
    const platform::MoveAway* moveAway_;
    HeldPath held_;
};

std::vector<Removal> RemoveAll(const std::vector<platform::FoundFile>& files,
                               const platform::MoveAway* moveAway,
                               const platform::RemovalProgress& progress) {
    Remover remover(moveAway);
    std::vector<Removal> removals;
    removals.reserve(files.size());
    for (const auto& file : files) {
        removals.push_back(remover.remove(file));
        if (progress && !progress(removals.size() - 1, removals.back())) break;
    }
    return removals;
}

}  // namespace

std::vector<Removal> Win32FileSystem::deleteFoundFiles(
    const std::vector<platform::FoundFile>& files, const platform::RemovalProgress& progress) {
    return RemoveAll(files, nullptr, progress);
}

std::vector<Removal> Win32FileSystem::recycleFoundFiles(
    const std::vector<platform::FoundFile>& files, const platform::MoveAway& moveAway,
    const platform::RemovalProgress& progress) {
    return RemoveAll(files, &moveAway, progress);
}

std::optional<std::string> Win32FileSystem::linkOnPath(const std::string& path) {
    const auto exact = platform::ExtendedForm(FilePath(path));
    const auto parts = exact ? platform::SplitExact(*exact) : std::nullopt;
    if (!parts) return std::nullopt;
    HeldPath held;
    const auto outcome = held.hold(parts->root, parts->names);
    if (outcome.state != HeldPath::State::Link) return std::nullopt;
    return Utf8(platform::ReadableForm(outcome.at));
}

}  // namespace brisko::win32
