// The real host's event gate: what arrives while a handler waits is handled after it, in the
// order it arrived; timer ticks that fell due meanwhile count once, and none survive a stop.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "desktop/qt/main_window.h"
#include "desktop/qt/qt_host.h"
#include "desktop/qt/scene_widget.h"
#include "desktop/qt/window_place.h"
#include "fifo_watchdog.h"
#include "platform/surface.h"
#include "ui/yacht_window.h"
#include "window_probe.h"

namespace ossaric {
namespace {

class Gate : public ::testing::Test {
 protected:
  Gate() : host_(&scene_) {
    scene_.resize(632, 434);
    scene_.show();
    scene_.onPress = [this](int x, int y) {
      host_.Deliver(QtHost::Kind::Input, [this, x, y] {
        log_.push_back("press " + std::to_string(x) + "," + std::to_string(y));
      });
    };
    scene_.onChar = [this](int ch) {
      host_.Deliver(QtHost::Kind::Input,
                    [this, ch] { log_.push_back(std::string("key ") + char(ch)); });
    };
    host_.SetTimerHandler([this](int id) {
      log_.push_back("tick " + std::to_string(id));
      host_.StopTimer(id);
    });
  }

  // A handler that waits as the game's animations do.
  void Wait(int ms) {
    const uint32_t end = host_.TickCount() + static_cast<uint32_t>(ms);
    while (static_cast<int32_t>(end - host_.TickCount()) > 0)
      host_.PumpWhileBusy(static_cast<int>(end - host_.TickCount()));
  }
  // Waits, as a handler does, until `done` holds (at most five seconds).
  void WaitFor(const std::function<bool()>& done) {
    const uint32_t end = host_.TickCount() + 5000;
    while (!done() && static_cast<int32_t>(end - host_.TickCount()) > 0) host_.PumpWhileBusy(5);
  }
  void At(int ms, std::function<void()> what) { QTimer::singleShot(ms, &scene_, what); }
  // Lets the loop run for a while, as the program's message loop would.
  void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }

