// The words a screen reader speaks of the scene: names of the cup, the dice, the sheet's cells,
// the totals, the setup screen's controls, the panels, and the line that tells the play. Every
// text goes through the translation catalogues (context "Scene").
#pragma once

#include <QCoreApplication>
#include <QString>

#include "ui/scene_view.h"

namespace ossaric {

class SceneWords {
  Q_DECLARE_TR_FUNCTIONS(Scene)

 public:
  explicit SceneWords(const TSceneView& view) : view_(view) {}

  QString PlayerName(int column) const;  // "Computer" for column 0
  QString CategoryName(int category) const;
  QString FaceWord(int face) const;  // "five"
  QString Faces(const std::vector<int>& faces) const;

  QString TargetName(Target target) const;
  QString TargetDescription(Target target) const;
  QString DiceInCup() const;
  QString SheetName() const;
  // A cell of the sheet: its entry, empty, or what a press would write now.
  QString CellValue(int category, int column) const;
  QString CellName(int category, int column) const;
  QString TotalName(int column) const;
  // The panel that is up, in words: title and lines.
  QString PanelText() const;
  // The newest piece of the play told, or what the screen is when nothing has been told.
  QString Status() const;
  // A piece of the play as a screen reader announces it: short, in sentences, with no colon,
  // semicolon, dash or bracket that a screen reader would read aloud.
  QString Announcement(const TTold& told) const;
  // Said when the program ends.
  static QString Goodbye();

 private:
  // A text that counts, in the catalogue's plural form for `n`; English forms otherwise.
  static QString Count(const char* source, int n);
  const TSceneView& view_;
};

}  // namespace ossaric
