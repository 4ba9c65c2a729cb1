// A whole throw of five dice in the real game window (the Qt host, its scene widget and the
// window system's paints), at the scene's own size, twice it and a 3840 x 2160 window. Each
// throw is a handler as a press starts it: from the press to the last frame on the screen,
// set beside its pacing (23 pauses of AnimDelay); and the processor time the throw cost.
//
//   ossaric-bench-host [--throws N] [--maximised]
//
// Runs on whichever Qt platform is set (offscreen by default; xcb under Xvfb). With
// --maximised the window is maximised instead of sized, for a real screen.
#include <unistd.h>

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "desktop/qt/main_window.h"
#include "desktop/qt/qt_host.h"
#include "desktop/qt/scene_widget.h"
#include "ui/yacht_window.h"
#include "window_probe.h"

namespace ossaric {
namespace {

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double WallMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Idle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Mid-game: two players, the dice all in the cup, nothing shown over the table.
void SetUpThrow(TWindowProbe w) {
  w.State().ScreenUp = SceneScreen::Board;
  w.Game().GameActive = 1;
  w.Game().PlayerCount = 2;
  w.Game().CurrentPlayer = 1;
  w.State().SoundOn = 0;
  for (int i = 1; i <= 5; ++i) {
    w.Game().Die[i].InCup = 1;
    w.Game().ToThrow[i] = 1;
  }
  for (int k = 1; k <= 20; ++k) w.Game().TableSlot[k].Occupied = 0;
  w.Game().DiceInCup = 5;
  w.Game().ThrowsMade = 0;
}

struct Figures {
  double wall, cpu, pacing;
};

Figures Throws(MainWindow& window, int throws) {
  TWindowProbe game = window.Game();
  QtHost& host = window.GameHost();
  const double pacing = (8 + 3 * 5) * game.State().AnimDelay;
  std::vector<double> walls, cpus;
  for (int n = 0; n < throws; ++n) {
    host.Deliver(QtHost::Kind::Input, [&] {
      SetUpThrow(game);
      game.Window().EvPaint();
    });
    Idle(60);
    const double w0 = WallMs(), c0 = CpuMs();
    host.Deliver(QtHost::Kind::Input, [&] { game.Game().ThrowDice(); });
    // The last frame reaches the screen with the paint that follows the handler.
    QCoreApplication::processEvents();
    walls.push_back(WallMs() - w0);
    cpus.push_back(CpuMs() - c0);
  }
  return {Median(walls), Median(cpus), pacing};
}

// Context switches of the calling thread so far: each is a wake-up after a sleep (or a
// preemption).
long Switches() {
  std::FILE* f = std::fopen("/proc/thread-self/status", "r");
  if (f == nullptr) return 0;
  char line[256];
  long total = 0, n = 0;
  while (std::fgets(line, sizeof line, f)) {
    if (std::sscanf(line, "voluntary_ctxt_switches: %ld", &n) == 1) total += n;
    if (std::sscanf(line, "nonvoluntary_ctxt_switches: %ld", &n) == 1) total += n;
  }
  std::fclose(f);
  return total;
}

// One of the game's long pauses (the computer's turn waits a second between its moves): the
// window thread's wake-ups and processor time.
void Pause(MainWindow& window, int ms) {
  const double w0 = WallMs(), c0 = ThreadCpuMs();
  const long s0 = Switches();
  window.GameHost().Deliver(QtHost::Kind::Input,
                            [&] { TWindowProbe(window.Game()).Show().Delay(ms); });
  const double wall = WallMs() - w0;
  std::printf("RealHostPause/%dms wakeups_per_s=%.1f main_thread_cpu_%%=%.3f\n", ms,
              (Switches() - s0) * 1000.0 / wall, 100.0 * (ThreadCpuMs() - c0) / wall);
}

}  // namespace
}  // namespace ossaric

int main(int argc, char** argv) {
  using namespace ossaric;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  int throws = 7;
  bool maximised = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--throws") == 0 && i + 1 < argc) throws = std::atoi(argv[++i]);
    if (std::strcmp(argv[i], "--maximised") == 0) maximised = true;
  }
  throws = std::max(1, throws);
  char tmpl[] = "/tmp/ossaric-bench-host-XXXXXX";
  const std::filesystem::path dir = mkdtemp(tmpl);
  std::filesystem::current_path(dir);
  setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  ossaric::ChooseEventLoop();
  QApplication app(argc, argv);
  int failures = 0;
  {
    MainWindow window;
    window.show();
    window.Start();
    Idle(200);
    const int menu = window.menuBar()->height();
    const QSize sizes[] = {{632, 434}, {1264, 868}, {3840, 2160}};
    for (const QSize& size : sizes) {
      if (maximised) {
        if (size != sizes[2]) continue;
        window.showMaximized();
        Idle(300);
        // Without a window manager nobody maximises: the window takes the screen itself.
        if (window.width() < size.width() * 9 / 10)
          window.setGeometry(window.screen()->availableGeometry());
      } else {
        window.resize(size.width(), size.height() + menu);
      }
      Idle(300);
      const QSize scene = window.Scene()->size();
      const Figures f = Throws(window, throws);
      std::printf("RealHostThrow/%dx%d wall_ms=%.1f pacing_ms=%.0f pacing_x=%.3f cpu_ms=%.1f\n",
                  scene.width(), scene.height(), f.wall, f.pacing, f.wall / f.pacing, f.cpu);
      std::fflush(stdout);
      if (scene.width() < size.width() * 9 / 10 && !maximised) ++failures;
    }
    Pause(window, 1000);
  }
  std::error_code ec;
  std::filesystem::current_path("/", ec);
  std::filesystem::remove_all(dir, ec);
  if (failures) std::fprintf(stderr, "the window could not be given the sizes asked for\n");
  return failures ? 1 : 0;
}
