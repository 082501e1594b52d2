#include "platform/win32/win32_multimedia.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

bool Win32Multimedia::playSoundSync(const std::string& path) {
    // An empty name would stop whatever is playing instead of playing anything.
    if (path.empty()) return false;
    // Synchronous, and silent (no default beep) when the file is missing or broken.
    return sndPlaySoundW(Wide(path).c_str(), SND_SYNC | SND_NODEFAULT) != 0;
}

}  // namespace brisko::win32
