// Backward induction over a turn. The dice are told apart only by their faces, so a throw of five
// is one of 252 sorted throws and what stays on the table one of 462 multisets of 0..5 faces (a
// "keep"). Within a turn, with n throws still to come after the one being looked at:
//   write(r)  = best over open k of points(r, k) + value(open without k)
//   throw_n(keep) = mean over the dice that fall of best_n(keep + fallen)
//   best_0(r) = write(r);  best_n(r) = max(write(r), best over keeps inside r of throw_{n-1}(keep))
// and the value of a set of open categories is throw_2(nothing kept), from its smaller sets.
#include "ai/solver.h"

#include <algorithm>

#include "game/records.h"

namespace ossaric::ai {

namespace {

constexpr int kRolls = 252;
constexpr int kKeeps = 462;
constexpr int kLevels = 3;  // throws of a turn

using Counts = std::array<int, 7>;  // dice showing each face 1..6

int Key(const Counts& c) {
  int key = 0;
  for (int f = 6; f >= 1; --f) key = key * 6 + c[f];
  return key;
}

// The multisets, how a throw of the rest falls from each keep, and what each throw can keep.
struct Combinatorics {
  std::vector<Counts> keep;  // every multiset of 0..5 faces
  std::vector<int> keepSize;
  std::array<int, 46656> index{};        // Key -> keep number
  std::vector<int> roll;                 // the keeps of five dice, as roll number -> keep number
  std::vector<int> rollOfKeep;           // keep number -> roll number, -1 below five dice
  std::vector<int> fallStart, fallRoll;  // keep -> the throws it can become ...
  std::vector<double> fallChance;        // ... and their chances
  std::vector<int> subStart, subKeep;    // roll -> the keeps inside it, five dice excepted
  std::vector<std::array<int, kCategoryCount + 1>> points;  // roll -> points of each category

  Combinatorics() {
    Counts c{};
    Enumerate(c, 1, 0);
    rollOfKeep.assign(keep.size(), -1);
    for (int k = 0; k < static_cast<int>(keep.size()); ++k) {
      index[Key(keep[k])] = k;
      if (keepSize[k] == 5) {
        rollOfKeep[k] = static_cast<int>(roll.size());
        roll.push_back(k);
      }
    }
    static const double kFactorial[6] = {1, 1, 2, 6, 24, 120};
    for (int k = 0; k < kKeeps; ++k) {
      fallStart.push_back(static_cast<int>(fallRoll.size()));
      const int thrown = 5 - keepSize[k];
      double ways = 1;
      for (int i = 0; i < thrown; ++i) ways *= 6;
      for (int m = 0; m < kKeeps; ++m) {
        if (keepSize[m] != thrown) continue;
        double arrangements = kFactorial[thrown];
        Counts sum{};
        for (int f = 1; f <= 6; ++f) {
          arrangements /= kFactorial[keep[m][f]];
          sum[f] = keep[k][f] + keep[m][f];
        }
        fallRoll.push_back(rollOfKeep[index[Key(sum)]]);
        fallChance.push_back(arrangements / ways);
      }
    }
    fallStart.push_back(static_cast<int>(fallRoll.size()));
    for (int r = 0; r < kRolls; ++r) {
      subStart.push_back(static_cast<int>(subKeep.size()));
      Counts sub{};
      Inside(keep[roll[r]], sub, 1);
      Faces faces{};
      int n = 0;
      for (int f = 1; f <= 6; ++f)
        for (int i = 0; i < keep[roll[r]][f]; ++i) faces[n++] = f;
      std::array<int, kCategoryCount + 1> p{};
      for (int cat = 1; cat <= kCategoryCount; ++cat) p[cat] = CategoryPoints(cat, faces);
      points.push_back(p);
    }
    subStart.push_back(static_cast<int>(subKeep.size()));
  }

  void Enumerate(Counts& c, int face, int size) {
    if (face > 6) {
      keep.push_back(c);
      keepSize.push_back(size);
      return;
    }
    for (int n = 0; size + n <= 5; ++n) {
      c[face] = n;
      Enumerate(c, face + 1, size + n);
    }
    c[face] = 0;
  }

  void Inside(const Counts& whole, Counts& c, int face) {
    if (face > 6) {
      int size = 0;
      for (int f = 1; f <= 6; ++f) size += c[f];
      if (size < 5) subKeep.push_back(index[Key(c)]);
      return;
    }
    for (int n = 0; n <= whole[face]; ++n) {
      c[face] = n;
      Inside(whole, c, face + 1);
    }
    c[face] = 0;
  }
};

const Combinatorics& Dice() {
  static const Combinatorics c;
  return c;
}

// The values of one turn with `open` categories, worked backwards; `levels` throws deep.
struct Turn {
  std::array<std::array<double, kRolls>, kLevels> best;
  std::array<std::array<double, kKeeps>, kLevels> thrown;

