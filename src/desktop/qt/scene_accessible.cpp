#include "desktop/qt/scene_accessible.h"

#include <QAccessibleActionInterface>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "desktop/qt/scene_items.h"
#include "desktop/qt/scene_widget.h"
#include "game/geometry.h"
#include "game/records.h"

namespace ossaric {

namespace {

QAccessibleInterface* SceneFactory(const QString&, QObject* object) {
  if (auto* scene = dynamic_cast<SceneWidget*>(object)) return new SceneAccessible(scene);
  return nullptr;
}

}  // namespace

SceneAccessible* ListenedScene(SceneWidget* scene) {
  if (scene == nullptr || !QAccessible::isActive()) return nullptr;
  return dynamic_cast<SceneAccessible*>(QAccessible::queryAccessibleInterface(scene));
}

void InstallSceneAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SceneFactory);
}

SceneAccessible::SceneAccessible(SceneWidget* scene)
    : QAccessibleWidget(scene, QAccessible::Pane) {}

SceneAccessible::~SceneAccessible() {
  // By the ids they were registered with: an item the cache already let go is not looked at.
  for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
}

SceneWidget* SceneAccessible::Scene() const {
  return static_cast<SceneWidget*>(widget());
}

const TSceneView* SceneAccessible::View() const {
  return Scene()->View();
}

QString SceneAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return SceneWords::tr("Game table");
  return QAccessibleWidget::text(t);
}

SceneItem* SceneAccessible::Item(int kind, int a, int b) const {
  SceneItem*& item = items_[{kind, a, b}];
  if (item == nullptr) {
    item = new SceneItem(this, kind, a, b);
    ids_.push_back(QAccessible::registerAccessibleInterface(item));
  }
  return item;
}

QAccessibleInterface* SceneAccessible::SheetItem() const {
  if (sheet_ == nullptr) {
    sheet_ = new SheetTable(this);
    ids_.push_back(QAccessible::registerAccessibleInterface(sheet_));
  }
  return sheet_;
}

std::vector<int> SceneAccessible::Columns() const {
  return View()->GameState().Columns();
}

// The status line first; then what the screen that is up shows, in reading order.
std::vector<SceneItem*> SceneAccessible::Children() const {
  std::vector<SceneItem*> out{Item(kStatus, 0, 0)};
  const TSceneView* view = View();
  if (view == nullptr) return out;
  const SceneScreen screen = view->ShownScreen();
  if (screen != SceneScreen::Board) out.push_back(Item(kPanel, 0, 0));
  for (const Target& t : view->Targets()) {
    if (t.kind == TargetKind::Row || t.kind == TargetKind::Total) continue;  // cells, totals
    out.push_back(Item(kTarget, static_cast<int>(t.kind), t.index));
  }
  if (screen == SceneScreen::Setup) {
    // The names of players not chosen stand greyed.
    for (int n = std::max(2, view->GameState().PlayerCount + 1); n <= 4; ++n)
      out.push_back(Item(kTarget, static_cast<int>(TargetKind::NameField), n));
  }
  if (screen == SceneScreen::Board) {
    out.push_back(Item(kDiceInCup, 0, 0));
    for (int c : Columns()) out.push_back(Item(kTotal, 0, c));
  }
  return out;
}

int SceneAccessible::childCount() const {
  const int sheet = View() != nullptr && View()->ShownScreen() == SceneScreen::Board ? 1 : 0;
  return static_cast<int>(Children().size()) + sheet;
}

// The sheet stands after the dice in the cup, before the totals.
QAccessibleInterface* SceneAccessible::child(int index) const {
  const std::vector<SceneItem*> items = Children();
  const bool board = View() != nullptr && View()->ShownScreen() == SceneScreen::Board;
  if (index < 0) return nullptr;
  if (!board) return index < static_cast<int>(items.size()) ? items[index] : nullptr;
  const int sheetAt = static_cast<int>(items.size()) - static_cast<int>(Columns().size());
  if (index == sheetAt) return SheetItem();
  if (index > sheetAt) --index;
  return index < static_cast<int>(items.size()) ? items[index] : nullptr;
}

int SceneAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < childCount(); ++i)
    if (this->child(i) == child) return i;
  return -1;
}

QAccessibleInterface* SceneAccessible::childAt(int x, int y) const {
  for (int i = childCount() - 1; i >= 0; --i) {
    QAccessibleInterface* c = child(i);
    if (c != nullptr && c->role() != QAccessible::StatusBar && c->rect().contains(x, y)) return c;
  }
  return nullptr;
}

SceneItem* SceneAccessible::Notice() const {
  return Item(kNotice, notice_, 0);
}

SceneItem* SceneAccessible::FocusItem() const {
  const TSceneView* view = View();
  if (view == nullptr) return nullptr;
  const Target t = view->Focus();
  if (t.kind == TargetKind::Row) return Item(kCell, t.index, view->GameState().CurrentPlayer);
  if (t.kind == TargetKind::Total) return Item(kTotal, 0, t.index);
  return Item(kTarget, static_cast<int>(t.kind), t.index);
}

QAccessibleInterface* SceneAccessible::focusChild() const {
  if (!Scene()->hasFocus()) return nullptr;
  return FocusItem();
}

void SceneAccessible::Press(Target target) const {
  SceneWidget* scene = Scene();
  // The press runs once the screen reader's call has returned: a throw or the computer's turn
  // takes seconds, and the caller must not wait for them.
  QMetaObject::invokeMethod(
      scene,
      [scene, target] {
        if (scene->onPressTarget) scene->onPressTarget(target);
      },
      Qt::QueuedConnection);
}

QRect SceneAccessible::ToScreen(const TBox& box) const {
  SceneWidget* scene = Scene();
  const QRect target = SceneRect(scene->size(), scene->SceneSize());
  const double sx = double(target.width()) / scene->SceneSize().width();
  const double sy = double(target.height()) / scene->SceneSize().height();
  const QRect local(target.x() + int(box.x * sx), target.y() + int(box.y * sy),
                    std::max(1, int(box.w * sx)), std::max(1, int(box.h * sy)));
  return QRect(scene->mapToGlobal(local.topLeft()), local.size());
}

// What was told since the last announcement, and a panel that opened or turned its page, said
// through the notification under the status line: Orca speaks a notification that is shown
// whatever has the focus, with no role name when it sits in a status bar.
void SceneAccessible::Announce() {
  const TSceneView* view = View();
  QStringList said;
  const SceneWords words = Words();
  if (updated_) {
    for (const TTold& t : view->ToldSince(announcedSerial_)) {
      const QString text = words.Announcement(t);
      if (!text.isEmpty()) said << text;
    }
  }
  announcedSerial_ = view->LastTold().serial;
  const SceneScreen screen = view->ShownScreen();
  const QString panel = screen == SceneScreen::Board ? QString() : words.PanelText();
  if (updated_ && !panel.isEmpty() && (screen != panelScreen_ || panel != panelSaid_))
    said << panel;
  panelScreen_ = screen;
  panelSaid_ = panel;
  if (!said.isEmpty()) Say(said.join(QStringLiteral(". ")));
}

