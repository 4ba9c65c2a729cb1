// The Top Ten file "tolmerix.dat" in the player's data directory: read at start, saved merged
// with what another game saved meanwhile; and the table's entering, clearing and the ranking
// of a game's players.
#include "persist/topten.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_store.h"
#include "platform/words.h"

namespace ossaric {

namespace testhooks {
int topTenLockWaitMs = kTopTenLockWaitMs;
}  // namespace testhooks

namespace {

bool IsRealEntry(const TTopTenEntry& e) {
  return e.Score > 0 && !IsEightSpaces(e.Name);
}

// The same name and score; the bytes after a name's terminator do not count.
bool SameEntry(const TTopTenEntry& a, const TTopTenEntry& b) {
  return a.Score == b.Score && std::strncmp(a.Name, b.Name, sizeof a.Name) == 0;
}

// Takes one entry equal to `e` out of `list`; false when there is none.
bool TakeOut(std::vector<TTopTenEntry>& list, const TTopTenEntry& e) {
  auto it = std::find_if(list.begin(), list.end(),
                         [&](const TTopTenEntry& x) { return SameEntry(x, e); });
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

// The file as another game has left it since this one knew it as `known`, with this game's own
// changes made on top: the entries it added go in below equal scores, the ones it dropped
// (cleared, or pushed below the tenth place) go out. Empty places keep the table's own form.
void MergeTopTen(const TTopTenEntry (&known)[11], const TTopTenEntry (&disk)[11],
                 TTopTenEntry (&table)[11]) {
  std::vector<TTopTenEntry> added, dropped, merged;
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(known[k])) dropped.push_back(known[k]);
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(table[k]) && !TakeOut(dropped, table[k])) added.push_back(table[k]);
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(disk[k]) && !TakeOut(dropped, disk[k])) merged.push_back(disk[k]);
  for (const TTopTenEntry& e : added) {
    auto at = std::find_if(merged.begin(), merged.end(),
                           [&](const TTopTenEntry& x) { return x.Score < e.Score; });
    merged.insert(at, e);
  }
  TTopTenEntry out[11];
  out[0] = disk[0];
  for (int k = 1; k <= 10; ++k) {
    if (static_cast<size_t>(k) <= merged.size())
      out[k] = merged[k - 1];
    else
      out[k] = !IsRealEntry(table[k]) ? table[k] : !IsRealEntry(disk[k]) ? disk[k] : TTopTenEntry{};
  }
  std::copy(std::begin(out), std::end(out), std::begin(table));
}

// Writes `table`, first merged with the file when another game has saved it since this one
// last knew it, so that two games saving one after the other both keep their entries. The
// caller holds the lock, so no other game saves between the read and the rename.
bool SaveMergedTopTen(const std::string& path, TTopTenEntry (&known)[11], TTopTenEntry (&table)[11],
                      int* error) {
  std::vector<uint8_t> bytes;
  if (ProbeFile(path) == FileState::Readable && ReadFilePrefix(path, kTopTenSize, bytes)) {
    TTopTenEntry disk[11];
    EmptyTopTen(disk);
    DecodeTopTen(bytes.data(), bytes.size(), disk);
    if (EncodeTopTen(disk) != EncodeTopTen(known)) MergeTopTen(known, disk, table);
  }
  const auto image = EncodeTopTen(table);
  if (!ReplaceFile(path, image.data(), image.size(), error)) return false;
  std::copy(std::begin(table), std::end(table), std::begin(known));
  return true;
}

}  // namespace

bool IsEightSpaces(const char (&name)[9]) {
  return std::memcmp(name, "        ", 8) == 0;
}

std::string TopTenFileIn(const std::string& dir) {
  return dir + (dir.back() == '/' ? "" : "/") + kTopTenFile;
}

std::string TopTenLockFile(const std::string& path) {
  const std::string target = SaveTarget(path);
  const size_t slash = target.rfind('/');
  if (slash == std::string::npos) return kTopTenLockFile;
  return target.substr(0, slash + 1) + kTopTenLockFile;
}

bool LoadTopTenFile(const std::string& path, TTopTenEntry (&table)[11], TTopTenEntry (&known)[11],
                    std::string& problem) {
  problem.clear();
  EmptyTopTen(table);
  EmptyTopTen(known);
  if (path.empty()) return true;
  RemoveStaleTemporaries(path);
  FileState state = ProbeFile(path);
  FileLock lock;
  if (state == FileState::Missing) {
    // Made under the lock, and only if still missing then: another game may have saved it.
    int lockError = 0;
    if (!lock.Acquire(TopTenLockFile(path), path, testhooks::topTenLockWaitMs, lockError))
      return false;
    state = ProbeFile(path);
    if (state == FileState::Missing) {
      const auto image = EncodeTopTen(table);
      return ReplaceFile(path, image.data(), image.size());
    }
  }
  int error = errno;  // why the file may not be read, when it may not
  std::vector<uint8_t> bytes;
  if (state == FileState::Readable) {
    if (ReadFilePrefix(path, kTopTenSize, bytes)) {
      DecodeTopTen(bytes.data(), bytes.size(), table);
      std::copy(std::begin(table), std::end(table), std::begin(known));
      return true;
    }
    error = errno;
  }
  // Said at once, in plain words: the table shown is empty for a reason, and it will not be
  // saved over the file.
  problem = Words(
      "TopTen",
      QT_TRANSLATE_NOOP("TopTen",
                        "The Top Ten scores in %1 cannot be read: %2.\nNew scores are shown but "
                        "not saved while the file cannot be read."),
      {path, FileProblem(path, error)});
  return false;
}

bool SaveTopTenFile(const std::string& path, TTopTenEntry (&known)[11], TTopTenEntry (&table)[11],
                    std::string& reason) {
  reason.clear();
  if (path.empty()) return true;
  int error = 0;
  FileLock lock;
  if (lock.Acquire(TopTenLockFile(path), path, testhooks::topTenLockWaitMs, error)) {
    if (ProbeFile(path) == FileState::Unreadable)
      error = errno;
    else if (SaveMergedTopTen(path, known, table, &error))
      return true;
  }
  reason = FileProblem(path, error);
  return false;
}

void EnterTotal(TTopTenEntry (&table)[11], const char (&name)[9], int total) {
  const int t = std::min(total, 32767);
  if (t <= 0 || t <= table[10].Score) return;
  int j = 1;
  while (j <= 10 && table[j].Score >= t) ++j;
  if (j > 10) return;
  for (int k = 10; k > j; --k) table[k] = table[k - 1];
  std::memcpy(table[j].Name, name, 9);
  TerminateName(table[j].Name);
  table[j].Score = static_cast<int16_t>(t);
}

void ClearTopTenTable(TTopTenEntry (&table)[11]) {
  for (int k = 1; k <= 10; ++k) {
    std::memcpy(table[k].Name, "        ", 9);
    table[k].Score = 0;
  }
}

void RankPlayers(const int (&totals)[5], TPlacing (&placing)[5]) {
  for (TPlacing& p : placing) p = TPlacing{};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      bool placed = false;
      for (int k = 1; k < i; ++k) placed = placed || placing[k].Player == j;
      if (!placed && totals[j] > placing[i].Score) {
        placing[i].Player = j;
        placing[i].Score = totals[j];
      }
    }
  }
}

}  // namespace ossaric