  // `value` holds the values of every smaller set of open categories.
  Turn(const Combinatorics& d, OpenSet open, const double* value, bool allKeepsLast) {
    for (int r = 0; r < kRolls; ++r) {
      double b = -1;
      for (int cat = 1; cat <= kCategoryCount; ++cat) {
        if ((open & CategoryBit(cat)) == 0) continue;
        b = std::max(b, d.points[r][cat] + value[open & ~CategoryBit(cat)]);
      }
      best[0][r] = b;
    }
    for (int n = 0; n < kLevels; ++n) {
      if (n > 0) {
        for (int r = 0; r < kRolls; ++r) {
          double b = best[0][r];
          for (int s = d.subStart[r]; s < d.subStart[r + 1]; ++s)
            b = std::max(b, thrown[n - 1][d.subKeep[s]]);
          best[n][r] = b;
        }
      }
      // The last level is wanted only from an empty table while the table is being built.
      const int keeps = (n == kLevels - 1 && !allKeepsLast) ? 1 : kKeeps;
      for (int k = 0; k < keeps; ++k) {
        double e = 0;
        for (int i = d.fallStart[k]; i < d.fallStart[k + 1]; ++i)
          e += d.fallChance[i] * best[n][d.fallRoll[i]];
        thrown[n][k] = e;
      }
    }
  }
};

int KeepIndex(const Combinatorics& d, const Faces& faces, const DiceSet& keep) {
  Counts c{};
  for (int i = 0; i < 5; ++i)
    if (keep[i] && faces[i] >= 1 && faces[i] <= 6) ++c[faces[i]];
  return d.index[Key(c)];
}

bool ValidFaces(const Faces& faces) {
  for (int f : faces)
    if (f < 1 || f > 6) return false;
  return true;
}

}  // namespace

OpenSet OpenCategories(const int (&entry)[13]) {
  OpenSet open = 0;
  for (int k = 1; k <= kCategoryCount; ++k)
    if (entry[k] == -1) open |= CategoryBit(k);
  return open;
}

TSolver::TSolver(const double* table) {
  if (table != nullptr) {
    std::copy(table, table + kAllOpen + 1, value_.begin());
    return;
  }
  const Combinatorics& d = Dice();
  value_[0] = 0;
  // Every set without one category is smaller than the set itself.
  for (OpenSet open = 1; open <= kAllOpen; ++open) {
    const Turn turn(d, open, value_.data(), false);
    value_[open] = turn.thrown[kLevels - 1][d.index[0]];
  }
}

const TSolver& TSolver::Get() {
  static const TSolver solver(BestPlayTable());
  return solver;
}

TAdvice TSolver::Advise(const TPosition& p) const {
  TAdvice a;
  const OpenSet open = p.open & kAllOpen;
  if (open == 0) return a;
  if (p.mayWrite) {
    for (int cat = 1; cat <= kCategoryCount; ++cat) {
      if ((open & CategoryBit(cat)) == 0) continue;
      TAction w;
      w.category = cat;
      w.expected = static_cast<double>(p.total) + CategoryPoints(cat, p.faces) +
                   value_[open & ~CategoryBit(cat)];
      a.writes.push_back(w);
    }
  }
  // A throw throws the cup and whatever else goes back into it; the dice returned already stay
  // in the cup. Faces the table cannot show make the throw unreadable.
  if (p.throwsLeft > 0 && ValidFaces(p.faces)) {
    const Combinatorics& d = Dice();
    const Turn turn(d, open, value_.data(), true);
    const int level = std::min(p.throwsLeft, kLevels) - 1;
    for (int mask = 0; mask < 32; ++mask) {
      DiceSet keep{};
      bool allowed = true, throwsSome = false;
      for (int i = 0; i < 5; ++i) {
        keep[i] = (mask >> i & 1) != 0;
        if (keep[i] && p.inCup[i]) allowed = false;
        if (!keep[i]) throwsSome = true;
      }
      if (!allowed || !throwsSome) continue;
      const double e = p.total + turn.thrown[level][KeepIndex(d, p.faces, keep)];
      if (!a.canThrow || e > a.bestThrow.expected + 1e-9) {
        a.canThrow = true;
        a.bestThrow.category = 0;
        a.bestThrow.keep = keep;
        a.bestThrow.expected = e;
      }
    }
  }
  a.any = a.canThrow || !a.writes.empty();
  bool have = a.canThrow;
  if (have) a.best = a.bestThrow;
  // On a tie, writing wins over throwing (it ends the turn at once), and the upper row wins.
  for (const TAction& w : a.writes) {
    const bool better = !have || (a.best.category == 0 ? w.expected >= a.best.expected - 1e-9
                                                       : w.expected > a.best.expected + 1e-9);
    if (better) {
      a.best = w;
      have = true;
    }
  }
  return a;
}

double TSolver::ActionValue(const TPosition& p, const TAction& act) const {
  const OpenSet open = p.open & kAllOpen;
  if (act.category >= 1 && act.category <= kCategoryCount) {
    if (p.mayWrite && (open & CategoryBit(act.category)) != 0)
      return static_cast<double>(p.total) + CategoryPoints(act.category, p.faces) +
             value_[open & ~CategoryBit(act.category)];
  } else if (p.throwsLeft > 0 && ValidFaces(p.faces) && open != 0) {
    bool allowed = true, throwsSome = false;
    for (int i = 0; i < 5; ++i) {
      if (act.keep[i] && p.inCup[i]) allowed = false;
      if (!act.keep[i]) throwsSome = true;
    }
    if (allowed && throwsSome) {
      const Combinatorics& d = Dice();
      const Turn turn(d, open, value_.data(), true);
      return p.total +
             turn.thrown[std::min(p.throwsLeft, kLevels) - 1][KeepIndex(d, p.faces, act.keep)];
    }
  }
  const TAdvice a = Advise(p);
  return a.any ? a.best.expected : p.total;
}

}  // namespace ossaric::ai