// Each announcement is a notification of its own, taken in turn from a ring: a screen reader
// that falls behind drops a shown event when a newer one of the same object waits behind it
// (Orca takes it for a duplicate), and it reads the words only when it comes to the event.
void SceneAccessible::Say(const QString& words) {
  notice_ = (notice_ + 1) % kNotices;
  announced_[notice_] = words;
  QAccessibleEvent shown(Notice(), QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

// The focus comes back to the scene after a menu, a box or another window: the control it
// rests on is told, not only the table.
void SceneAccessible::FocusReturned() {
  if (!Scene()->hasFocus()) return;
  SceneItem* focus = FocusItem();
  if (focus == nullptr) return;
  QAccessibleEvent e(focus, QAccessible::Focus);
  QAccessible::updateAccessibility(&e);
  focused_ = focus;
}

void SceneAccessible::Update() {
  const TSceneView* view = View();
  if (view == nullptr) return;
  std::vector<SceneItem*> now = Children();
  // Hidden and shown: what the swap of setup screen, board and panels took away and brought.
  for (SceneItem* item : shown_)
    if (std::find(now.begin(), now.end(), item) == now.end()) {
      QAccessibleEvent hide(item, QAccessible::ObjectHide);
      QAccessible::updateAccessibility(&hide);
      seen_.erase(item);
    }
  for (SceneItem* item : now)
    if (std::find(shown_.begin(), shown_.end(), item) == shown_.end() && updated_) {
      QAccessibleEvent show(item, QAccessible::ObjectShow);
      QAccessible::updateAccessibility(&show);
    }
  if (now.size() != shown_.size() || !std::equal(now.begin(), now.end(), shown_.begin())) {
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
  shown_ = now;
  if (view->ShownScreen() == SceneScreen::Board)
    for (int c : Columns())
      for (int k = 1; k <= kCategoryCount; ++k) now.push_back(Item(kCell, k, c));
  SceneItem* status = Item(kStatus, 0, 0);
  const auto statusSeen = seen_.find(status);
  const QString statusBefore = statusSeen != seen_.end() ? statusSeen->second.name : QString();
  // Names, descriptions and states that changed.
  const SceneItem* hasFocusItem = Scene()->hasFocus() ? FocusItem() : nullptr;
  for (SceneItem* item : now) {
    Seen seen{item->text(QAccessible::Name), item->text(QAccessible::Description),
              item->state().checked != 0, item->state().disabled != 0};
    auto old = seen_.find(item);
    if (old == seen_.end()) {
      seen_[item] = seen;
      continue;
    }
    // The focus's own name change is left out: Qt 6.4 sends it without the new words, and the
    // announcement says what changed.
    if (old->second.name != seen.name && item != hasFocusItem) {
      QAccessibleEvent e(item, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&e);
    }
    if (old->second.description != seen.description && item != hasFocusItem) {
      QAccessibleEvent e(item, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&e);
    }
    QAccessible::State changed;
    changed.checked = old->second.checked != seen.checked;
    changed.disabled = old->second.disabled != seen.disabled;
    if (changed.checked || changed.disabled) {
      QAccessibleStateChangeEvent e(item, changed);
      QAccessible::updateAccessibility(&e);
    }
    old->second = seen;
  }
  // The status line speaks every new piece of the play, even when its words repeat.
  if (view->LastTold().serial != toldSerial_) {
    if (updated_ && statusBefore == status->text(QAccessible::Name)) {
      QAccessibleEvent e(status, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&e);
    }
    toldSerial_ = view->LastTold().serial;
  }
  // The keyboard focus, once a key has shown it.
  SceneItem* focus = view->FocusShown() && Scene()->hasFocus() ? FocusItem() : nullptr;
  // The sheet showing another column under a focus that stays on its row is no move of the
  // focus: nothing is said for it.
  const bool sameRow =
      focus != nullptr && focused_ != nullptr && focus->role() == QAccessible::Cell &&
      focused_->role() == QAccessible::Cell && focus->rowIndex() == focused_->rowIndex();
  if (focus != nullptr && focus != focused_ && !sameRow) {
    QAccessibleEvent e(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&e);
  }
  // The sheet is told as a table, and what a die does, the first time the focus is there.
  if (focused_ != nullptr && focus != focused_) {
    if (focused_->role() == QAccessible::Cell &&
        (focus == nullptr || focus->role() != QAccessible::Cell))
      sheetIntroduced_ = true;
    if (focused_->AsTarget().kind == TargetKind::Die) diceDescribed_ = true;
  }
  focused_ = focus;
  // Last, so that what happened is heard after the focus it moved.
  Announce();
  updated_ = true;
}

}  // namespace ossaric
