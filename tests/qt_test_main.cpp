// The tests of the real host and window run in a widget application of their own, offscreen and
// silent unless told otherwise, on the event loop the program uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "desktop/qt/qt_host.h"

// In the sanitizer build a leak's stack is unwound in full, through Qt, which keeps no frame
// pointers, so that the suppressions can name what Qt's own threads leave at exit (lsan.supp).
extern "C" const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // English whatever the desktop's language; the tests of other languages choose their own.
  setenv("LANGUAGE", "en", 1);
  setenv("LC_MESSAGES", "C.UTF-8", 1);
  ossaric::ChooseEventLoop();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
