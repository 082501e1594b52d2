#pragma once
// Where the program keeps its choices and totals in the per-user settings store: the
// application's name and its two sections. Every window reads and writes under these.
namespace brisko::cleaner {

inline constexpr const char* kSettingsApp = "Brisko";
inline constexpr const char* kPresets = "Presets";  // the main window's choices and totals
inline constexpr const char* kFilters = "Filters";  // the finder's filters and total

}  // namespace brisko::cleaner
