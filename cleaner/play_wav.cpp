#include "cleaner/play_wav.h"

namespace brisko::cleaner {

void PlaySoundFile(platform::Multimedia& media, const std::string& path) {
    media.playSoundSync(path);
}

}  // namespace brisko::cleaner
