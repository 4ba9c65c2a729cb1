// The byte images of the two files the game keeps: the 52-byte settings record "bexil.ini" and
// the 121-byte Top Ten table "tolmerix.dat". Pure functions, so that any sequence of bytes can
// be fed to the decoders; whatever they are given, the values they hand back are in range.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ossaric {

// One entry of the Top Ten: a name of up to eight characters and its score.
struct TTopTenEntry {
  char Name[9] = {};
  int16_t Score = 0;
};

constexpr size_t kSettingsSize = 52;
constexpr size_t kTopTenEntrySize = 11;
constexpr size_t kTopTenPlaces = 10;
constexpr size_t kTopTenSize = kTopTenEntrySize * (kTopTenPlaces + 1);

// The choices the settings file carries. Names are indexed 1..4 like the players.
struct TSettings {
  int PlayerCount = 1;
  char PlayerName[5][9] = {};
  int HintIndex = 0;
  int MusicOn = 1;
  int SoundOn = 1;
  int AnimDelay = 25;
};

// A 9-byte name field as UTF-8 text: its bytes up to the terminator (eight at the most), which
// are UTF-8; bytes that are not (a name written by an older game) are read as Windows-1252.
std::string NameText(const char (&name)[9]);

// True when `bytes` are whole, well-formed UTF-8.
bool IsUtf8(const std::string& bytes);
// Appends the UTF-8 of one code point.
void AppendUtf8(std::string& out, char32_t point);

// Player n's name before any is chosen: "Player n", the rest of the field zero.
void SetDefaultName(int n, char (&name)[9]);

// The first-run choices: one player, "Player 1" to "Player 4", tips on at tip 0, music and sound
// on, 25 ms animation pause.
TSettings DefaultSettings();

// The record as written: 05 00 01 00 03 00, then the fields as 16-bit little-endian numbers and
// the four 9-byte name fields copied whole. The animation pause is kept to 0..65535 so that a
// long pause never comes back as a negative one.
std::array<uint8_t, kSettingsSize> EncodeSettings(const TSettings& s);

// Reads the fields present in `size` bytes over the defaults. A field that is missing or out of
// range keeps its default; a name without a terminator is cut to eight characters, a name with a
// control character is cut there. Returns false when not even the players field is present.
bool DecodeSettings(const uint8_t* data, size_t size, TSettings& out);

// Makes a 9-byte name field a clean string: terminated in its ninth byte at the latest and cut at
// its first control character.
void TerminateName(char (&name)[9]);

// The empty table: header "TopScore" with 0, ten places with empty names and 0.
void EmptyTopTen(TTopTenEntry (&table)[11]);

std::array<uint8_t, kTopTenSize> EncodeTopTen(const TTopTenEntry (&table)[11]);

// Reads the whole entries present over `table` (which the caller has emptied). The header keeps
// its reserved number but always reads "TopScore"; names are terminated; a place with a negative
// score becomes empty; the places are put in order, best first, equal scores keeping their order.
void DecodeTopTen(const uint8_t* data, size_t size, TTopTenEntry (&table)[11]);

}  // namespace ossaric
