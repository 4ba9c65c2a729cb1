// The game's top-level window: title, icon, menu bar and the scene, with the game itself
// (TYachtWindow) built inside it. Every press, key, menu command, timer tick, music notice and
// close request passes through the host's event gate to the game's event table.
#pragma once

#include <QMainWindow>
#include <memory>
#include <thread>

#include "desktop/qt/qt_host.h"
#include "platform/choices.h"
#include "platform/game_places.h"
#include "platform/random.h"
#include "platform/sound.h"

namespace ossaric {

class SceneWidget;
class TYachtWindow;

// The menu bar: pop-ups with their items, and "Quit" as an item on the bar itself.
struct MenuItemDef {
  const char* text;
  int command;
};
struct MenuDef {
  const char* title;
  int command;  // for an item on the bar itself; 0 for a pop-up
  std::initializer_list<MenuItemDef> items;
};
extern const MenuDef kMenuBar[7];

class MainWindow : public QMainWindow {
 public:
  // The game reads and writes its files in `places` (by default the current directory).
  explicit MainWindow(GamePlaces places = {});
  ~MainWindow() override;

  // The first paint, once the window is on the screen.
  void Start();

  TYachtWindow& Game() { return *game_; }
  QtHost& GameHost() { return *host_; }
  SceneWidget* Scene() { return scene_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void RebuildMenu();
  void Send(QtHost::Kind kind, std::function<void(TYachtWindow&)> handler);
  void AfterHandler();
  // Opens where the window was last closed, or at the top-left corner; keeps the place at close.
  void OpenInPlace();
  void KeepPlace();

  SceneWidget* scene_;
  std::unique_ptr<QtHost> host_;
  std::unique_ptr<SoundDevice> sound_;
  std::thread soundLoader_;  // reads the sound module and the first piece off the window's thread
  Random random_;
  std::unique_ptr<TYachtWindow> game_;
  bool closing_ = false;
  ChoicesFile place_;  // ossaric.conf, for the window's place alone
  bool placeKept_ = false;
};

// The program's icon: ICON_1 from the resources, else a die drawn here.
QIcon GameIcon();

}  // namespace ossaric
