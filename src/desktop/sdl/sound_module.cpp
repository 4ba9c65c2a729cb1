// The entry of the sound module: the SDL2_mixer device, made for a program that loads it.
#include "desktop/sdl/sound_module.h"

#include "desktop/sdl/sdl_sound.h"

extern "C" __attribute__((visibility("default"))) ossaric::SoundDevice* ossaric_make_sound_device(
    std::function<void()> musicFinished) {
  return new ossaric::SdlSound(std::move(musicFinished));
}

// The program asks for the entry by the name it is given here.
static_assert(std::is_same_v<decltype(&ossaric_make_sound_device), ossaric::MakeSoundDevice>);
