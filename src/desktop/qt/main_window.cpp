#include "desktop/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "desktop/qt/late_sound.h"
#include "desktop/qt/scene_accessible.h"
#include "desktop/qt/scene_widget.h"
#include "desktop/qt/window_place.h"
#include "platform/cursors.h"
#include "platform/languages.h"
#include "platform/user_dirs.h"
#include "ui/yacht_window.h"

namespace ossaric {

// The titles and items carry their Alt mnemonics (a desktop convention on top of the game's
// menu), unique within their menu; each language marks its own.
const MenuDef kMenuBar[7] = {
    {QT_TRANSLATE_NOOP("Menus", "&Game"),
     0,
     {{QT_TRANSLATE_NOOP("MenuItems", "&Restart game"), kCmdRestartGame},
      {QT_TRANSLATE_NOOP("MenuItems", "&New Game"), kCmdNewGame}}},
    {QT_TRANSLATE_NOOP("Menus", "&Undo"), 0, {{QT_TRANSLATE_NOOP("MenuItems", "&Undo"), kCmdUndo}}},
    {QT_TRANSLATE_NOOP("Menus", "&AnimationSpeed"),
     0,
     {{QT_TRANSLATE_NOOP("MenuItems", "&Faster"), kCmdFaster},
      {QT_TRANSLATE_NOOP("MenuItems", "&Slower"), kCmdSlower}}},
    {QT_TRANSLATE_NOOP("Menus", "Au&dio"),
     0,
     {{QT_TRANSLATE_NOOP("MenuItems", "&Music on"), kCmdMusicOn},
      {QT_TRANSLATE_NOOP("MenuItems", "M&usic off"), kCmdMusicOff},
      {QT_TRANSLATE_NOOP("MenuItems", "&Sound effects on"), kCmdSoundOn},
      {QT_TRANSLATE_NOOP("MenuItems", "Sound &effects off"), kCmdSoundOff}}},
    {QT_TRANSLATE_NOOP("Menus", "&Scores"),
     0,
     {{QT_TRANSLATE_NOOP("MenuItems", "&Current Totals"), kCmdCurrentTotals},
      {QT_TRANSLATE_NOOP("MenuItems", "&Top Ten Scores"), kCmdTopTen},
      {QT_TRANSLATE_NOOP("MenuItems", "C&lear Top Ten Scores"), kCmdClearTopTen}}},
    {QT_TRANSLATE_NOOP("Menus", "&Quit"), kCmdQuit, {}},
    {QT_TRANSLATE_NOOP("Menus", "&Help"),
     0,
     {{QT_TRANSLATE_NOOP("MenuItems", "&Help"), kCmdHelp},
      {QT_TRANSLATE_NOOP("MenuItems", "&About"), kCmdAbout}}},
};

namespace {

// How long a screen reader has to say that the game closes before the window goes.
constexpr int kGoodbyeMs = 400;

// The common shortcut of each command that has one.
QKeySequence CommandShortcut(int command) {
  switch (command) {
    case kCmdUndo:
      return QKeySequence::Undo;
    case kCmdNewGame:
      return QKeySequence::New;
    case kCmdRestartGame:
      // Hard to press by accident: Ctrl+R throws.
      return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_R);
    case kCmdHelp:
      return QKeySequence(Qt::Key_F1);
    case kCmdQuit:
      return QKeySequence(Qt::CTRL | Qt::Key_Q);
    default:
      return {};
  }
}

// On a dense screen that Qt does not scale itself the window opens at a whole multiple, so
// the scene is as large to the eye as on an ordinary screen.
int OpeningScale(QScreen* screen) {
  if (screen == nullptr || screen->devicePixelRatio() >= 1.5) return 1;
  // Desktops that set no font scaling still report the panel's real density.
  double dpi = screen->logicalDotsPerInch();
  if (screen->physicalSize().width() >= 100) dpi = std::max(dpi, screen->physicalDotsPerInch());
  int scale = dpi >= 144 ? static_cast<int>(std::lround(dpi / 96.0)) : 1;
  const QSize room = screen->availableSize();
  while (scale > 1 && (632 * scale > room.width() || 434 * scale + 40 > room.height())) --scale;
  return scale < 1 ? 1 : scale;
}

}  // namespace

