// ossaric-aistats [--games N] [--seed S] [--exhaustive] [--expert-only]
//
// Plays N headless games (10000 by default) of "Player 1" against "Computer" with random
// dice. Player 1 throws once and writes its first open category; the computer plays by its
// rules. Prints the mean and standard deviation of the computer's final total, how many
// throws its turns took, and any broken invariant (a turn that wrote no category or more than
// one, or a throw from an empty cup). --exhaustive first puts every multiset of five faces
// before the final-throw category choice with every set of open categories.
//
//
// Then the expert computer plays N games of its column alone with the same seed, on the game
// model without a window (its play does not depend on the other column), and its mean and
// standard deviation are set beside the best play's expectation, which they should meet within
// 0.7 points over 10,000 games. --expert-only leaves out the classic computer's games.
//
// Runs in a fresh temporary directory, so no settings or Top Ten file of the user is touched.
#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "ai/expert.h"
#include "script_runner.h"

namespace {

using ossaric::kCategoryCount;
using ossaric::RowTop;
using ossaric::TScoreColumn;
using ossaric::TWindowProbe;
using ossaric::TYachtWindow;

struct Options {
  long games = 10000;
  unsigned seed = 1;
  bool exhaustive = false;
  bool expertOnly = false;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--games" && i + 1 < argc) {
      char* end = nullptr;
      o.games = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || o.games < 1) return false;
    } else if (a == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      o.seed = static_cast<unsigned>(std::strtoul(argv[++i], &end, 10));
      if (*end != '\0') return false;
    } else if (a == "--exhaustive") {
      o.exhaustive = true;
    } else if (a == "--expert-only") {
      o.expertOnly = true;
    } else {
      return false;
    }
  }
  return true;
}

int OpenCount(const TScoreColumn& c) {
  int n = 0;
  for (int k = 1; k <= kCategoryCount; ++k) n += c.Entry[k] == -1 ? 1 : 0;
  return n;
}

// How many entries differ, and whether one of them was already written.
int Changes(const TScoreColumn& before, const TScoreColumn& after, bool& overwrote) {
  int n = 0;
  for (int k = 1; k <= kCategoryCount; ++k) {
    if (before.Entry[k] == after.Entry[k]) continue;
    ++n;
    overwrote = overwrote || before.Entry[k] != -1;
  }
  return n;
}

bool SawEmptyCup(ossaric::HeadlessHost& host) {
  for (const auto& m : host.messages_)
    if (m.find("There are no dice in the cup") != std::string::npos) return true;
  return false;
}

// Every multiset of five faces with every non-empty set of open categories: the choice after
// the third throw writes exactly one open category. Returns the number of failures.
long CheckEveryChoice(TWindowProbe w, ossaric::HeadlessHost& host) {
  long checked = 0, failures = 0;
  for (int open = 1; open < (1 << 12); ++open) {
    for (int a = 1; a <= 6; ++a)
      for (int b = a; b <= 6; ++b)
        for (int c = b; c <= 6; ++c)
          for (int d = c; d <= 6; ++d)
            for (int e = d; e <= 6; ++e) {
              const int faces[5] = {a, b, c, d, e};
              TScoreColumn before;
              for (int k = 1; k <= kCategoryCount; ++k)
                if ((open & (1 << (k - 1))) == 0) before.Entry[k] = 0;
              w.Game().GameActive = 1;
              w.Game().CurrentPlayer = 0;
              w.Game().NextPlayerPending = 0;
              w.Game().ThrowsMade = 3;
              w.Game().ScoreAllowed = 1;
              w.Game().DiceInCup = 5;
              w.Game().Sheet[0] = before;
              w.Game().Sheet[1] = TScoreColumn{};
              for (int i = 1; i <= 5; ++i) {
                w.Game().Die[i] = ossaric::TDie{};
                w.Game().Die[i].Face = faces[i - 1];
                w.Game().Die[i].Slot = i;
              }
              w.Computer().ChooseComputerCategory();
              bool overwrote = false;
              if (Changes(before, w.Game().Sheet[0], overwrote) != 1 || overwrote) {
                if (failures < 10)
                  std::printf("choice failed: dice %d%d%d%d%d, open mask %d\n", a, b, c, d, e,
                              open);
                ++failures;
              }
              ++checked;
            }
    host.events_.clear();
  }
  std::printf(
      "final-throw choice: %ld situations checked (252 throws x 4095 open sets), %ld "
      "failures\n",
      checked, failures);
  return failures;
}

