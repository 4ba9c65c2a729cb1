#include "persist/file_images.h"

#include <algorithm>
#include <cstring>

namespace ossaric {

namespace {

void Put16(uint8_t* at, int value) {
  at[0] = static_cast<uint8_t>(value & 0xff);
  at[1] = static_cast<uint8_t>((value >> 8) & 0xff);
}

int Get16(const uint8_t* at) {
  return static_cast<int16_t>(static_cast<uint16_t>(at[0] | (at[1] << 8)));
}

// Offsets of the settings record.
constexpr size_t kPlayersAt = 6;
constexpr size_t kNamesAt = 8;
constexpr size_t kHintsAt = 44;
constexpr size_t kMusicAt = 46;
constexpr size_t kSoundAt = 48;
constexpr size_t kDelayAt = 50;

}  // namespace

bool IsUtf8(const std::string& bytes) {
  size_t k = 0;
  while (k < bytes.size()) {
    const unsigned char c = static_cast<unsigned char>(bytes[k]);
    const size_t length = c < 0x80         ? 1
                          : (c >> 5) == 6  ? 2
                          : (c >> 4) == 14 ? 3
                          : (c >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || k + length > bytes.size()) return false;
    char32_t point = length == 1 ? c : c & (0x7f >> length);
    for (size_t i = 1; i < length; ++i) {
      const unsigned char t = static_cast<unsigned char>(bytes[k + i]);
      if ((t & 0xc0) != 0x80) return false;
      point = (point << 6) | (t & 0x3f);
    }
    // No overlong form, no surrogate, nothing past U+10FFFF.
    static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || (point >= 0xd800 && point <= 0xdfff) || point > 0x10ffff)
      return false;
    k += length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xc0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3f));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xe0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (point & 0x3f));
  } else {
    out += static_cast<char>(0xf0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3f));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (point & 0x3f));
  }
}

std::string NameText(const char (&name)[9]) {
  std::string bytes(name, strnlen(name, 8));
  if (IsUtf8(bytes)) return bytes;
  // Written by an older game, in the Western code page: each byte one letter.
  static constexpr char16_t kHigh[32] = {
      0x20ac, 0xfffd, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xfffd, 0x017d, 0xfffd, 0xfffd, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
      0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0xfffd, 0x017e, 0x0178};
  std::string text;
  for (char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    AppendUtf8(text, b >= 0x80 && b < 0xa0 ? kHigh[b - 0x80] : b);
  }
  return text;
}

void SetDefaultName(int n, char (&name)[9]) {
  std::memset(name, 0, sizeof name);
  std::memcpy(name, "Player ", 7);
  name[7] = static_cast<char>('0' + n);
}

TSettings DefaultSettings() {
  TSettings s;
  for (int n = 1; n <= 4; ++n) SetDefaultName(n, s.PlayerName[n]);
  return s;
}

std::array<uint8_t, kSettingsSize> EncodeSettings(const TSettings& s) {
  std::array<uint8_t, kSettingsSize> out{};
  Put16(&out[0], 5);
  Put16(&out[2], 1);
  Put16(&out[4], 3);
  Put16(&out[kPlayersAt], s.PlayerCount);
  for (int n = 1; n <= 4; ++n) std::memcpy(&out[kNamesAt + 9 * (n - 1)], s.PlayerName[n], 9);
  Put16(&out[kHintsAt], s.HintIndex);
  Put16(&out[kMusicAt], s.MusicOn);
  Put16(&out[kSoundAt], s.SoundOn);
  Put16(&out[kDelayAt], std::clamp(s.AnimDelay, 0, 0xffff));
  return out;
}

void TerminateName(char (&name)[9]) {
  name[8] = '\0';
  for (int k = 0; k < 8; ++k) {
    const unsigned char c = static_cast<unsigned char>(name[k]);
    if (c == 0) break;
    if (c < 0x20 || c == 0x7f) {
      name[k] = '\0';
      break;
    }
  }
}

bool DecodeSettings(const uint8_t* data, size_t size, TSettings& out) {
  out = DefaultSettings();
  if (data == nullptr || size < kPlayersAt + 2) return false;
  const int players = Get16(data + kPlayersAt);
  if (players >= 0 && players <= 4) out.PlayerCount = players;
  for (int n = 1; n <= 4; ++n) {
    const size_t at = kNamesAt + 9 * (n - 1);
    if (size < at + 9) break;
    std::memcpy(out.PlayerName[n], data + at, 9);
    TerminateName(out.PlayerName[n]);
  }
  if (size >= kHintsAt + 2) {
    const int hints = Get16(data + kHintsAt);
    // Any negative counter means the tips are off; a counter past the last tip starts again.
    out.HintIndex = hints < 0 ? -1 : hints <= 20 ? hints : 0;
  }
  if (size >= kMusicAt + 2) out.MusicOn = Get16(data + kMusicAt) != 0 ? 1 : 0;
  if (size >= kSoundAt + 2) out.SoundOn = Get16(data + kSoundAt) != 0 ? 1 : 0;
  if (size >= kDelayAt + 2) {
    // Every pause the game can store comes back as it was; one read as negative cannot.
    const int pause = Get16(data + kDelayAt);
    if (pause >= 0) out.AnimDelay = pause;
  }
  return true;
}

void EmptyTopTen(TTopTenEntry (&table)[11]) {
  for (TTopTenEntry& e : table) {
    std::memset(e.Name, 0, sizeof e.Name);
    e.Score = 0;
  }
  std::memcpy(table[0].Name, "TopScore", 8);
}

std::array<uint8_t, kTopTenSize> EncodeTopTen(const TTopTenEntry (&table)[11]) {
  std::array<uint8_t, kTopTenSize> out{};
  for (size_t k = 0; k <= kTopTenPlaces; ++k) {
    std::memcpy(&out[k * kTopTenEntrySize], table[k].Name, 9);
    Put16(&out[k * kTopTenEntrySize + 9], table[k].Score);
  }
  return out;
}

void DecodeTopTen(const uint8_t* data, size_t size, TTopTenEntry (&table)[11]) {
  if (data == nullptr) return;
  const size_t entries = std::min(size / kTopTenEntrySize, kTopTenPlaces + 1);
  for (size_t k = 0; k < entries; ++k) {
    const uint8_t* at = data + k * kTopTenEntrySize;
    if (k > 0) std::memcpy(table[k].Name, at, 9);
    table[k].Score = static_cast<int16_t>(Get16(at + 9));
  }
  for (size_t k = 1; k <= kTopTenPlaces; ++k) {
    TerminateName(table[k].Name);
    if (table[k].Score < 0) {
      std::memset(table[k].Name, 0, sizeof table[k].Name);
      table[k].Score = 0;
    }
  }
  std::stable_sort(table + 1, table + 11,
                   [](const TTopTenEntry& a, const TTopTenEntry& b) { return a.Score > b.Score; });
}

}  // namespace ossaric
