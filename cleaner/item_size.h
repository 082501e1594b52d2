#pragma once
// The sizes of the eight folder-like track items: what the estimate adds up, and what the clean
// run measures again once its removals have ended.
#include <optional>
#include <string>
#include <vector>

#include "cleaner/user_folders.h"
#include "platform/services.h"

namespace brisko::cleaner {

// In the estimate's order.
enum class SizedItem {
    IeCache,
    Cookies,
    Temp,
    History,
    RecycleBin,
    NetscapeCache,
    NetscapeCookies,
    NetscapeTyped
};
constexpr int kSizedItems = 8;

struct ItemMeasure {
    double bytes = 0;
    std::vector<std::string> measured;  // what was measured, as the user is told it
};

// The item's bytes, the index files kept open by the system left out; nullopt when the item
// measures nothing here (the browser's items on a system of neither kind). Yields after every
// folder entry.
std::optional<ItemMeasure> MeasureItem(SizedItem item, platform::Services& services,
                                       const Where& where);

}  // namespace brisko::cleaner
