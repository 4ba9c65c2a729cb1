// Drawing time of the animations and of a full repaint, beside the pacing they are shown at.
// Animations pause AnimDelay (25 ms) at fixed steps, so a throw of five dice is paced at
// (8 + 3 * 5) x 25 ms; the drawing between the pauses must stay a small share of that, or a
// throw would take longer than its pacing says. Each benchmark reports `pacing_%`: drawing
// time as a share of the pacing that goes with it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/headless/headless_host.h"
#include "platform/random.h"
#include "ui/yacht_window.h"
#include "window_probe.h"

namespace ossaric {
namespace {

constexpr double kPacingMs = 25.0;  // the default AnimDelay

// A game window on the headless host, in a scratch game directory, mid-game: two columns,
// five dice on the table, scores written.
struct Game {
  std::filesystem::path dir;
  HeadlessHost host;
  HeadlessSound sound{host};
  Random random{7};
  std::unique_ptr<TYachtWindow> window;
  TWindowProbe w() { return *window; }

  Game() {
    char tmpl[] = "/tmp/ossaric-bench-XXXXXX";
    dir = mkdtemp(tmpl);
    std::filesystem::current_path(dir);
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    window = std::make_unique<TYachtWindow>(host, sound, random);
    window->EvPaint();
    w().State().ScreenUp = SceneScreen::Board;
    w().Game().GameActive = 1;
    w().Game().PlayerCount = 2;
    w().Game().CurrentPlayer = 1;
    w().State().SoundOn = 0;
    const int places[6] = {0, 3, 7, 12, 18, 20};
    for (int i = 1; i <= 5; ++i) {
      w().Game().Die[i].Slot = places[i];
      w().Game().Die[i].Face = i;
      w().Game().Die[i].InCup = 0;
      w().Game().TableSlot[places[i]].Occupied = 1;
    }
    for (int k = 1; k <= 8; ++k) w().Game().Sheet[1].Entry[k] = 5 * k;
    w().Game().Sheet[1].Total = 180;
    window->EvPaint();
  }
  ~Game() {
    window.reset();
    std::error_code ec;
    std::filesystem::current_path("/", ec);
    std::filesystem::remove_all(dir, ec);
  }
};

// Runs `body` per iteration and reports its time as a share of `pacingMs`.
template <typename Body>
void Measure(benchmark::State& state, double pacingMs, Body body) {
  double total = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    body();
    total +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  }
  const double perIteration = state.iterations() ? total / state.iterations() : 0;
  state.counters["draw_ms"] = perIteration;
  state.counters["pacing_ms"] = pacingMs;
  state.counters["pacing_%"] = 100.0 * perIteration / pacingMs;
}

void FullRepaint(benchmark::State& state) {
  Game g;
  // A repaint is not paced; it is set beside one animation pause, the longest it may delay one.
  Measure(state, kPacingMs, [&] { g.w().PaintScreen(); });
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

void CupShakeStep(benchmark::State& state) {
  Game g;
  g.window->Screen().CopyIn(g.w().Pictures().CupUnder, 30, 274);
  // One shake position: save under, draw through the mask, restore; one pause each.
  Measure(state, kPacingMs, [&] {
    g.window->Screen().CopyOut(40, 274, 100, 150, g.w().Pictures().CupUnder);
    g.w().DrawMasked(g.w().Pictures().CupImage, g.w().Pictures().CupMask, 40, 274);
    g.window->Screen().CopyIn(g.w().Pictures().CupUnder, 40, 274);
  });
  g.w().Show().SettleCup();
}
BENCHMARK(CupShakeStep)->Unit(benchmark::kMicrosecond);

void DieFlightStep(benchmark::State& state) {
  Game g;
  g.w().Show().DrawDieAtPlace(3);
  const int x = g.w().Game().TableSlot[g.w().Game().Die[3].Slot].X;
  // One of the ten steps of a flight: restore, move, save, draw with pips. A flight pauses
  // three times in ten steps, so a step's share of the pacing is 3/10 of a pause.
  Measure(state, kPacingMs * 3 / 10, [&] {
    g.window->Screen().CopyIn(g.w().Pictures().DieUnder[3], x, 200);
    g.w().DrawDieSprite(3, 6, x, 200);
  });
}
BENCHMARK(DieFlightStep)->Unit(benchmark::kMicrosecond);

void DieToCupStep(benchmark::State& state) {
  Game g;
  g.w().Show().DrawDieAtPlace(2);
  Measure(state, kPacingMs * 3 / 10, [&] {
    g.window->Screen().CopyIn(g.w().Pictures().DieUnder[2], 80, 120);
    g.window->Screen().CopyOut(80, 120, 50, 50, g.w().Pictures().DieUnder[2]);
    g.w().DrawMasked(g.w().Pictures().DieImage, g.w().Pictures().DieMask, 80, 120);
  });
}
BENCHMARK(DieToCupStep)->Unit(benchmark::kMicrosecond);

// A whole throw of five dice at AnimDelay 0 (drawing only), beside the 23 pauses of 25 ms that
// pace it in play.
void WholeThrowOfFive(benchmark::State& state) {
  Game g;
  g.w().State().AnimDelay = 0;
  Measure(state, (8 + 3 * 5) * kPacingMs, [&] {
    for (int i = 1; i <= 5; ++i) {
      g.w().Game().Die[i].InCup = 1;
      g.w().Game().ToThrow[i] = 1;
    }
    for (int k = 1; k <= 20; ++k) g.w().Game().TableSlot[k].Occupied = 0;
    g.w().Game().DiceInCup = 5;
    g.w().Game().ThrowsMade = 0;
    g.w().Game().ThrowDice();
  });
}
BENCHMARK(WholeThrowOfFive)->Unit(benchmark::kMicrosecond);

// Returning one die to the cup: ten steps, three pauses.
void WholeReturn(benchmark::State& state) {
  Game g;
  g.w().State().AnimDelay = 0;
  Measure(state, 3 * kPacingMs, [&] {
    g.w().Show().DrawDieAtPlace(4);
    g.w().Show().AnimateDieToCup(4);
  });
}
BENCHMARK(WholeReturn)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ossaric

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