  SceneWidget scene_;
  QtHost host_;
  std::vector<std::string> log_;
};

TEST_F(Gate, InputDuringAWaitIsHandledAfterItInOrder) {
  std::thread notifier;
  At(0, [&] {
    host_.Deliver(QtHost::Kind::Input, [&] {
      log_.push_back("throw begins");
      // Each arrival is made once the one before it waits in the gate, so the order of
      // arrival is known however slow the machine.
      host_.StartTimer(1, 2);
      WaitFor([&] { return host_.WaitingCount() == 1; });
      Wait(20);  // more ticks fall due; they count once
      QTimer::singleShot(0, &scene_, [&] { QTest::keyClick(&scene_, 'a'); });
      WaitFor([&] { return host_.WaitingCount() == 2; });
      QTimer::singleShot(0, &scene_,
                         [&] { QTest::mouseClick(&scene_, Qt::LeftButton, {}, QPoint(60, 330)); });
      WaitFor([&] { return host_.WaitingCount() == 3; });
      // The music device reports from its own thread.
      notifier = std::thread(
          [&] { host_.DeliverQueued(QtHost::Kind::Notice, [&] { log_.push_back("music"); }); });
      WaitFor([&] { return host_.WaitingCount() == 4; });
      QTimer::singleShot(0, &scene_, [&] { QTest::keyClick(&scene_, 'b'); });
      WaitFor([&] { return host_.WaitingCount() == 5; });
      log_.push_back("throw ends");
    });
  });
  Idle(100);
  for (int i = 0; i < 50 && log_.size() < 7; ++i) Idle(100);
  if (notifier.joinable()) notifier.join();
  const std::vector<std::string> expect = {"throw begins", "throw ends", "tick 1", "key a",
                                           "press 60,330", "music",      "key b"};
  EXPECT_EQ(log_, expect);
  EXPECT_EQ(host_.WaitingCount(), 0u);
}

TEST_F(Gate, StoppedTimerLeavesNoTickBehind) {
  At(0, [&] {
    host_.Deliver(QtHost::Kind::Input, [&] {
      host_.StartTimer(1, 5);
      Wait(60);
      host_.StopTimer(1);
      log_.push_back("done");
    });
  });
  Idle(150);
  EXPECT_EQ(log_, std::vector<std::string>{"done"});
}

TEST_F(Gate, WaitSleepsRatherThanSpins) {
  // Two seconds of waiting must cost far less than two seconds of processor time.
  const std::clock_t before = std::clock();
  host_.Deliver(QtHost::Kind::Input, [&] { Wait(2000); });
  const double cpu = double(std::clock() - before) / CLOCKS_PER_SEC;
  EXPECT_LT(cpu, 0.5);
}

TEST(SceneMapping, PressesMapBackToScenePixels) {
  const QSize scene(632, 434);
  struct Case {
    QSize area;
    QPoint at;
    bool inside;
    QPoint expect;
  } cases[] = {
      {scene, {0, 0}, true, {0, 0}},
      {scene, {631, 433}, true, {631, 433}},
      {scene, {446, 398}, true, {446, 398}},
      {scene, {632, 10}, false, {}},
      {{1264, 868}, {892, 796}, true, {446, 398}},  // twice the size
      {{1264, 868}, {1263, 867}, true, {631, 433}},
      {{1264, 1000}, {892, 796 + 66}, true, {446, 398}},  // bands above and below
      {{1264, 1000}, {892, 10}, false, {}},
      {{1000, 434}, {184 + 446, 398}, true, {446, 398}},  // bands left and right
      {{1000, 434}, {100, 100}, false, {}},
  };
  for (const Case& c : cases) {
    QPoint out;
    EXPECT_EQ(MapToScene(c.at, c.area, scene, out), c.inside) << c.area.width() << " " << c.at.x();
    if (c.inside) {
      EXPECT_EQ(out, c.expect) << c.area.width() << " " << c.at.x();
    }
  }
  EXPECT_EQ(SceneRect(scene, scene), QRect(0, 0, 632, 434));
}

// Where the window opens from what ossaric.conf kept and the screens there are now: the kept
// rectangle when enough of its top lies on one screen, else nothing (the top-left corner at the
// opening size).
TEST(WindowPlace, KeptRectangleOnAScreenOrNothing) {
  const QRect left(0, 0, 1600, 1100), right(1600, 0, 1280, 1024);
  const QList<QRect> two = {left, right};
  const QSize minimum(400, 250);
  const auto kept = [](int x, int y, int w, int h) { return KeptPlace{x, y, w, h, 0}; };
  const struct {
    const char* what;
    KeptPlace kept;
    QList<QRect> screens;
    std::optional<QRect> expect;
  } cases[] = {
      {"nothing kept", {}, two, std::nullopt},
      {"a size without a place", {std::nullopt, std::nullopt, 700, 500, 0}, two, std::nullopt},
      {"no height (garbled)", {100, 80, 700, std::nullopt, 0}, two, std::nullopt},
      {"on the first screen", kept(100, 80, 700, 500), two, QRect(100, 80, 700, 500)},
      {"on the second screen", kept(1700, 40, 632, 455), two, QRect(1700, 40, 632, 455)},
      {"across both, most on the second", kept(1300, 40, 632, 455), two, QRect(1300, 40, 632, 455)},
      {"half off the right edge", kept(2880 - 316, 40, 632, 455), two,
       QRect(2880 - 316, 40, 632, 455)},
      {"more than half off the right edge", kept(2880 - 300, 40, 632, 455), two, std::nullopt},
      {"left of every screen", kept(-700, 40, 632, 455), two, std::nullopt},
      {"its top above the screen", kept(100, -10, 632, 455), two, std::nullopt},
      {"its top strip cut by the bottom", kept(100, 1090, 632, 455), two, std::nullopt},
      {"below a shorter screen", kept(1700, 1030, 632, 455), two, std::nullopt},
      {"that screen gone", kept(1700, 40, 632, 455), {left}, std::nullopt},
      {"no screen at all", kept(100, 80, 700, 500), {}, std::nullopt},
      {"smaller than the window allows", kept(100, 80, 10, 10), two, QRect(100, 80, 400, 250)},
      {"taller than its screen now", kept(0, 0, 1600, 3000), two, QRect(0, 0, 1600, 1100)},
      {"no width", kept(100, 80, 0, 500), two, std::nullopt},
      {"a negative height", kept(100, 80, 700, -5), two, std::nullopt},
      {"absurdly wide", kept(0, 0, 100000, 500), two, std::nullopt},
      {"absurdly far", kept(0, 2000000000, 700, 500), two, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OpeningPlace(c.kept, c.screens, minimum), c.expect) << c.what;
  }
  EXPECT_TRUE(OpensMaximized({1, 2, 3, 4, 1}));
  for (std::optional<int> maximized : {std::optional<int>(), std::optional<int>(0), {2}, {-1}})
    EXPECT_FALSE(OpensMaximized({1, 2, 3, 4, maximized}));
}

// The largest difference of one colour channel between two pictures of one size.
int LargestChannelDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

// The scene on a window of `size` as it should look, worked out in floating point: the bands
// beside it, whole multiples by Qt's own unsmoothed scaling, any other size blended from the
// four scene pixels around each window pixel's centre.
QImage ScaledByTheBook(const Surface& surface, QSize size) {
  const QImage scene(reinterpret_cast<const uchar*>(surface.Data()), 632, 434, 632 * 4,
                     QImage::Format_RGB32);
  const QRect target = SceneRect(size, scene.size());
  QImage out(size, QImage::Format_RGB32);
  QPainter painter(&out);
  painter.fillRect(out.rect(), QColor(24, 16, 12));
  painter.drawImage(target, scene);
  painter.end();
  if (target.width() % 632 == 0) return out;
  const auto at = [](int d, int from, int to, int& first, double& share) {
    const double u = std::clamp((d + 0.5) * from / to - 0.5, 0.0, from - 1.0);
    first = std::min(static_cast<int>(u), from - 2);
    share = u - first;
  };
  for (int y = 0; y < target.height(); ++y)
    for (int x = 0; x < target.width(); ++x) {
      int sx, sy;
      double fx, fy;
      at(x, 632, target.width(), sx, fx);
      at(y, 434, target.height(), sy, fy);
      const QRgb p[4] = {scene.pixel(sx, sy), scene.pixel(sx + 1, sy), scene.pixel(sx, sy + 1),
                         scene.pixel(sx + 1, sy + 1)};
      int c[3];
      for (int k = 0; k < 3; ++k) {
        const auto ch = [&](QRgb q) { return (q >> (8 * k)) & 0xff; };
        c[k] = static_cast<int>(std::lround((ch(p[0]) * (1 - fx) + ch(p[1]) * fx) * (1 - fy) +
                                            (ch(p[2]) * (1 - fx) + ch(p[3]) * fx) * fy));
      }
      out.setPixel(target.x() + x, target.y() + y, qRgb(c[2], c[1], c[0]));
    }
  return out;
}

// The frames of an animation reach the window only where they changed, scaled piece by piece
// straight into the window's backing store: at every size the window then holds the very
// picture a full paint gives, and that picture is the scaled scene to the rounding of a
// channel. (Qt's own smooth scaling strays by up to 7 from it.)
TEST(SceneMapping, PartialFramesShowWhatAFullPaintShows) {
  for (QSize size : {QSize(632, 434), QSize(1264, 868), QSize(1896, 1302), QSize(1000, 700),
                     QSize(777, 555), QSize(2600, 1800), QSize(400, 300)}) {
    SCOPED_TRACE(size.width());
    Surface surface;
    for (int y = 0; y < 434; y += 7) surface.FillRect(0, y, 632, y + 3, 0x204060u + 0x010203u * y);
    for (int x = 0; x < 632; x += 13) surface.FillRect(x, 0, x + 2, 434, 0xe0c0a0u - 0x101u * x);
    (void)surface.TakeDirty();  // shown by the first paint
    SceneWidget shown;
    shown.SetSurface(&surface);
    shown.resize(size);
    shown.show();
    QCoreApplication::processEvents();  // the first, full paint
    // Steps of an animation: small pieces here and there, each shown on its own.
    surface.FillRect(100, 100, 150, 150, 0xf0e0d0u);
    shown.PresentChanges(true);
    surface.FillEllipse(301, 203, 309, 211, 0x672521u, 0x672521u);
    surface.SetPixel(631, 433, 0xffffffu);
    shown.PresentChanges(true);
    surface.DrawText(FontId::Sheet, 400, 20, "Yacht", 0x3a192fu);
    surface.FillRect(0, 0, 3, 3, 0x00ff00u);
    surface.FillRect(500, 300, 550, 350, 0x0000ffu);
    shown.PresentChanges(false);
    QCoreApplication::processEvents();
    // What the window system was handed, and a full paint of the scene as it now stands.
    const QImage onScreen =
        shown.screen()->grabWindow(shown.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    SceneWidget fresh;
    fresh.SetSurface(&surface);
    fresh.resize(size);
    const QImage full = fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(onScreen, full);
    EXPECT_LE(LargestChannelDifference(full, ScaledByTheBook(surface, size)), 2);
  }
}

TEST(SceneKeys, TypedCharacters) {
  EXPECT_EQ(TypedCharacter(Qt::Key_Backspace, "\b"), 8);
  EXPECT_EQ(TypedCharacter(Qt::Key_Backspace, ""), 8);
  EXPECT_EQ(TypedCharacter(Qt::Key_Plus, "+"), '+');
  EXPECT_EQ(TypedCharacter(Qt::Key_Space, " "), ' ');
  EXPECT_EQ(TypedCharacter(Qt::Key_Shift, ""), -1);
  EXPECT_EQ(TypedCharacter(Qt::Key_Delete, "\x7f"), -1);
  // Any one character, as its code point; the game decides what a name takes.
  EXPECT_EQ(TypedCharacter(Qt::Key_unknown, QString::fromUtf8("\xe2\x82\xac")), 0x20ac);
  EXPECT_EQ(TypedCharacter(Qt::Key_unknown, QString::fromUtf8("\xd0\x96")), 0x416);
  EXPECT_EQ(TypedCharacter(Qt::Key_unknown, QString::fromUtf8("\xf0\x9d\x84\x9e")), 0x1d11e);
  EXPECT_EQ(TypedCharacter(Qt::Key_unknown, QStringLiteral("ab")), -1);
}

// A box with a short text is still wide enough that its title is not cut short.
TEST_F(Gate, MessageBoxIsWideEnoughForItsTitle) {
  for (const char* caption : {"Game Over", "Three roll limit", "GetWindowsDirectory"}) {
    SCOPED_TRACE(caption);
    int width = 0;
    At(50, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      width = box->width();
      box->close();
    });
    host_.MessageBox("54\tA\n22\tB", caption, MessageIcon::None, false);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(caption) + 120);
  }
}

