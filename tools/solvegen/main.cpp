// ossaric-solvegen OUTPUT.cpp: writes the best-play table (the expected points still to come
// for each of the 4,096 sets of open categories) as a C++ source file.
#include <cstdio>

#include "ai/solver.h"

// This program works the table out itself.
const double* ossaric::ai::BestPlayTable() {
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ossaric-solvegen OUTPUT.cpp\n");
    return 2;
  }
  const ossaric::ai::TSolver& solver = ossaric::ai::TSolver::Get();
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(out,
               "// Written by ossaric-solvegen: the expected points still to come under the best\n"
               "// play, by set of open categories (bit k-1 for category k).\n"
               "#include \"ai/solver.h\"\n\n"
               "namespace {\n"
               "const double kTable[%u] = {\n",
               ossaric::ai::kAllOpen + 1);
  for (unsigned open = 0; open <= ossaric::ai::kAllOpen; ++open)
    std::fprintf(out, "    %.17g,\n", solver.Value(open));
  std::fprintf(out,
               "};\n"
               "}  // namespace\n\n"
               "const double* ossaric::ai::BestPlayTable() {\n"
               "  return kTable;\n"
               "}\n");
  return std::fclose(out) == 0 ? 0 : 1;
}
