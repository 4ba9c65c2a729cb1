// The things of the scene a screen reader reads, under the scene's own accessible object: each
// target, cell, header and total an item of its own, and the score sheet a table over them.
#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "desktop/qt/scene_accessible.h"
#include "desktop/qt/scene_widget.h"
#include "game/geometry.h"
#include "game/records.h"

namespace ossaric {

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

}  // namespace ossaric