// The help page is read from the game directory, also from one whose name is not UTF-8; a FIFO
// or a file too large for a help page gives the "missing help" page. A FIFO that made the read
// wait would be released by a writer after five seconds, and the test fail.
TEST_F(Gate, HelpPagesFromOddFilesAndPlaces) {
  char top[] = "/tmp/ossaric-qt-XXXXXX";
  ASSERT_NE(mkdtemp(top), nullptr);
  const std::string odd = std::string(top) + "/r\xE9gles";  // Latin-1: not valid UTF-8
  ASSERT_EQ(mkdir(odd.c_str(), 0755), 0);
  const std::string old = std::filesystem::current_path();
  ASSERT_EQ(chdir(odd.c_str()), 0);
  const struct {
    const char* what;
    std::function<void()> make;
    const char* shows;
  } kCases[] = {
      {"a page", [] { std::ofstream("bexil.hlp") << "<h1>Rules of the table</h1>"; },
       "Rules of the table"},
      {"a FIFO", [] { ASSERT_EQ(mkfifo("bexil.hlp", 0644), 0); }, "Help is missing"},
      {"a huge page", [] { std::ofstream("bexil.hlp") << std::string((4 << 20) + 1, 'x'); },
       "is too large to show"},
      {"a directory", [] { ASSERT_EQ(mkdir("bexil.hlp", 0755), 0); }, "was not found"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all("bexil.hlp");
    c.make();
    FifoWatchdog watchdog({"bexil.hlp"}, std::chrono::seconds(5));
    host_.OpenHelp("bexil.hlp");
    ASSERT_NE(host_.HelpWindow(), nullptr);
    EXPECT_TRUE(host_.HelpWindow()->isVisible());
    WaitFor([&] { return !host_.HelpWindow()->toPlainText().startsWith("Loading"); });
    EXPECT_FALSE(watchdog.Stop());
    EXPECT_TRUE(host_.HelpWindow()->toPlainText().contains(c.shows))
        << host_.HelpWindow()->toPlainText().left(200).toStdString();
  }
  host_.CloseHelp();
  std::filesystem::current_path(old);
  std::filesystem::remove_all(top);
}

// The program's window, built in a scratch game directory with a Top Ten place of its own.
class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(mkdtemp(dir_), nullptr);
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    setenv("XDG_DATA_HOME", (std::string(dir_) + "/data").c_str(), 1);
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }

 private:
  char dir_[32] = "/tmp/ossaric-qt-XXXXXX";
  std::filesystem::path old_;
};

