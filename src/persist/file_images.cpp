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

std::string NameText(const char (&name)[9]) {
  return std::string(name, strnlen(name, 8));
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
