// The Top Ten table as a value (eleven entries: a header and ten places, best first) and its
// file "tolmerix.dat"; the ranking of a game's players by their totals.
#pragma once

#include <cstddef>
#include <string>

#include "persist/file_images.h"

namespace ossaric {

inline constexpr const char* kTopTenFile = "tolmerix.dat";
inline constexpr size_t kLongestDirectory =
    4000;  // room left for the file name in a 4096-byte path

struct TPlacing {
  int Player = -1;
  int Score = 0;
};

bool IsEightSpaces(const char (&name)[9]);

// The file in data directory `dir` (not empty).
std::string TopTenFileIn(const std::string& dir);

// The empty table, then whatever the file at `path` holds ("" : none, the table lives in memory
// only); `known` becomes what the file held. A missing file is created with the empty table:
// false when that fails. A file that exists but cannot be read is never overwritten.
bool LoadTopTenFile(const std::string& path, TTopTenEntry (&table)[11], TTopTenEntry (&known)[11]);

// Saves `table`, first merged with the file when another game has saved it since this one last
// knew it as `known`. A file that cannot be read is left alone (it may hold scores this run
// never saw). False, with the errno in `error`, when the file was not written.
bool SaveTopTenFile(const std::string& path, TTopTenEntry (&known)[11], TTopTenEntry (&table)[11],
                    int& error);

// Enters `total` under `name`, below the entries with the same score; totals are kept to what a
// 16-bit score can hold, and a total of 0 or less never enters.
void EnterTotal(TTopTenEntry (&table)[11], const char (&name)[9], int total);

// Every place gets a name of eight spaces and 0.
void ClearTopTenTable(TTopTenEntry (&table)[11]);

// The players 1..4 of a game of three or four by their totals, best first; equal totals keep
// the lower player number first, and a total of 0 is never placed.
void RankPlayers(const int (&totals)[5], TPlacing (&placing)[5]);

}  // namespace ossaric
