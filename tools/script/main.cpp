// ossaric-script [SCRIPT]: replays a game script on the headless host and prints JSON lines.
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "platform/languages.h"
#include "script_runner.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  // The desktop's language, as the game speaks it: a scenario can be replayed in any language.
  ossaric::InstallTranslators();
  ossaric::ScriptRunner runner(std::cout);
  if (argc > 1) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cout << "{\"event\":\"error\",\"line\":0,\"text\":"
                << ossaric::JsonString(std::string("cannot open script ") + argv[1]) << "}\n";
      return 2;
    }
    return runner.Run(file);
  }
  return runner.Run(std::cin);
}