QIcon GameIcon() {
  const QString resource = QString::fromLatin1(kIconResource);
  if (QFile::exists(resource)) {
    QIcon icon(resource);
    // The sizes drawn for the desktop, for panels and task switchers.
    for (int size : {16, 24, 48, 64, 128, 256})
      icon.addFile(QStringLiteral(":/icons/ossaric-%1.png").arg(size), QSize(size, size));
    return icon;
  }
  QPixmap die(32, 32);
  die.fill(Qt::transparent);
  QPainter p(&die);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(61, 26, 20), 1.5));
  p.setBrush(QColor(250, 246, 236));
  p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(103, 37, 33));
  for (QPointF c : {QPointF(9.5, 9.5), QPointF(22.5, 9.5), QPointF(16, 16), QPointF(9.5, 22.5),
                    QPointF(22.5, 22.5)})
    p.drawEllipse(c, 2.6, 2.6);
  p.end();
  return QIcon(die);
}

MainWindow::MainWindow(GamePlaces places) : scene_(new SceneWidget(this)) {
  setWindowTitle(QStringLiteral("Ossaric"));
  setCentralWidget(scene_);
  host_ = std::make_unique<QtHost>(scene_);
  // The music device reports the end of a piece from its own thread. It comes from the sound
  // module once the first frame is on the screen; until then a piece asked to play waits.
  auto sound = std::make_unique<LateSound>([host = host_.get(), this] {
    host->DeliverQueued(QtHost::Kind::Notice, [this] {
      if (game_ && !game_->Closed()) game_->EvMusicNotice();
    });
  });
  scene_->onFirstFrame = [this, late = sound.get()] {
    QMetaObject::invokeMethod(
        this,
        [this, late] {
          // The icon is read from its pictures once the window is up (the desktop shows it
          // as soon as it is set), for this window and every box after.
          const QIcon icon = GameIcon();
          QApplication::setWindowIcon(icon);
          setWindowIcon(icon);
          // The module, the audio device and the waiting piece with its soundfont are read on
          // a thread of their own, so that the window answers meanwhile; the device comes to
          // the game through the event gate, as any notice. The program's directory as the
          // system spells it: its name may be no text.
          if (soundLoader_.joinable() || late->Arrived()) return;
          soundLoader_ = std::thread(
              [this, late, waiting = late->WaitingPath(), finished = late->MusicFinished(),
               places = SoundModulePlaces(ProgramDirectory(), OSSARIC_SOUND_FROM_BIN)] {
                auto loaded =
                    std::make_shared<LoadedSound>(LateSound::Load(places, finished, waiting));
                QMetaObject::invokeMethod(
                    this,
                    [this, late, loaded] {
                      host_->Deliver(QtHost::Kind::Notice, [this, late, loaded] {
                        if (!game_ || game_->Closed()) return;
                        late->Arrive(std::move(*loaded));
                      });
                    },
                    Qt::QueuedConnection);
              });
        },
        Qt::QueuedConnection);
  };
  sound_ = std::move(sound);
  BuildMenu();
  place_.SetPath(PlaceFile(places.configDir, "ossaric.conf"));
  // Message boxes raised while the game is built have no owner yet.
  game_ = std::make_unique<TYachtWindow>(*host_, *sound_, random_, std::move(places));
  host_->SetOwner(this);
  scene_->SetSurface(&game_->Screen());
  host_->SetTimerHandler([this](int id) {
    if (!game_->Closed()) game_->EvTimer(id);
  });
  host_->SetPaintHandler([this] {
    if (!game_->Closed()) game_->EvPaint();
  });
  host_->SetAfterHandler([this] { AfterHandler(); });

  scene_->onPress = [this](int x, int y) {
    Send(QtHost::Kind::Input, [x, y](TYachtWindow& g) { g.EvLeftButtonDown(x, y); });
  };
  scene_->onMove = [this](int x, int y) {
    Send(QtHost::Kind::Move, [x, y](TYachtWindow& g) { g.EvMouseMove(x, y); });
  };
  scene_->onLeave = [this] { scene_->setCursor(Qt::ArrowCursor); };
  scene_->onChar = [this](int ch) {
    Send(QtHost::Kind::Input, [ch](TYachtWindow& g) { g.EvChar(ch); });
  };
  // The scene as a screen reader sees it; its presses go the way of the mouse's.
  InstallSceneAccessibility();
  scene_->SetView(game_.get());
  scene_->onPressTarget = [this](Target target) {
    Send(QtHost::Kind::Input, [target](TYachtWindow& g) { g.EvPress(target); });
  };
  host_->SetSceneChangedHandler([this] {
    if (SceneAccessible* scene = ListenedScene(scene_)) scene->Update();
  });
  // Qt tells the table itself first; the control the focus rests on is told just after.
  scene_->onFocusIn = [this] {
    QTimer::singleShot(0, this, [this] {
      if (SceneAccessible* scene = ListenedScene(scene_)) scene->FocusReturned();
    });
  };
  scene_->onKey = [this](int key) {
    Send(QtHost::Kind::Input, [key](TYachtWindow& g) { g.EvKey(static_cast<GameKey>(key)); });
  };
  // Ctrl+R throws, as in the other dice games of the desktop.
  auto* throwDice = new QAction(this);
  throwDice->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  addAction(throwDice);
  QObject::connect(throwDice, &QAction::triggered, this, [this] {
    Send(QtHost::Kind::Input, [](TYachtWindow& g) { g.EvKey(GameKey::Throw); });
  });
  // What a row would score now, in the desktop's tooltip; nothing while a handler runs.
  scene_->onToolTip = [this](int x, int y) {
    if (!game_ || game_->Closed() || host_->Busy()) return QString();
    return QString::fromStdString(game_->ScorePreview(x, y));
  };

  OpenInPlace();
  scene_->setFocus();
}

