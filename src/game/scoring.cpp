#include "game/scoring.h"

#include <climits>

#include "game/game.h"

namespace ossaric {

std::array<int, 7> FaceCounts(const Faces& faces) {
  std::array<int, 7> count{};
  for (int f : faces)
    if (f >= 1 && f <= 6) ++count[f];
  return count;
}

namespace {

// A face outside 1..6 is no face and adds nothing, as it counts for nothing above.
int Sum(const Faces& faces) {
  int sum = 0;
  for (int f : faces)
    if (f >= 1 && f <= 6) sum += f;
  return sum;
}

// How many of the faces first..last show at least once.
int Present(const std::array<int, 7>& count, int first, int last) {
  int n = 0;
  for (int f = first; f <= last; ++f) n += count[f] > 0 ? 1 : 0;
  return n;
}

bool HasCount(const std::array<int, 7>& count, int n) {
  for (int f = 1; f <= 6; ++f)
    if (count[f] == n) return true;
  return false;
}

}  // namespace

int CategoryPoints(int category, const Faces& faces) {
  const auto count = FaceCounts(faces);
  switch (category) {
    case kBexil:
      for (int f = 6; f >= 1; --f)
        if (count[f] == 5) return 50;
      return 0;
    case kLargeStraight:
      return (Present(count, 2, 6) == 5 || Present(count, 1, 5) == 5) ? 30 : 0;
    case kSmallStraight:
      return (Present(count, 1, 4) == 4 || Present(count, 2, 5) == 4 || Present(count, 3, 6) == 4)
                 ? 15
                 : 0;
    case kFourOfAKind:
      return (HasCount(count, 4) || HasCount(count, 5)) ? Sum(faces) : 0;
    case kFullHouse:
      return (HasCount(count, 3) && HasCount(count, 2)) ? Sum(faces) : 0;
    case kSixes:
      return 6 * count[6];
    case kFives:
      return 5 * count[5];
    case kFours:
      return 4 * count[4];
    case kThrees:
      return 3 * count[3];
    case kTwos:
      return 2 * count[2];
    case kOnes:
      return count[1];
    case kChoice:
      return Sum(faces);
    default:
      return 0;
  }
}

int AddToTotal(int total, int points) {
  int sum;
  if (!__builtin_add_overflow(total, points, &sum)) return sum;
  return points > 0 ? INT_MAX : INT_MIN;
}

void TYachtGame::ScoreCategory(int k) {
  if (k < 1 || k > kCategoryCount) return;
  if (CurrentPlayer < 0 || CurrentPlayer > 4) return;
  int& entry = Sheet[CurrentPlayer].Entry[k];
  if (entry != -1 || ScoreAllowed == 0) return;
  if (watcher_ != nullptr) watcher_->BeforeWrite(k);
  LastCategory = k;
  UndoScore = 1;
  UndoReturn = 0;
  const Faces faces{Die[1].Face, Die[2].Face, Die[3].Face, Die[4].Face, Die[5].Face};
  const int points = CategoryPoints(k, faces);
  entry = points;
  WriteScore(points, RowTop(k));
}

void TYachtGame::ScoreBexil() {
  ScoreCategory(kBexil);
}
void TYachtGame::ScoreLargeStraight() {
  ScoreCategory(kLargeStraight);
}
void TYachtGame::ScoreSmallStraight() {
  ScoreCategory(kSmallStraight);
}
void TYachtGame::ScoreFourOfAKind() {
  ScoreCategory(kFourOfAKind);
}
void TYachtGame::ScoreFullHouse() {
  ScoreCategory(kFullHouse);
}
void TYachtGame::ScoreSixes() {
  ScoreCategory(kSixes);
}
void TYachtGame::ScoreFives() {
  ScoreCategory(kFives);
}
void TYachtGame::ScoreFours() {
  ScoreCategory(kFours);
}
void TYachtGame::ScoreThrees() {
  ScoreCategory(kThrees);
}
void TYachtGame::ScoreTwos() {
  ScoreCategory(kTwos);
}
void TYachtGame::ScoreOnes() {
  ScoreCategory(kOnes);
}
void TYachtGame::ScoreChoice() {
  ScoreCategory(kChoice);
}

void TYachtGame::WriteScore(int points, int y) {
  Sheet[CurrentPlayer].Total = AddToTotal(Sheet[CurrentPlayer].Total, points);
  show_.PlaySound(GameSound::Pen, false);
  show_.DrawNewScore(points, y);
  show_.PauseAfterPen();
  ScoreAllowed = 0;
  show_.DrawTotalLine(false);
  if (GameUnfinished()) {
    PrepareNextTurn();
  } else {
    GameActive = 0;
    if (watcher_ != nullptr) watcher_->GameOver();
    show_.AnnounceGameOver();
  }
}

}  // namespace ossaric
