#pragma once
// The main window's fixed texts.
#include "cleaner/settings_keys.h"

namespace brisko::app {

inline constexpr const char* kAppTitle = cleaner::kSettingsApp;
inline constexpr const char* kDefaultDescription =
    "Move the mouse over each item for a description";
inline constexpr const char* kCleaningNotice = "Cleaning ... Please Wait";
inline constexpr const char* kLegalNotice =
    "Brisko is provided as is, without warranty of any kind. You use it at your own risk; read the "
    "disclaimer before you clean.";
inline constexpr const char* kOtherProgramsNote =
    "Ordwyn makes more small utilities for Windows; most of them are free.";
inline constexpr const char* kTagLine = "Tick what you want cleaned, then press Brisko.";
inline constexpr const char* kWebSiteAddress = "https://www.brisko.example/";
inline constexpr const char* kMailingListAddress = "https://www.brisko.example/newsletter";

}  // namespace brisko::app
