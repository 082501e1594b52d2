#include "platform/win32/win32_held_path.h"

#include <cstddef>

#include "platform/links.h"

namespace brisko::win32 {

std::wstring NameOnVolume(HANDLE handle) {
    std::vector<std::byte> buffer(sizeof(FILE_NAME_INFO) + 512 * sizeof(wchar_t));
    for (;;) {
        auto* info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
        if (GetFileInformationByHandleEx(handle, FileNameInfo, info,
                                         static_cast<DWORD>(buffer.size())))
            return std::wstring(info->FileName, info->FileNameLength / sizeof(wchar_t));
        constexpr std::size_t kLongest = sizeof(FILE_NAME_INFO) + 32768 * sizeof(wchar_t);
        if (GetLastError() != ERROR_MORE_DATA || buffer.size() >= kLongest) return {};
        buffer.resize(kLongest);
    }
}

HeldPath::Outcome HeldPath::hold(const std::wstring& root, const std::vector<std::wstring>& names) {
    if (folders_.empty() || folders_.front().path != root) {
        folders_.clear();
        serial_.reset();
        // A drive root is never a link, and cannot be renamed: it is opened for its serial and
        // its name only.
        UniqueFile handle(CreateFileW(root.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!handle) return {State::Missing, root, GetLastError()};
        folders_.push_back({root, std::move(handle), {}});
    }
    std::wstring path = root;
    for (std::size_t level = 1; level <= names.size(); ++level) {
        if (level > 1) path += L'\\';
        path += names[level - 1];
        if (level < folders_.size()) {
            if (folders_[level].path == path) continue;
            folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(level), folders_.end());
        }
        const Outcome outcome = open(path);
        if (outcome.state != State::Held) return outcome;
    }
    folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(names.size() + 1),
                   folders_.end());
    return {};
}

HeldPath::Outcome HeldPath::open(std::wstring path) {
    // Listing access takes part in sharing (attribute access alone does not), so without
    // FILE_SHARE_DELETE nobody can rename or remove the folder while it is held.
    UniqueFile handle(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                  nullptr));
    if (!handle) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? State::Missing : State::Unusable, std::move(path), error};
    }
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &info, sizeof info))
        return {State::Unusable, std::move(path), GetLastError()};
    if (!(info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return {State::Missing, std::move(path)};
    // Read after the folder is held: what the entry shows now stays so.
    const DWORD entry = GetFileAttributesW(path.c_str());
    if (entry == INVALID_FILE_ATTRIBUTES) return {State::Unusable, std::move(path), GetLastError()};
    if (platform::HeldFolderIsLink(info.FileAttributes, info.ReparseTag, entry))
        return {State::Link, std::move(path)};
    folders_.push_back({std::move(path), std::move(handle), {}});
    return {};
}

std::optional<DWORD> HeldPath::serial() {
    if (!serial_ && !folders_.empty()) {
        BY_HANDLE_FILE_INFORMATION info;
        if (GetFileInformationByHandle(folders_.front().handle.get(), &info))
            serial_ = info.dwVolumeSerialNumber;
    }
    return serial_;
}

const std::wstring& HeldPath::nameOnVolume() {
    static const std::wstring none;
    if (folders_.empty()) return none;
    Folder& folder = folders_.back();
    if (folder.nameOnVolume.empty()) folder.nameOnVolume = NameOnVolume(folder.handle.get());
    return folder.nameOnVolume;
}

}  // namespace brisko::win32
