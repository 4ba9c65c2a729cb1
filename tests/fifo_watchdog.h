// Frees a test from a read that waits on a FIFO: once its patience runs out, it opens each of
// the FIFOs for writing (without waiting itself), which ends any read blocked on them. Stop()
// says whether it had to.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace ossaric {

class FifoWatchdog {
 public:
  FifoWatchdog(std::vector<std::string> fifos, std::chrono::seconds patience)
      : fifos_(std::move(fifos)), thread_([this, patience] { Watch(patience); }) {}
  ~FifoWatchdog() { Stop(); }
  FifoWatchdog(const FifoWatchdog&) = delete;
  FifoWatchdog& operator=(const FifoWatchdog&) = delete;

  // Ends the watch; true when a waiting read had to be released.
  bool Stop() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
    return released_;
  }

 private:
  void Watch(std::chrono::seconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (std::chrono::steady_clock::now() < deadline) continue;
      released_ = true;
      for (const std::string& f : fifos_) {
        const int fd = open(f.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) close(fd);
      }
    }
  }

  std::vector<std::string> fifos_;
  std::atomic<bool> done_{false}, released_{false};
  std::thread thread_;
};

}  // namespace ossaric
