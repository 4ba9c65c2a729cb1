#include "audio/wav_image.h"

#include <cstring>

namespace ossaric {

namespace {

uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) {
  return uint16_t(p[0] | p[1] << 8);
}

}  // namespace

bool ParseWavImage(const uint8_t* bytes, size_t size, WavInfo& info) {
  info = WavInfo{};
  if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
      std::memcmp(bytes + 8, "WAVE", 4) != 0)
    return false;
  bool haveFormat = false;
  size_t at = 12;
  while (size - at >= 8) {
    const uint8_t* chunk = bytes + at;
    const size_t length = Le32(chunk + 4);
    const size_t body = at + 8;
    if (length > size - body) return false;  // the chunk runs past the bytes we have
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16) return false;
      const uint8_t* f = chunk + 8;
      const int tag = Le16(f), channels = Le16(f + 2), bits = Le16(f + 14);
      const uint32_t rate = Le32(f + 4);
      const int blockAlign = Le16(f + 12);
      if (tag != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1000 ||
          rate > 192000 || blockAlign != channels * bits / 8)
        return false;
      info.channels = channels;
      info.rate = static_cast<int>(rate);
      info.bits = bits;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return false;
      if (length < size_t(info.channels) * size_t(info.bits / 8)) return false;
      info.dataOffset = body;
      info.dataBytes = length;
      return true;
    }
    at = body + length + (length & 1);
    if (at > size) return false;
  }
  return false;
}

}  // namespace ossaric
