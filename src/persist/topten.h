// The Top Ten table as a value (eleven entries: a header and ten places, best first) and its
// file "tolmerix.dat"; the ranking of a game's players by their totals.
#pragma once

#include <cstddef>
#include <string>

#include "persist/file_images.h"

namespace ossaric {

inline constexpr const char* kTopTenFile = "tolmerix.dat";
// Beside the file (beside its target when it is a symbolic link): games saving the Top Ten at
// the same moment take turns by its lock. An empty file, made once and kept.
inline constexpr const char* kTopTenLockFile = "tolmerix.lock";
// How long a save waits for another game's save to end before it gives up and says so.
inline constexpr int kTopTenLockWaitMs = 1000;
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
// only); `known` becomes what the file held. A missing file is created with the empty table
// (under the lock, so it never replaces a file another game has just saved): false with an
// empty `problem` when that fails. A file that exists but cannot be read is never overwritten:
// false, with `problem` telling the player so in plain words.
bool LoadTopTenFile(const std::string& path, TTopTenEntry (&table)[11], TTopTenEntry (&known)[11],
                    std::string& problem);

// Saves `table`, first merged with the file when another game has saved it since this one last
// knew it as `known`. The reading, merging and replacing run under the lock of the lock file,
// so games saving at the same moment keep each other's entries. A file that cannot be read is
// left alone (it may hold scores this run never saw). False, with the reason in plain words in
// `reason`, when the file was not written.
bool SaveTopTenFile(const std::string& path, TTopTenEntry (&known)[11], TTopTenEntry (&table)[11],
                    std::string& reason);

// The lock file of the Top Ten at `path`.
std::string TopTenLockFile(const std::string& path);

// Enters `total` under `name`, below the entries with the same score; totals are kept to what a
// 16-bit score can hold, and a total of 0 or less never enters.
void EnterTotal(TTopTenEntry (&table)[11], const char (&name)[9], int total);

// Every place gets a name of eight spaces and 0.
void ClearTopTenTable(TTopTenEntry (&table)[11]);

// The players 1..4 of a game of three or four by their totals, best first; equal totals keep
// the lower player number first, and a total of 0 is never placed.
void RankPlayers(const int (&totals)[5], TPlacing (&placing)[5]);

// For tests only: the lock's wait in milliseconds (kTopTenLockWaitMs unless set).
namespace testhooks {
extern int topTenLockWaitMs;
}  // namespace testhooks

}  // namespace ossaric