void MainWindow::OpenInPlace() {
  // The scene fills the client area under the menu bar, 632 x 434 at scale 1.
  scene_->SetOpeningScale(OpeningScale(QGuiApplication::primaryScreen()));
  const KeptPlace kept = ReadKeptPlace(place_);
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  // The kept rectangle has no frame, as setGeometry() takes it; move() places the frame.
  if (const std::optional<QRect> place = OpeningPlace(kept, screens, minimumSizeHint())) {
    setGeometry(*place);
  } else {
    const QSize client = scene_->sizeHint();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    move(0, 0);
  }
  if (OpensMaximized(kept)) setWindowState(windowState() | Qt::WindowMaximized);
}

// The normal rectangle (as before a maximise), without the frame; a place that cannot be saved
// is not worth a word as the game closes.
void MainWindow::KeepPlace() {
  if (placeKept_) return;
  placeKept_ = true;
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  WriteKeptPlace(place_, normal, isMaximized());
}

MainWindow::~MainWindow() {
  if (soundLoader_.joinable()) soundLoader_.join();
  // The window leaves the screen at once; releasing the audio device may take a while after.
  if (windowHandle() != nullptr) {
    hide();
    destroy();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  // The game goes first: it refers to the host and the sound device.
  game_.reset();
  sound_.reset();
}

void MainWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  auto connect = [this](QAction* action, int command) {
    action->setData(command);
    host_->AddMenuAction(command, action);
    QObject::connect(action, &QAction::triggered, this, [this, action, command] {
      // Check marks are the game's to set: undo Qt's own toggle first.
      if (action->isCheckable()) action->setChecked(host_->Checked(command));
      Send(QtHost::Kind::Input, [command](TYachtWindow& g) { g.EvCommand(command); });
    });
  };
  for (const MenuDef& def : kMenuBar) {
    if (def.command != 0) {
      QAction* action = bar->addAction(QCoreApplication::translate("Menus", def.title));
      action->setShortcut(CommandShortcut(def.command));
      connect(action, def.command);
      continue;
    }
    QMenu* menu = bar->addMenu(QCoreApplication::translate("Menus", def.title));
    for (const MenuItemDef& item : def.items) {
      QString text = QCoreApplication::translate("MenuItems", item.text);
      // The speed keys are the game's own (they do nothing while a name is edited): the menu
      // only shows them, after a tab, where shortcuts stand.
      if (item.command == kCmdFaster) text += QStringLiteral("\t+");
      if (item.command == kCmdSlower) text += QStringLiteral("\t-");
      QAction* action = menu->addAction(text);
      action->setShortcut(CommandShortcut(item.command));
      connect(action, item.command);
    }
  }
  // Beyond the game's own items, below them in "Game": the hint, the review of the last game
  // and the computer's strength (its check marks are the game's to set).
  QMenu* game = bar->actions().constFirst()->menu();
  game->addSeparator();
  QAction* hint = game->addAction(QCoreApplication::translate("Menu", "&Best Move"));
  hint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  connect(hint, kCmdHint);
  connect(game->addAction(QCoreApplication::translate("Menu", "Re&view of the Last Game")),
          kCmdReview);
  game->addSeparator();
  for (size_t k = 0; k < Opponents().size(); ++k)
    connect(game->addAction(QCoreApplication::translate("Menu", Opponents()[k].menuWord)),
            kCmdClassicComputer + static_cast<int>(k));
  // Options, before Help: the language, each by its own name.
  auto* options = new QMenu(QCoreApplication::translate("Menu", "&Options"), bar);
  bar->insertMenu(bar->actions().constLast(), options);
  QMenu* language = options->addMenu(QCoreApplication::translate("Menu", "&Language"));
  connect(language->addAction(QCoreApplication::translate("Menu", "As the &Desktop")),
          kCmdDesktopLanguage);
  language->addSeparator();
  const QStringList languages = ChoosableLanguages();
  for (int k = 0; k < languages.size(); ++k)
    connect(language->addAction(LanguageName(languages[k])), kCmdFirstLanguage + k);
}

