#include "platform/win32/win32_trace.h"

#include <windows.h>

#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

void Win32Trace::dropped(const std::string& what) {
    OutputDebugStringW(Wide("Brisko: " + what + "\n").c_str());
}

}  // namespace brisko::win32
