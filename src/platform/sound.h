// Sound as the game sees it: short effects played from memory, and a MIDI sequencer that
// plays one piece at a time and posts an end notice to the window when the piece stops.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ossaric {

// Error codes of the MIDI sequencer (0 is success).
enum MidiError {
  kMidiOk = 0,
  kMidiNoDevice = 1,     // no audio output could be opened
  kMidiNoSupport = 2,    // the sound library cannot play MIDI (no synthesiser or soundfont)
  kMidiCannotOpen = 3,   // the file is missing, unreadable or not a MIDI file
  kMidiCannotPlay = 4,   // the piece was opened but would not start
  kMidiBadDevice = 5,    // an identifier that names no open piece
  kMidiEndedAtOnce = 6,  // the piece stopped by itself as soon as it had begun
};

// How a piece stopped by itself: the error that stopped it (a piece that could not be started
// after all), or kMidiOk and how long it played, in milliseconds (-1: it has not stopped, or
// the device cannot tell).
struct MidiEnd {
  int error = kMidiOk;
  int playedMs = -1;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  // Play an in-memory WAV image. A new effect cuts off the one playing; an empty or
  // unplayable image only stops it. With `wait` the call returns once the effect has finished
  // (never later than the effect's own length and a little slack). `name` is the effect's file
  // name, for the record.
  virtual void PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) = 0;
  virtual void StopEffects() = 0;

  // MIDI sequencer. MidiOpen returns a device identifier (0 on failure, with an error code in
  // `error`); MidiPlay starts it from the beginning and arranges the end notice, which comes
  // once when the piece stops by itself (it came to its end or failed while playing). A piece
  // closed by MidiCloseAll posts no notice: the program already knows what plays next. Both
  // return 0 on success or a MidiError code.
  virtual uint32_t MidiOpen(const std::string& path, int& error) = 0;
  virtual int MidiPlay(uint32_t device) = 0;
  // Close every open MIDI device, waiting until it is closed.
  virtual void MidiCloseAll() = 0;
  // Asked when the end notice of `device` has come, before it is closed: how it ended.
  virtual MidiEnd MidiEnded(uint32_t /*device*/) { return {}; }
  // A clear text for an error code of MidiOpen or MidiPlay (the most recent one of that code).
  virtual std::string MidiErrorText(int error) = 0;
};

}  // namespace ossaric
