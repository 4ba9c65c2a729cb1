// The sound device as a module of its own, loaded once the first frame is on the screen: the
// program does not link SDL2_mixer, the synthesiser and the audio libraries behind them, so
// none of them is loaded before the window is up.
#pragma once

#include <functional>

namespace ossaric {

class SoundDevice;

// The module's one entry: makes the real sound device. `musicFinished` is called from the
// audio thread whenever a piece stops by itself. The caller owns the device.
using MakeSoundDevice = SoundDevice* (*)(std::function<void()> musicFinished);
inline constexpr const char* kMakeSoundDevice = "ossaric_make_sound_device";
// The module's second entry: called on a thread of the program's own that used the device,
// before that thread ends; frees what the audio libraries keep for each thread (SDL's error
// text and its thread-local table), which they free by themselves only on threads they made.
using EndSoundThread = void (*)();
inline constexpr const char* kEndSoundThread = "ossaric_sound_thread_ends";

// The module's file name, beside the program in the build tree and in the program's own
// library directory once installed.
inline constexpr const char* kSoundModuleName = "ossaric-sound.so";

}  // namespace ossaric
