#include "cleaner/item_size.h"

#include "cleaner/get_win_dir_size.h"

namespace brisko::cleaner {

namespace {

const char* const kAllBins = "the Recycle Bins of all drives";

std::optional<Folder> FolderOf(SizedItem item) {
    switch (item) {
        case SizedItem::IeCache:
            return Folder::IeCache;
        case SizedItem::Cookies:
            return Folder::Cookies;
        case SizedItem::Temp:
            return Folder::Temp;
        case SizedItem::History:
            return Folder::History;
        default:
            return std::nullopt;
    }
}

// The Netscape items' folders and the Recycle Bin's where the shell cannot tell its size.
std::string FixedFolder(SizedItem item, const std::string& drive) {
    switch (item) {
        case SizedItem::RecycleBin:
            return DrivePrefix(drive) + "\\Recycled";
        case SizedItem::NetscapeTyped:
            return drive + "\\Program Files\\Netscape\\Users\\default\\";
        case SizedItem::NetscapeCache:
            return drive + "\\Program Files\\Netscape\\Users\\default\\cache\\";
        default:
            return drive + "\\Program Files\\Netscape\\Users\\user\\";
    }
}

}  // namespace

std::optional<ItemMeasure> MeasureItem(SizedItem item, platform::Services& services,
                                       const Where& where) {
    auto size = [&](const std::string& path) {
        return FolderSize(services.files, services.desktop, path);
    };
    ItemMeasure result;
    if (const auto folder = FolderOf(item)) {
        if (*folder != Folder::Temp && where.kind == SystemKind::Neither) return std::nullopt;
        for (const ItemFolder& f : FoldersOf(*folder, where)) {
            result.bytes += size(f.folder);
            if (!f.index.empty())
                result.bytes -=
                    static_cast<double>(services.files.fileLength(f.folder + f.index).value_or(0));
            result.measured.push_back(f.folder);
        }
        return result;
    }
    if (item == SizedItem::RecycleBin) {
        if (const auto bytes = services.shell.recycleBinBytes()) {
            result.bytes = static_cast<double>(*bytes);
            result.measured.push_back(kAllBins);
            return result;
        }
    }
    const std::string folder = FixedFolder(item, where.drive);
    result.bytes = size(folder);
    result.measured.push_back(folder);
    return result;
}

}  // namespace brisko::cleaner
