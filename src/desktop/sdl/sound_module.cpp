// The entry of the sound module: the SDL2_mixer device, made for a program that loads it.
#include "desktop/sdl/sound_module.h"

#include <SDL.h>

#include "desktop/sdl/sdl_sound.h"

extern "C" __attribute__((visibility("default"))) ossaric::SoundDevice* ossaric_make_sound_device(
    std::function<void()> musicFinished) {
  return new ossaric::SdlSound(std::move(musicFinished));
}

extern "C" __attribute__((visibility("default"))) void ossaric_sound_thread_ends() {
  SDL_TLSCleanup();
}

// The program asks for the entries by the names they are given here.
static_assert(std::is_same_v<decltype(&ossaric_make_sound_device), ossaric::MakeSoundDevice>);
static_assert(std::is_same_v<decltype(&ossaric_sound_thread_ends), ossaric::EndSoundThread>);
