// The best play's costs, each beside its limit (`of_limit_%` must stay under 100): answering a
// hint in the hardest moment of a turn (every category open, two throws left: 1 ms), working the
// whole table out as the build does (100 ms at first use, were it not built in), and what the
// program's start adds: reading ossaric.conf (5 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "ai/solver.h"
#include "platform/choices.h"

namespace ossaric {
namespace {

template <class F>
void Measure(benchmark::State& state, double limitMs, F&& f) {
  double totalMs = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["of_limit_%"] =
      100.0 * totalMs / static_cast<double>(state.iterations()) / limitMs;
}

void HintAnswer(benchmark::State& state) {
  const ai::TSolver& solver = ai::TSolver::Get();
  ai::TPosition p;
  p.faces = {1, 4, 6, 6, 3};
  p.throwsLeft = 2;
  p.mayWrite = true;
  Measure(state, 1.0, [&] { benchmark::DoNotOptimize(solver.Advise(p)); });
}
BENCHMARK(HintAnswer)->Unit(benchmark::kMicrosecond);

void WholeTable(benchmark::State& state) {
  Measure(state, 100.0, [&] {
    const ai::TSolver fresh(nullptr);
    benchmark::DoNotOptimize(fresh.Value(ai::kAllOpen));
  });
}
BENCHMARK(WholeTable)->Unit(benchmark::kMillisecond);

// Each read is of a file this process has not read before, as at a start.
void ReadChoicesAtStart(benchmark::State& state) {
  char tmpl[] = "/tmp/ossaric-bench-XXXXXX";
  const std::filesystem::path dir = mkdtemp(tmpl);
  double totalMs = 0;
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ChoicesFile file((dir / ("ossaric" + std::to_string(n++) + ".conf")).string());
    file.Write("Computer/Expert", 1);
    state.ResumeTiming();
    const auto t0 = std::chrono::steady_clock::now();
    ChoicesFile fresh(file.Path());
    benchmark::DoNotOptimize(fresh.Read("Computer/Expert", 0));
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["of_limit_%"] = 100.0 * totalMs / static_cast<double>(state.iterations()) / 5.0;
  std::filesystem::remove_all(dir);
}
BENCHMARK(ReadChoicesAtStart)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ossaric

BENCHMARK_MAIN();