// The window as the program builds it: menu, title, client size, and the close box saving.
TEST_F(Window, MenuTitleSizeAndClose) {
  {
    MainWindow window;
    window.show();
    window.Start();
    EXPECT_EQ(window.windowTitle(), "Ossaric");
    EXPECT_EQ(window.Scene()->size(), QSize(632, 434));
    // The menu bar, left to right, with "Audio" the fourth pop-up and "Quit" on the bar.
    QStringList titles;
    for (QAction* a : window.menuBar()->actions()) titles << a->text();
    // Each title has its Alt mnemonic, each letter once.
    EXPECT_EQ(titles.join(","), "&Game,&Undo,&AnimationSpeed,Au&dio,&Scores,&Quit,&Options,&Help");
    // The common shortcuts, on the items that have one.
    QStringList shortcuts;
    for (QAction* a : window.menuBar()->actions()) {
      const QList<QAction*> items = a->menu() ? a->menu()->actions() : QList<QAction*>{a};
      for (QAction* item : items)
        if (!item->shortcut().isEmpty())
          shortcuts << item->text() + "=" + item->shortcut().toString();
    }
    // Ctrl+R throws (a shortcut of the window's own); Restart takes a chord no one presses by
    // accident.
    EXPECT_EQ(shortcuts.join(","),
              "&Restart game=Ctrl+Alt+Shift+R,&New "
              "Game=Ctrl+N,&Best Move=Ctrl+H,&Undo=Ctrl+Z,&Quit=Ctrl+Q,&Help=F1");
    // Every item has a mnemonic of its own within its menu.
    for (QAction* a : window.menuBar()->actions()) {
      if (a->menu() == nullptr) continue;
      QString letters;
      for (QAction* item : a->menu()->actions()) {
        if (item->isSeparator()) continue;
        const qsizetype amp = item->text().indexOf('&');
        ASSERT_GE(amp, 0) << item->text().toStdString();
        const QChar letter = item->text().at(amp + 1).toLower();
        EXPECT_FALSE(letters.contains(letter)) << item->text().toStdString();
        letters += letter;
      }
    }
    EXPECT_NE(window.menuBar()->actions()[3]->menu(), nullptr);
    EXPECT_EQ(window.menuBar()->actions()[5]->menu(), nullptr);
    // The first paint set the Audio check marks.
    EXPECT_TRUE(window.GameHost().Checked(kCmdSoundOn));
    EXPECT_FALSE(window.GameHost().Checked(kCmdSoundOff));
    // Faster from the menu reaches the game.
    const int delay = TWindowProbe(window.Game()).State().AnimDelay;
    window.menuBar()->actions()[2]->menu()->actions()[0]->trigger();
    EXPECT_EQ(TWindowProbe(window.Game()).State().AnimDelay, std::max(0, delay - 5));
    // Check marks are the game's: choosing a ticked item keeps its tick.
    QMenu* audio = window.menuBar()->actions()[3]->menu();
    audio->actions()[2]->trigger();  // "Sound effects on", already on
    EXPECT_TRUE(audio->actions()[2]->isChecked());
    audio->actions()[3]->trigger();  // "Sound effects off"
    EXPECT_EQ(TWindowProbe(window.Game()).State().SoundOn, 0);
    EXPECT_FALSE(audio->actions()[2]->isChecked());
    EXPECT_TRUE(audio->actions()[3]->isChecked());
    // Help opens the page from the game directory; the close box closes it with the game.
    window.menuBar()->actions().constLast()->menu()->actions()[0]->trigger();
    ASSERT_NE(window.GameHost().HelpWindow(), nullptr);
    EXPECT_TRUE(window.GameHost().HelpWindow()->isVisible());
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.Game().Closed());
    EXPECT_FALSE(window.GameHost().HelpWindow()->isVisible());
  }
}

