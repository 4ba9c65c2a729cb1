#include "desktop/qt/scene_accessible.h"

#include <QAccessibleActionInterface>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "desktop/qt/scene_widget.h"
#include "game/geometry.h"
#include "game/records.h"

namespace ossaric {

namespace {

enum ItemKind {
  kNotice,
  kStatus,
  kTarget,
  kDiceInCup,
  kCell,
  kRowHeader,
  kColumnHeader,
  kTotal,
  kPanel
};

}  // namespace

// One thing of the scene a screen reader reads: a target (pressable), a cell or header of the
// sheet, a total, the dice in the cup, the panel's text or the status line.
class SceneItem : public QAccessibleInterface,
                  public QAccessibleActionInterface,
                  public QAccessibleTableCellInterface {
 public:
  SceneItem(const SceneAccessible* root, int kind, int a, int b)
      : root_(root), kind_(kind), a_(a), b_(b) {}

  Target AsTarget() const {
    if (kind_ == kTarget) return {static_cast<TargetKind>(a_), b_};
    // The total of the column in play is where the keyboard's last group rests.
    if (kind_ == kTotal && b_ == root_->View()->GameState().CurrentPlayer)
      return {TargetKind::Total, b_};
    // The current player's cell of a row is that row of the sheet; the computer's are its own.
    if (kind_ == kCell && b_ >= 1 && b_ == root_->View()->GameState().CurrentPlayer)
      return {TargetKind::Row, a_};
    return {};
  }
  bool Pressable() const {
    const Target t = AsTarget();
    if (t.kind == TargetKind::None) return false;
    if (t.kind == TargetKind::NameField) return t.index == 1 || t.index <= PlayerCount();
    return t.kind != TargetKind::Total;
  }
  int PlayerCount() const { return root_->View()->GameState().PlayerCount; }

  // QAccessibleInterface
  bool isValid() const override { return root_ != nullptr && root_->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return root_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    if (kind_ == kCell || kind_ == kRowHeader || kind_ == kColumnHeader) return root_->SheetItem();
    if (kind_ == kNotice) return root_->Item(kStatus, 0, 0);
    return const_cast<SceneAccessible*>(root_);
  }
  // The status line holds the announcement: the one thing a screen reader speaks unasked.
  QAccessibleInterface* child(int i) const override {
    return kind_ == kStatus && i == 0 ? root_->Notice() : nullptr;
  }
  int childCount() const override { return kind_ == kStatus ? 1 : 0; }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return kind_ == kStatus && c == root_->Notice() ? 0 : -1;
  }

  QString text(QAccessible::Text t) const override {
    const SceneWords words = root_->Words();
    if (t == QAccessible::Name) {
      switch (kind_) {
        case kStatus:
          return words.Status();
        case kNotice:
          return root_->Announced(a_);
        case kTarget:
          return words.TargetName(AsTarget());
        case kDiceInCup:
          return words.DiceInCup();
        case kCell:
          return words.CellName(a_, b_);
        case kRowHeader:
          return words.CategoryName(a_);
        case kColumnHeader:
          return words.PlayerName(b_);
        case kTotal:
          return words.TotalName(b_);
        case kPanel:
          return words.PanelText();
      }
    }
    if (t == QAccessible::Description && kind_ == kTarget) {
      if (AsTarget().kind == TargetKind::Die && root_->DiceDescribed()) return {};
      return words.TargetDescription(AsTarget());
    }
    if (t == QAccessible::Value && kind_ == kCell) return words.CellValue(a_, b_);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const TSceneView* view = root_->View();
    switch (kind_) {
      case kTarget:
        return root_->ToScreen(view->TargetBox(AsTarget()));
      case kCell:
      case kRowHeader:
        return root_->ToScreen(view->TargetBox({TargetKind::Row, a_}));
      case kTotal:
        return root_->ToScreen({335, 375, 258, 37});
      case kStatus:
        return root_->ToScreen({0, 0, 632, 20});
      case kPanel:
        return root_->ToScreen({306, 80, 270, 331});
      default:
        return root_->ToScreen({kCupX, kCupY, kCupWidth, kCupHeight});
    }
  }

