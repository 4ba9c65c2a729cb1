// The game's start and close as the X server sees them, from outside the program: the time from
// exec to the window being mapped and to its first complete frame (a pixel of the parchment
// lit), the resident memory three seconds after exec, and the time from a close request (the
// window manager's WM_DELETE_WINDOW) until the window is gone and until the program has exited.
// Runs the program N times one after the other on the X display it is given, without a window
// manager, and prints the medians. With --bare it runs a bare window (the yardstick, built
// beside this benchmark) before each run of the program, in turn, and gives the program's times
// also as multiples of the bare window's.
//
//   ossaric-bench-start [--runs N] [--bare BARE] PROGRAM [ARG...]
//
// The program is started in the current directory with the environment it is given.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(r);
  return atom;
}

// The brightness of one pixel of the window, or -1 when it cannot be read.
int Brightness(xcb_connection_t* c, xcb_window_t w, int x, int y) {
  xcb_get_image_reply_t* r = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, x, y, 1, 1, ~0u), nullptr);
  if (r == nullptr) return -1;
  int value = -1;
  if (xcb_get_image_data_length(r) >= 3) {
    const uint8_t* p = xcb_get_image_data(r);
    value = (p[0] + p[1] + p[2]) / 3;
  }
  std::free(r);
  return value;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

struct Run {
  double mapped = 0, frame = 0, gone = 0, exited = 0;
  long rssKb = 0;
  bool ok = false;
};

// Waits for an event matching `want` until `deadlineMs` after `t0`, polling the connection.
template <typename Want>
bool WaitFor(xcb_connection_t* c, Clock::time_point t0, double deadlineMs, Want want) {
  while (MsSince(t0) < deadlineMs) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      const bool hit = want(e);
      std::free(e);
      if (hit) return true;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

Run Once(xcb_connection_t* c, char** argv) {
  Run run;
  const Clock::time_point t0 = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    _exit(127);
  }
  // The game's main window is the first one mapped (without a window manager, on the root).
  xcb_window_t window = 0;
  if (!WaitFor(c, t0, 20000, [&](xcb_generic_event_t* e) {
        if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY) return false;
        auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
        if (m->override_redirect) return false;
        window = m->window;
        return true;
      })) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return run;
  }
  run.mapped = MsSince(t0);
  // The first frame: the parchment in the scroll's middle is lit (the window is black before).
  xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  const int x = g ? g->width * 3 / 4 : 0, y = g ? g->height / 2 : 0;
  std::free(g);
  while (MsSince(t0) < 20000 && Brightness(c, window, x, y) < 160)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  run.frame = MsSince(t0);
  while (MsSince(t0) < 3000) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  run.rssKb = ResidentKb(pid);
  // A close request, as the window manager sends it for the close box.
  xcb_client_message_event_t msg{};
  msg.response_type = XCB_CLIENT_MESSAGE;
  msg.format = 32;
  msg.window = window;
  msg.type = Atom(c, "WM_PROTOCOLS");
  msg.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
  msg.data.data32[1] = XCB_CURRENT_TIME;
  const Clock::time_point t1 = Clock::now();
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&msg));
  xcb_flush(c);
  const bool gone = WaitFor(c, t1, 10000, [&](xcb_generic_event_t* e) {
    const int type = e->response_type & 0x7f;
    if (type == XCB_UNMAP_NOTIFY)
      return reinterpret_cast<xcb_unmap_notify_event_t*>(e)->window == window;
    if (type == XCB_DESTROY_NOTIFY)
      return reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window == window;
    return false;
  });
  run.gone = MsSince(t1);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (MsSince(t1) > 10000) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return run;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  run.exited = MsSince(t1);
  // Events of the windows the program left behind are not the next run's.
  while (xcb_generic_event_t* e = xcb_poll_for_event(c)) std::free(e);
  run.ok = gone && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

struct Figures {
  std::vector<double> mapped, frame, gone, exited, rss;
  int failures = 0;
  void Add(const Run& r) {
    if (!r.ok) {
      ++failures;
      return;
    }
    mapped.push_back(r.mapped);
    frame.push_back(r.frame);
    gone.push_back(r.gone);
    exited.push_back(r.exited);
    rss.push_back(r.rssKb / 1024.0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  int runs = 7, first = 1;
  char* bare = nullptr;
  while (first + 1 < argc && argv[first][0] == '-') {
    if (std::strcmp(argv[first], "--runs") == 0)
      runs = std::max(1, std::atoi(argv[first + 1]));
    else if (std::strcmp(argv[first], "--bare") == 0)
      bare = argv[first + 1];
    else
      break;
    first += 2;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: ossaric-bench-start [--runs N] [--bare BARE] PROGRAM [ARG...]\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);
  Figures game, yardstick;
  char* bareArgv[] = {bare, nullptr};
  for (int i = 0; i < runs; ++i) {
    if (bare != nullptr) yardstick.Add(Once(c, bareArgv));
    game.Add(Once(c, argv + first));
  }
  if (bare != nullptr)
    std::printf("BareStart exec_to_map_ms=%.1f exec_to_first_frame_ms=%.1f rss_after_3s_mb=%.1f\n",
                Median(yardstick.mapped), Median(yardstick.frame), Median(yardstick.rss));
  std::printf("RealStart exec_to_map_ms=%.1f exec_to_first_frame_ms=%.1f rss_after_3s_mb=%.1f",
              Median(game.mapped), Median(game.frame), Median(game.rss));
  if (bare != nullptr && Median(yardstick.mapped) > 0)
    std::printf(" map_of_bare_x=%.2f first_frame_of_bare_x=%.2f",
                Median(game.mapped) / Median(yardstick.mapped),
                Median(game.frame) / Median(yardstick.frame));
  std::printf("\nRealClose request_to_window_gone_ms=%.1f request_to_exit_ms=%.1f\n",
              Median(game.gone), Median(game.exited));
  xcb_disconnect(c);
  const int failures = game.failures + yardstick.failures;
  if (failures) std::fprintf(stderr, "%d of %d runs failed\n", failures, runs * (bare ? 2 : 1));
  return failures ? 1 : 0;
}
