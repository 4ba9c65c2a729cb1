// A program with a planted fault, for the sanitizer build only: it shows that a fault of our
// own is reported (and fails the run) whatever the suppressions hide of the libraries.
//   canary leak      loses a block of our own
//   canary overread  reads one element past the end of an array
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int* volatile g_lost = nullptr;

int Leak() {
  g_lost = new int[64];
  g_lost[0] = 1;
  const int first = g_lost[0];
  g_lost = nullptr;  // the only pointer to the block is gone
  return first;
}

int Overread(int index) {
  std::vector<int> v(8, 1);
  return v.data()[index];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "leak") == 0) return Leak() - 1;
  if (argc == 2 && std::strcmp(argv[1], "overread") == 0) return Overread(argc + 6) - 1;
  std::fprintf(stderr, "usage: canary leak|overread\n");
  return 2;
}
