// The game model on its own: a show that records what the rules show, the generator with
// scripted faces, the computer's seat, and named builders that set a table up. No window, no
// surface, no host.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "game/game.h"

namespace ossaric::testing {

// Every call of the show interface as one line: "notice Three roll limit: Choose a score
// category now", "sound 3", "pointer wait", "delay 1500", "flight 2", ...
class RecordingShow : public TGameShow {
 public:
  std::vector<std::string> calls;
  int waited = 0;  // milliseconds of the computer's pauses

  // The calls that start with `prefix`, in order.
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& c : calls)
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }
  // Where the first call starting with `prefix` stands; calls.size() when there is none.
  size_t First(const std::string& prefix) const {
    for (size_t i = 0; i < calls.size(); ++i)
      if (calls[i].rfind(prefix, 0) == 0) return i;
    return calls.size();
  }

  // A notice as the English window words it, caption first.
  void ShowNotice(Notice notice) override {
    static const char* const kWords[] = {"Start new play: Choose option from the Play menu",
                                         "Three roll limit: Choose a score category now",
                                         ": There are no dice in the cup",
                                         "End of Game: Choose option from the Play menu"};
    calls.push_back(std::string("notice ") + kWords[static_cast<int>(notice)]);
  }
  void PlaySound(GameSound sound, bool wait) override {
    calls.push_back("sound " + std::to_string(static_cast<int>(sound)) + (wait ? " wait" : ""));
  }
  void StopSounds() override { calls.push_back("stop sounds"); }
  void PauseAfterPen() override { calls.push_back("pen pause"); }
  void Delay(int ms) override {
    waited += ms;
    calls.push_back("delay " + std::to_string(ms));
  }
  void ShowPointer(GamePointer pointer) override {
    static const char* const kNames[] = {"roll", "next", "wait", "arrow"};
    calls.push_back(std::string("pointer ") + kNames[static_cast<int>(pointer)]);
  }
  void Repaint() override { calls.push_back("repaint"); }
  void AnimateCupShake() override { calls.push_back("shake"); }
  void AnimateDieFlight(int i) override { calls.push_back("flight " + std::to_string(i)); }
  void SettleCup() override { calls.push_back("settle"); }
  void AnimateDieToCup(int i) override { calls.push_back("to cup " + std::to_string(i)); }
  void DrawDieAtPlace(int i) override { calls.push_back("die " + std::to_string(i)); }
  void DrawCupAtHome() override { calls.push_back("cup"); }
  void ClearCupAtHome() override { calls.push_back("clear cup"); }
  void DrawThrowDots() override { calls.push_back("dots"); }
  void DrawNextPlayerButton() override { calls.push_back("next button"); }
  void DrawScoreColumn(bool erase) override { calls.push_back(erase ? "erase column" : "column"); }
  void DrawTotalLine(bool erase) override { calls.push_back(erase ? "erase total" : "total"); }
  void DrawNewScore(int points, int y) override {
    calls.push_back("score " + std::to_string(points) + " at " + std::to_string(y));
  }
  void AnnounceGameOver() override { calls.push_back("game over"); }
};

// Named set-ups of a table, so that a test reads as the situation it starts from:
//   TableBuilder(game).AgainstTheComputer().ComputerToThrow().Dice({2, 2, 3, 5, 6}).AfterThrow(1)
class TableBuilder {
 public:
  explicit TableBuilder(TYachtGame& game) : g_(game) { g_.GameActive = 1; }

  // A game of `n` people (1..4).
  TableBuilder& Players(int n) {
    g_.PlayerCount = n;
    g_.CurrentPlayer = 1;
    return *this;
  }
  // One person against the computer, player 1 to throw.
  TableBuilder& AgainstTheComputer() {
    g_.PlayerCount = 0;
    g_.CurrentPlayer = 1;
    return *this;
  }
  TableBuilder& PlayerToThrow(int player) {
    g_.CurrentPlayer = player;
    return *this;
  }
  // The computer is in the middle of its turn and has written nothing yet.
  TableBuilder& ComputerToThrow() {
    g_.CurrentPlayer = 0;
    g_.ComputerBusy = 1;
    g_.ComputerDone = 0;
    g_.NextPlayerPending = 0;
    return *this;
  }
  // The five dice lie on the table with these faces, on places 1..5 unless given; the cup is
  // empty and scoring is allowed.
  TableBuilder& Dice(const std::array<int, 5>& faces,
                     const std::array<int, 5>& places = {1, 2, 3, 4, 5}) {
    ClearPlaces();
    for (int i = 1; i <= 5; ++i) {
      g_.Die[i] = TDie{};
      g_.Die[i].Face = faces[i - 1];
      g_.Die[i].Slot = places[i - 1];
      g_.Die[i].InCup = 0;
      g_.ToThrow[i] = 0;
      g_.TableSlot[places[i - 1]].Occupied = 1;
    }
    g_.DiceInCup = 0;
    g_.ScoreAllowed = 1;
    return *this;
  }
  // All five dice in the cup, nothing thrown yet this turn.
  TableBuilder& DiceInCup() {
    ClearPlaces();
    for (int i = 1; i <= 5; ++i) {
      g_.Die[i].InCup = 1;
      g_.ToThrow[i] = 1;
    }
    g_.DiceInCup = 5;
    g_.ThrowsMade = 0;
    g_.ScoreAllowed = 0;
    return *this;
  }
  TableBuilder& AfterThrow(int n) {
    g_.ThrowsMade = n;
    return *this;
  }
  // The last game has ended: nothing may be thrown or returned.
  TableBuilder& GameOver() {
    g_.GameActive = 0;
    return *this;
  }
  // The NEXT button stands on the cup: the turn just ended.
  TableBuilder& CupToHandOn() {
    g_.NextPlayerPending = 1;
    return *this;
  }
  // Every column empty again.
  TableBuilder& EmptySheets() {
    for (TScoreColumn& column : g_.Sheet) column = TScoreColumn{};
    return *this;
  }
  // `categories` of `column` hold `points`.
  TableBuilder& Written(int column, const std::vector<int>& categories, int points = 0) {
    for (int k : categories) {
      g_.Sheet[column].Entry[k] = points;
      g_.Sheet[column].Total += points;
    }
    return *this;
  }
  TableBuilder& Total(int column, int total) {
    g_.Sheet[column].Total = total;
    return *this;
  }

 private:
  void ClearPlaces() {
    for (int k = 1; k <= 20; ++k) g_.TableSlot[k].Occupied = 0;
  }

  TYachtGame& g_;
};

// Every category but those listed.
inline std::vector<int> AllBut(std::initializer_list<int> open) {
  std::vector<int> written;
  for (int k = 1; k <= 12; ++k)
    if (std::find(open.begin(), open.end(), k) == open.end()) written.push_back(k);
  return written;
}

// A model with its recording show, generator and computer seat.
class ModelTest : public ::testing::Test {
 protected:
  ModelTest() { game_.SetComputer(&computer_); }

  TableBuilder Table() { return TableBuilder(game_); }
  // The next throws take `faces` (and `places`, when given) in order.
  void Faces(const std::deque<int>& faces) { random_.ScriptFaces(faces); }

  RecordingShow show_;
  Random random_{7};
  TYachtGame game_{show_, random_};
  TComputerPlayer computer_{game_};
};

}  // namespace ossaric::testing