// A close request that arrives while a handler runs waits for it, then closes down as usual.
TEST_F(Window, CloseDuringAHandlerWaitsForIt) {
  {
    MainWindow window;
    window.show();
    window.Start();
    QtHost& host = window.GameHost();
    bool refused = false, openAfterWait = false;
    host.Deliver(QtHost::Kind::Input, [&] {
      refused = !window.close();
      const uint32_t end = host.TickCount() + 50;
      while (static_cast<int32_t>(end - host.TickCount()) > 0) host.PumpWhileBusy(5);
      openAfterWait = !window.Game().Closed();
    });
    EXPECT_TRUE(refused);
    EXPECT_TRUE(openAfterWait);
    EXPECT_TRUE(window.Game().Closed());
    EXPECT_TRUE(std::filesystem::exists("bexil.ini"));
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(window.isVisible());
  }
}

// Presses held while a handler waits keep their places: a press on the scene and then one on
// the menu bar's Quit, both made during a throw, end the game once the throw is over.
TEST_F(Window, QuitPressedDuringAHandlerIsHandledAfterIt) {
  {
    MainWindow window;
    window.show();
    window.Start();
    QtHost& host = window.GameHost();
    QWindow* frame = window.windowHandle();
    QAction* quit = window.menuBar()->actions()[5];
    const QPoint onQuit =
        window.menuBar()->mapTo(&window, window.menuBar()->actionGeometry(quit).center());
    const QPoint onScene = window.Scene()->mapTo(&window, QPoint(5, 5));
    bool openAfterWait = false;
    host.Deliver(QtHost::Kind::Input, [&] {
      QTimer::singleShot(0, &window, [&] {
        QTest::mouseClick(frame, Qt::LeftButton, {}, onScene);
        QTest::mouseClick(frame, Qt::LeftButton, {}, onQuit);
      });
      const uint32_t end = host.TickCount() + 100;
      while (static_cast<int32_t>(end - host.TickCount()) > 0) host.PumpWhileBusy(5);
      openAfterWait = !window.Game().Closed();
    });
    EXPECT_TRUE(openAfterWait);
    for (int i = 0; i < 20 && !window.Game().Closed(); ++i) {
      QEventLoop loop;
      QTimer::singleShot(50, &loop, &QEventLoop::quit);
      loop.exec();
    }
    EXPECT_TRUE(window.Game().Closed());
  }
}

