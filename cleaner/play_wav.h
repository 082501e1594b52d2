#pragma once
// The synchronous wave player used by the clean run and the junk search.
#include <string>

#include "platform/multimedia.h"

namespace brisko::cleaner {

// Plays the file and returns when it has ended; a missing or unplayable file is silent (never
// the system's default sound) and returns at once.
void PlaySoundFile(platform::Multimedia& media, const std::string& path);

}  // namespace brisko::cleaner
