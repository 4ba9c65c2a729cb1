// Sound as the game sees it: short effects played from memory, and a MIDI sequencer that
// plays one piece at a time and posts an end notice to the window when the piece stops.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ossaric {

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  // Play an in-memory WAV image. A new effect cuts off the one playing. With `wait` the call
  // returns once the effect has finished. `name` is the effect's file name, for the record.
  virtual void PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) = 0;
  virtual void StopEffects() = 0;

  // MIDI sequencer. MidiOpen returns a device identifier (0 on failure, with an error code in
  // `error`); MidiPlay starts it from the beginning and arranges the end notice. Both return 0
  // on success or an error code.
  virtual uint32_t MidiOpen(const std::string& path, int& error) = 0;
  virtual int MidiPlay(uint32_t device) = 0;
  // Close every open MIDI device, waiting until it is closed.
  virtual void MidiCloseAll() = 0;
  // A clear text for an error code of MidiOpen or MidiPlay.
  virtual std::string MidiErrorText(int error) = 0;
};

}  // namespace ossaric
