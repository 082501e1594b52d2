#pragma once
// The look that several views share: the face and size of their texts, the program's icon and
// the inks that recur.
#include <windows.h>

#include "views/resource.h"

namespace brisko::views {

inline constexpr wchar_t kFontFace[] = L"Tahoma";
inline constexpr int kFontPoints = 8;
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

inline const wchar_t* IconResource() {
    return MAKEINTRESOURCEW(IDI_BRISKO);
}

}  // namespace brisko::views