// A table that shows nothing: the expert's games run on the model alone.
class SilentShow : public ossaric::TGameShow {
 public:
  void ShowNotice(ossaric::Notice) override { ++notices; }
  void PlaySound(ossaric::GameSound, bool) override {}
  void StopSounds() override {}
  void PauseAfterPen() override {}
  void Delay(int) override {}
  void ShowPointer(ossaric::GamePointer) override {}
  void Repaint() override {}
  void AnimateCupShake() override {}
  void AnimateDieFlight(int) override {}
  void SettleCup() override {}
  void AnimateDieToCup(int) override {}
  void DrawDieAtPlace(int) override {}
  void DrawCupAtHome() override {}
  void ClearCupAtHome() override {}
  void DrawThrowDots() override {}
  void DrawNextPlayerButton() override {}
  void DrawScoreColumn(bool) override {}
  void DrawTotalLine(bool) override {}
  void DrawNewScore(int, int) override {}
  void AnnounceGameOver() override {}
  long notices = 0;
};

// The expert's games: its column alone, player 1's column written full beforehand. Returns the
// number of broken invariants.
long ExpertGames(const Options& o) {
  SilentShow show;
  ossaric::Random random(o.seed);
  ossaric::TYachtGame game(show, random);
  ossaric::TExpertPlayer expert(game);
  const auto t0 = std::chrono::steady_clock::now();
  const double best = ossaric::ai::TSolver::Get().Value(ossaric::ai::kAllOpen);
  const double tableMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  double sum = 0, sumSquares = 0;
  long bad = 0;
  for (long g = 0; g < o.games; ++g) {
    game.PlayerCount = 0;
    game.BeginGame();
    for (int k = 1; k <= kCategoryCount; ++k) game.Sheet[1].Entry[k] = 0;
    for (int turn = 0; turn < kCategoryCount && game.GameActive == 1; ++turn) {
      const int open = OpenCount(game.Sheet[0]);
      game.NextPlayerPending = 0;
      game.CurrentPlayer = 0;
      game.ComputerBusy = 1;
      expert.PlayComputerTurn();
      if (OpenCount(game.Sheet[0]) != open - 1) ++bad;
    }
    if (game.GameActive == 1 || OpenCount(game.Sheet[0]) != 0) ++bad;
    const double total = game.Sheet[0].Total;
    sum += total;
    sumSquares += total * total;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double n = static_cast<double>(o.games);
  const double mean = sum / n;
  const double sd = o.games > 1 ? std::sqrt((sumSquares - sum * sum / n) / (n - 1)) : 0.0;
  std::printf("expert games: %ld (seed %u), %.1f s, the best-play table ready in %.0f ms\n",
              o.games, o.seed, seconds, tableMs);
  std::printf(
      "expert computer final total: mean %.2f, standard deviation %.2f (best play expects "
      "%.2f; %s)\n",
      mean, sd, best, std::fabs(mean - best) <= 0.7 ? "within 0.7" : "NOT within 0.7");
  std::printf(
      "expert broken invariants: %ld (turns not writing exactly one category, %ld "
      "notices)\n",
      bad, show.notices);
  return bad + show.notices;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr, "usage: ossaric-aistats [--games N] [--seed S] [--exhaustive]\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // fonts need a GUI application, not a screen
  QGuiApplication app(argc, argv);
  char tmpl[] = "/tmp/ossaric-aistats-XXXXXX";
  if (mkdtemp(tmpl) == nullptr) {
    std::perror("ossaric-aistats: temporary directory");
    return 1;
  }
  const std::filesystem::path dir = tmpl;
  std::filesystem::current_path(dir);
  setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);

  long failures = 0;
  {
    std::ostream discard(nullptr);  // the runner's JSON lines are not wanted here
    ossaric::ScriptRunner runner(discard);
    TWindowProbe w = runner.Window();
    ossaric::HeadlessHost& host = runner.Host();
    w.State().AnimDelay = 0;
    w.State().SoundOn = 0;
    w.State().MusicOn = 0;
    w.State().ScreenUp = ossaric::SceneScreen::Board;
    w.Game().PlayerCount = 0;

    if (o.exhaustive) failures += CheckEveryChoice(w, host);

    runner.Rand().Seed(o.seed);
    const long classicGames = o.expertOnly ? 0 : o.games;
    const auto t0 = std::chrono::steady_clock::now();
    double sum = 0, sumSquares = 0, humanSum = 0;
    int lowest = 1 << 30, highest = -1;
    long throwsUsed[4] = {};
    std::array<double, kCategoryCount + 1> categorySum{};
    long badTurns = 0, emptyCups = 0, unfinished = 0;
    for (long g = 0; g < classicGames; ++g) {
      w.State().ScreenUp = ossaric::SceneScreen::Board;
      w.RestartGame();
      w.State().AnimDelay = 0;
      w.State().SoundOn = 0;
      for (int turn = 0; turn < kCategoryCount && w.Game().GameActive == 1; ++turn) {
        w.Window().EvLeftButtonDown(60, 300);  // player 1 takes the cup and throws
        int k = 1;
        while (k < kCategoryCount && w.Game().Sheet[1].Entry[k] != -1) ++k;
        w.Window().EvLeftButtonDown(400, RowTop(k) + 5);
        const TScoreColumn before = w.Game().Sheet[0];
        w.Window().EvLeftButtonDown(60, 300);  // the cup goes to the computer, which plays its turn
        bool overwrote = false;
        if (Changes(before, w.Game().Sheet[0], overwrote) != 1 || overwrote) ++badTurns;
        const int used = w.Game().GameActive == 1 ? w.Game().SavedThrows : w.Game().ThrowsMade;
        if (used >= 1 && used <= 3) ++throwsUsed[used];
      }
      if (SawEmptyCup(host)) ++emptyCups;
      if (w.Game().GameActive == 1 || OpenCount(w.Game().Sheet[0]) != 0 ||
          OpenCount(w.Game().Sheet[1]) != 0)
        ++unfinished;
      const int total = w.Game().Sheet[0].Total;
      sum += total;
      sumSquares += static_cast<double>(total) * total;
      lowest = std::min(lowest, total);
      highest = std::max(highest, total);
      humanSum += w.Game().Sheet[1].Total;
      for (int c = 1; c <= kCategoryCount; ++c) categorySum[c] += w.Game().Sheet[0].Entry[c];
      host.events_.clear();
      host.messages_.clear();
    }
    if (classicGames > 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      const double n = static_cast<double>(classicGames);
      const double mean = sum / n;
      const double sd = classicGames > 1 ? std::sqrt((sumSquares - sum * sum / n) / (n - 1)) : 0.0;
      std::printf("games: %ld (seed %u), %.1f s\n", classicGames, o.seed, seconds);
      std::printf(
          "computer final total: mean %.2f, standard deviation %.2f, lowest %d, highest %d\n", mean,
          sd, lowest, highest);
      std::printf("player 1 (one throw, first open category): mean %.2f\n", humanSum / n);
      const double turns = static_cast<double>(throwsUsed[1] + throwsUsed[2] + throwsUsed[3]);
      std::printf("computer turns ending after 1/2/3 throws: %.1f%% / %.1f%% / %.1f%%\n",
                  100.0 * throwsUsed[1] / turns, 100.0 * throwsUsed[2] / turns,
                  100.0 * throwsUsed[3] / turns);
      static const char* const names[] = {
          "",           "Bexil", "Large Straight", "Small Straight", "Four of a Kind",
          "Full House", "Sixes", "Fives",          "Fours",          "Threes",
          "Twos",       "Ones",  "Choice"};
      std::printf("computer's mean entry per category:\n");
      for (int c = 1; c <= kCategoryCount; ++c)
        std::printf("  %-15s %6.2f\n", names[c], categorySum[c] / n);
      std::printf(
          "broken invariants: %ld turns not writing exactly one open category, %ld games "
          "with an empty-cup throw, %ld games not ending with both columns full\n",
          badTurns, emptyCups, unfinished);
    }
    failures += badTurns + emptyCups + unfinished;
  }
  failures += ExpertGames(o);
  std::error_code ec;
  std::filesystem::current_path("/", ec);
  std::filesystem::remove_all(dir, ec);
  return failures == 0 ? 0 : 1;
}
