// The scene as a screen reader sees it: the cup, the dice on the table and the dice in the cup,
// the score sheet as a table, the totals, the setup screen's controls and the panels, each a
// QAccessibleInterface whose press action presses the same target as the mouse; and a status
// line whose name tells the play as it happens. Changes raise the events the desktop's
// accessibility bridge passes on (focus, name, description, state, show and hide).
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "desktop/qt/scene_words.h"
#include "game/target.h"

namespace ossaric {

class SceneWidget;
class SceneItem;

// Installs the factory that gives the scene widget its accessible tree; once per program.
void InstallSceneAccessibility();

class SceneAccessible;
// The scene's accessible tree while a screen reader listens; null otherwise, when nothing is
// done for one.
SceneAccessible* ListenedScene(SceneWidget* scene);

class SceneAccessible : public QAccessibleWidget {
 public:
  explicit SceneAccessible(SceneWidget* scene);
  ~SceneAccessible() override;

  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // Raises the events for whatever changed since the last call, and announces what was told.
  void Update();
  // Tells the focused control after the scene took the keyboard's focus back.
  void FocusReturned();
  // Says `words` at once, whatever has the focus.
  void Say(const QString& words);
  // The words of the announcement in `slot` of the ring.
  QString Announced(int slot) const { return announced_[slot % kNotices]; }
  // The notification under the status line that holds the last announcement.
  SceneItem* Notice() const;
  // Whether the score sheet has been told as a table once already.
  bool SheetIntroduced() const { return sheetIntroduced_; }
  // Whether what a press on a die does has been said once already.
  bool DiceDescribed() const { return diceDescribed_; }

  // For the items.
  const TSceneView* View() const;
  SceneWords Words() const { return SceneWords(*View()); }
  SceneWidget* Scene() const;
  void Press(Target target) const;
  QRect ToScreen(const TBox& box) const;
  QAccessibleInterface* SheetItem() const;
  SceneItem* Item(int kind, int a, int b) const;
  // The columns of the sheet, left to right.
  std::vector<int> Columns() const;
  SceneItem* FocusItem() const;

 private:
  std::vector<SceneItem*> Children() const;
  struct Seen {
    QString name, description;
    bool checked = false, disabled = false;
  };
  mutable std::map<std::tuple<int, int, int>, SceneItem*> items_;
  mutable QAccessibleInterface* sheet_ = nullptr;
  mutable std::vector<QAccessible::Id> ids_;
  std::vector<SceneItem*> shown_;
  std::map<SceneItem*, Seen> seen_;
  void Announce();
  SceneItem* focused_ = nullptr;
  static constexpr int kNotices = 8;
  std::array<QString, kNotices> announced_;
  int notice_ = 0;
  int announcedSerial_ = 0;
  SceneScreen panelScreen_ = SceneScreen::Board;
  QString panelSaid_;
  bool sheetIntroduced_ = false;
  bool diceDescribed_ = false;
  int toldSerial_ = -1;
  bool updated_ = false;
};

}  // namespace ossaric
