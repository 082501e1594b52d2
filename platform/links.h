#pragma once
// What counts as a link when a walk meets a reparse point: the one rule for every folder walk
// and tree removal. Header-only and free of windows.h, so stand-alone tools can share it.
#include <cstdint>

namespace brisko::platform {

constexpr std::uint32_t kAttrReparsePoint = 0x400;

// Reparse tags as Windows documents them (IO_REPARSE_TAG_*).
constexpr std::uint32_t kTagMountPoint = 0xA0000003;
constexpr std::uint32_t kTagSymlink = 0xA000000C;
constexpr std::uint32_t kTagAppExecLink = 0x8000001B;
constexpr std::uint32_t kTagHsm = 0xC0000004;
constexpr std::uint32_t kTagHsm2 = 0x80000006;
constexpr std::uint32_t kTagSis = 0x80000007;
constexpr std::uint32_t kTagDedup = 0x80000013;
constexpr std::uint32_t kTagWof = 0x80000017;
constexpr std::uint32_t kTagCloud = 0x9000001A;
// The cloud placeholders come in sixteen variants that differ in bits 12 to 15 only.
constexpr std::uint32_t kTagCloudVariantMask = 0xFFFF0FFF;

// Tags whose files and folders hold their own data (placeholders, deduplicated or compressed
// storage): to a walk they are ordinary entries.
constexpr bool IsDataBearingTag(std::uint32_t tag) {
    if ((tag & kTagCloudVariantMask) == kTagCloud) return true;
    switch (tag) {
        case kTagHsm:
        case kTagHsm2:
        case kTagSis:
        case kTagDedup:
        case kTagWof:
            return true;
        default:
            return false;
    }
}

// A reparse point is a link (never entered, never removed through, its target never counted)
// unless its tag is a data-bearing one. Unknown tags count as links, and so does tag 0: Wine
// reports every folder link with it.
constexpr bool IsLink(std::uint32_t attributes, std::uint32_t reparseTag) {
    return (attributes & kAttrReparsePoint) != 0 && !IsDataBearingTag(reparseTag);
}

// Whether a folder held open on the way down a path is a link: its handle, opened without
// following links, shows one, or its own entry shows a reparse point that the handle does not
// (Wine opens a folder link's target whatever the flags ask; only the entry shows the link).
constexpr bool HeldFolderIsLink(std::uint32_t handleAttributes, std::uint32_t handleTag,
                                std::uint32_t entryAttributes) {
    return IsLink(handleAttributes, handleTag) || ((entryAttributes & kAttrReparsePoint) != 0 &&
                                                   (handleAttributes & kAttrReparsePoint) == 0);
}

}  // namespace brisko::platform