  QAccessible::Role role() const override {
    switch (kind_) {
      case kStatus:
        return QAccessible::StatusBar;
      case kNotice:
        return QAccessible::Notification;
      case kCell:
        return QAccessible::Cell;
      case kRowHeader:
        return QAccessible::RowHeader;
      case kColumnHeader:
        return QAccessible::ColumnHeader;
      case kTarget:
        switch (AsTarget().kind) {
          case TargetKind::Players:
            return QAccessible::RadioButton;
          case TargetKind::HintsSwitch:
            return QAccessible::CheckBox;
          case TargetKind::NameField:
            return QAccessible::EditableText;
          default:
            return QAccessible::Button;
        }
      default:
        return QAccessible::StaticText;
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    const TSceneView* view = root_->View();
    const Target t = AsTarget();
    if (Pressable() || t.kind == TargetKind::Total) s.focusable = true;
    if (kind_ == kTarget && t.kind == TargetKind::NameField && !Pressable()) s.disabled = true;
    if (kind_ == kTarget && t.kind == TargetKind::NameField) s.editable = true;
    if (kind_ == kTarget && t.kind == TargetKind::Players) {
      s.checkable = true;
      s.checked = PlayerCount() == t.index;
    }
    if (kind_ == kTarget && t.kind == TargetKind::HintsSwitch) {
      s.checkable = true;
      s.checked = view->WindowState().HintIndex >= 0;
    }
    if (kind_ == kStatus || kind_ == kNotice) s.readOnly = true;
    if (root_->FocusItem() == this && root_->Scene()->hasFocus()) s.focused = true;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && (kind_ == kTarget || kind_ == kCell))
      return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TableCellInterface &&
        (kind_ == kCell || kind_ == kRowHeader || kind_ == kColumnHeader))
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // QAccessibleActionInterface
  QStringList actionNames() const override {
    if (!Pressable()) return {};
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && Pressable()) root_->Press(AsTarget());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // QAccessibleTableCellInterface: rows are the categories, columns the players in play.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    if (kind_ != kCell || root_->SheetIntroduced()) return {};
    return {root_->Item(kColumnHeader, 0, b_)};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    if (kind_ != kCell || root_->SheetIntroduced()) return {};
    return {root_->Item(kRowHeader, a_, 0)};
  }
  int columnIndex() const override {
    const std::vector<int> columns = root_->Columns();
    const auto it = std::find(columns.begin(), columns.end(), b_);
    return kind_ == kRowHeader ? -1 : static_cast<int>(it - columns.begin());
  }
  int rowIndex() const override { return kind_ == kColumnHeader ? -1 : a_ - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return root_->SheetItem(); }

 private:
  const SceneAccessible* root_;
  int kind_, a_, b_;
};

// The score sheet: twelve rows of categories, one column per player in play.
class SheetTable : public QAccessibleInterface, public QAccessibleTableInterface {
 public:
  explicit SheetTable(const SceneAccessible* root) : root_(root) {}

  bool isValid() const override { return root_->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return root_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* parent() const override { return const_cast<SceneAccessible*>(root_); }
  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount()) return nullptr;
    return cellAt(index / columns, index % columns);
  }
  int childCount() const override { return rowCount() * columnCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  // Named, with its headers, until the focus has once moved within it: after that a screen
  // reader takes it for the layout it is and stops repeating "table with 12 rows" on every Tab.
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && !root_->SheetIntroduced() ? root_->Words().SheetName()
                                                               : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return root_->ToScreen({335, 75, 286, 284}); }
  QAccessible::Role role() const override { return QAccessible::Table; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    const std::vector<int> columns = root_->Columns();
    if (row < 0 || row >= kCategoryCount || column < 0 ||
        column >= static_cast<int>(columns.size()))
      return nullptr;
    return root_->Item(kCell, row + 1, columns[column]);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    const std::vector<int> columns = root_->Columns();
    if (column < 0 || column >= static_cast<int>(columns.size())) return {};
    return root_->Words().PlayerName(columns[column]);
  }
  QString rowDescription(int row) const override { return root_->Words().CategoryName(row + 1); }
  int columnCount() const override { return static_cast<int>(root_->Columns().size()); }
  int rowCount() const override { return kCategoryCount; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  const SceneAccessible* root_;
};

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