// The menus again in the language now spoken, their check marks as they were.
void MainWindow::RebuildMenu() {
  std::vector<std::pair<int, bool>> checks;
  for (QAction* action : menuBar()->findChildren<QAction*>())
    if (action->isCheckable() && action->data().isValid())
      checks.emplace_back(action->data().toInt(), action->isChecked());
  const QList<QObject*> old = menuBar()->children();
  menuBar()->clear();
  for (QObject* child : old)
    if (qobject_cast<QMenu*>(child) || qobject_cast<QAction*>(child)) child->deleteLater();
  BuildMenu();
  for (const auto& [command, checked] : checks) host_->CheckMenuItem(command, checked);
}

void MainWindow::Send(QtHost::Kind kind, std::function<void(TYachtWindow&)> handler) {
  if (!game_ || game_->Closed() || closing_) return;
  host_->Deliver(kind, [this, handler = std::move(handler)] {
    if (game_ && !game_->Closed()) handler(*game_);
  });
}

void MainWindow::Start() {
  Send(QtHost::Kind::Input, [](TYachtWindow& g) { g.EvPaint(); });
}

// Once the game has closed down (Quit, or the close box), the window goes; a screen reader is
// given a moment to say so while the window is still there to be asked.
void MainWindow::AfterHandler() {
  if (!game_ || !game_->Closed() || closing_) return;
  closing_ = true;
  host_->DropWaiting();
  if (SceneAccessible* scene = ListenedScene(scene_)) {
    scene->Say(SceneWords::Goodbye());
    QTimer::singleShot(kGoodbyeMs, this, &QWidget::close);
    return;
  }
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (game_ && !game_->Closed()) {
    if (host_->Busy()) {
      // Asked while a handler runs (a box, a throw, the computer's turn): the handler is cut
      // short, and the close runs as soon as it has returned.
      host_->AskToEnd();
      event->ignore();
      host_->Deliver(QtHost::Kind::Close, [this] {
        if (!game_->Closed()) game_->EvClose();
      });
      return;
    }
    host_->Deliver(QtHost::Kind::Close, [this] { game_->EvClose(); });
  }
  KeepPlace();
  closing_ = true;
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && host_) RebuildMenu();
  if (event->type() == QEvent::ActivationChange && game_ && !game_->Closed() && !host_->Busy())
    game_->EvActivate();
  QMainWindow::changeEvent(event);
}

}  // namespace ossaric
