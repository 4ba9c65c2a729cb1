// Test entry point: the drawing code needs a Qt GUI application (offscreen) for its fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // English whatever the desktop's language; the tests of other languages choose their own.
  setenv("LANGUAGE", "en", 1);
  setenv("LC_MESSAGES", "C.UTF-8", 1);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