// Presses, keys and menu commands made while the computer plays are dropped: after its turn the
// cup still waits for player 1, the sheet and the pace are as they were.
TEST_F(Window, InputDuringTheComputersTurnIsDropped) {
  {
    MainWindow window;
    window.show();
    window.Start();
    TWindowProbe g = window.Game();
    SceneWidget* scene = window.Scene();
    g.Game().PlayerCount = 0;
    g.State().SoundOn = 0;
    g.State().AnimDelay = 0;
    const QPoint cup(60, 300), ones(400, RowTop(kOnes) + 5), chance(400, RowTop(kChoice) + 5);
    QTest::mouseClick(scene, Qt::LeftButton, {}, QPoint(400, 398));  // the setup screen's start
    QTest::mouseClick(scene, Qt::LeftButton, {}, cup);
    QTest::mouseClick(scene, Qt::LeftButton, {}, chance);
    ASSERT_EQ(g.Game().NextPlayerPending, 1);
    const int chosen = g.Game().Sheet[1].Entry[kChoice];
    // Impatient input at every stage of the computer's turn, its pauses included.
    int impatient = 0;
    QTimer pester;
    QObject::connect(&pester, &QTimer::timeout, scene, [&] {
      if (!g.Game().ComputerBusy) return;
      ++impatient;
      QTest::mouseClick(scene, Qt::LeftButton, {}, cup);
      QTest::mouseClick(scene, Qt::LeftButton, {}, ones);
      QTest::keyClick(scene, '-');
      window.menuBar()->actions()[1]->menu()->actions()[0]->trigger();  // Undo
    });
    pester.start(300);
    // A box raised by a press that wrongly acted is answered, so the test ends either way.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    answer.start(50);
    QTest::mouseClick(scene, Qt::LeftButton, {}, cup);  // hands over: the computer's whole turn
    pester.stop();
    EXPECT_GT(impatient, 3);
    EXPECT_EQ(g.Game().ComputerBusy, 0);
    EXPECT_EQ(g.Game().CurrentPlayer, 0);
    EXPECT_EQ(g.Game().NextPlayerPending, 1);
    EXPECT_EQ(g.Game().ThrowsMade, 0);
    EXPECT_EQ(g.Game().Sheet[1].Entry[kOnes], -1);
    EXPECT_EQ(g.Game().Sheet[1].Entry[kChoice], chosen);
    EXPECT_EQ(g.State().AnimDelay, 0);
    EXPECT_EQ(window.GameHost().WaitingCount(), 0u);
    // Once the turn is over, the player's input counts again.
    QTest::keyClick(scene, '-');
    EXPECT_EQ(g.State().AnimDelay, 5);
  }
}

}  // namespace
}  // namespace ossaric
