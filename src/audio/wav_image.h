// A careful reader of RIFF WAVE images held in memory: an effect is only played when its
// headers are sound and its sample data lies wholly inside the bytes that were read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ossaric {

struct WavInfo {
  int channels = 0;
  int rate = 0;  // frames per second
  int bits = 0;  // bits per sample: 8 or 16
  size_t dataOffset = 0;
  size_t dataBytes = 0;
  double Seconds() const {
    const size_t frame = size_t(channels) * size_t(bits / 8);
    return frame && rate ? double(dataBytes / frame) / rate : 0.0;
  }
};

// True when `bytes` holds a PCM RIFF WAVE (mono or stereo, 8 or 16 bits) whose "fmt " chunk
// comes before a "data" chunk of at least one whole frame that ends within `size`.
bool ParseWavImage(const uint8_t* bytes, size_t size, WavInfo& info);

}  // namespace ossaric
