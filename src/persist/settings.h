// The settings file "bexil.ini" in the settings directory: the players, their names, the tip
// counter, music, sound and the animation pause, as the 52-byte record of file_images.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "persist/file_images.h"
#include "platform/game_places.h"

namespace ossaric {

// Reads the record from the settings directory of `places`; without a settings file there the
// one an older start left is read instead. False when there is no usable file: then `out` and
// `record` are unchanged. A file that may be read but not written is read all the same.
bool ReadSettingsFile(const GamePlaces& places, TSettings& out,
                      std::array<uint8_t, kSettingsSize>& record);

// Replaces the file in the settings directory (made when missing) with `record`. A file that
// exists but cannot be read is never replaced: it may hold choices this run never saw. False
// when nothing was written; `path` and `error` (an errno value) then tell where and why, and
// `reason` says it in words for the end of a sentence ("it is a directory, not a file").
bool WriteSettingsFile(const GamePlaces& places, const std::array<uint8_t, kSettingsSize>& record,
                       std::string& path, int& error, std::string& reason);

}  // namespace ossaric
