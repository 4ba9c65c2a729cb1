#include "desktop/qt/scene_words.h"

#include <QLocale>
#include <QStringList>
#include <cstring>

#include "game/records.h"
#include "persist/file_images.h"
#include "ui/words.h"

namespace ossaric {

namespace {

// English forms of the texts that count, for when no catalogue has them: one, and more.
struct EnglishForms {
  const char* source;
  const char* one;
  const char* more;
};
constexpr EnglishForms kEnglishForms[] = {
    {"%n player(s)", "%n player", "%n players"},
    {"Throw %n dice", "Throw %n die", "Throw %n dice"},
    {"%n throw(s) left", "%n throw left", "%n throws left"},
    {"Cup empty, %n throw(s) left", "Cup empty, %n throw left", "Cup empty, %n throws left"},
    {"%n dice in the cup", "%n die in the cup", "%n dice in the cup"},
    {"You keep %1, throw %n dice: %2", "You keep %1, throw %n die: %2",
     "You keep %1, throw %n dice: %2"},
    {"%1 keeps %2, throws %n dice: %3", "%1 keeps %2, throws %n die: %3",
     "%1 keeps %2, throws %n dice: %3"},
    {"Throw %1. %2. %n throw(s) left", "Throw %1. %2. %n throw left",
     "Throw %1. %2. %n throws left"},
    {"%3, throw %1. %2. %n throw(s) left", "%3, throw %1. %2. %n throw left",
     "%3, throw %1. %2. %n throws left"},
    {"%3 keeps %4, throw %1. %2. %n throw(s) left", "%3 keeps %4, throw %1. %2. %n throw left",
     "%3 keeps %4, throw %1. %2. %n throws left"},
    {"Die %1, %2, back in the cup. %n dice in the cup",
     "Die %1, %2, back in the cup. %n die in the cup",
     "Die %1, %2, back in the cup. %n dice in the cup"},
    {"%1, %n point(s). Total %2", "%1, %n point. Total %2", "%1, %n points. Total %2"},
    {"%1, %n point(s) for %3. Total %2", "%1, %n point for %3. Total %2",
     "%1, %n points for %3. Total %2"},
    {"Undone. %n dice back on the table", "Undone. %n die back on the table",
     "Undone. %n dice back on the table"},
    {"Game over. %1 wins with %n point(s)", "Game over. %1 wins with %n point",
     "Game over. %1 wins with %n points"},
    {"Game over. A tie at %n point(s)", "Game over. A tie at %n point",
     "Game over. A tie at %n points"},
    {"Game over. %n point(s)", "Game over. %n point", "Game over. %n points"},
};

}  // namespace

QString SceneWords::Count(const char* source, int n) {
  const QString translated = tr(source, nullptr, n);
  QString plain = QString::fromLatin1(source);
  plain.replace(QLatin1String("%n"), QLocale().toString(n));
  if (translated != plain) return translated;
  for (const EnglishForms& forms : kEnglishForms)
    if (std::strcmp(forms.source, source) == 0)
      return QString::fromLatin1(n == 1 ? forms.one : forms.more)
          .replace(QLatin1String("%n"), QLocale().toString(n));
  return translated;
}

QString SceneWords::PlayerName(int column) const {
  if (column == 0) return tr("Computer");
  if (column < 1 || column > 4) return {};
  return QString::fromStdString(ShownName(view_.WindowState().PlayerName[column]));
}

QString SceneWords::CategoryName(int category) const {
  if (category < 1 || category > kCategoryCount) return {};
  return QString::fromStdString(::ossaric::CategoryName(category));
}

QString SceneWords::FaceWord(int face) const {
  static const char* const kFaces[] = {
      QT_TRANSLATE_NOOP("Scene", "one"),   QT_TRANSLATE_NOOP("Scene", "two"),
      QT_TRANSLATE_NOOP("Scene", "three"), QT_TRANSLATE_NOOP("Scene", "four"),
      QT_TRANSLATE_NOOP("Scene", "five"),  QT_TRANSLATE_NOOP("Scene", "six")};
  return face >= 1 && face <= 6 ? tr(kFaces[face - 1]) : QString();
}

QString SceneWords::Faces(const std::vector<int>& faces) const {
  QStringList list;
  for (int f : faces) list << QLocale().toString(f);
  return QLocale().createSeparatedList(list);
}

QString SceneWords::TargetName(Target target) const {
  const TGameState& g = view_.GameState();
  const TWindowState& w = view_.WindowState();
  switch (target.kind) {
    case TargetKind::None:
      return {};
    case TargetKind::Cup: {
      if (g.ComputerBusy) return tr("Cup, the computer is playing");
      if (g.NextPlayerPending) return tr("Next Player, %1's turn").arg(PlayerName(g.NextColumn()));
      if (!g.GameActive) return tr("Cup, no game in play");
      const int left = std::max(0, g.ThrowLimit - g.ThrowsMade);
      if (left == 0) return tr("Cup, no throws left, choose a score");
      if (g.PlayerCount == 0 && g.CurrentPlayer == 0) return tr("Cup, player 1 takes it back");
      if (g.DiceInCup <= 0) return Count(QT_TR_N_NOOP("Cup empty, %n throw(s) left"), left);
      return tr("%1, %2", "the cup: what a press does, then the throws left")
          .arg(Count(QT_TR_N_NOOP("Throw %n dice"), g.DiceInCup),
               Count(QT_TR_N_NOOP("%n throw(s) left"), left));
    }
    case TargetKind::Die: {
      const int i = target.index;
      if (i < 1 || i > 5) return {};
      return tr("Die %1, %2").arg(i).arg(FaceWord(g.Die[i].Face));
    }
    case TargetKind::Row:
      return CellName(target.index, g.CurrentPlayer);
    case TargetKind::TotalsReturn:
    case TargetKind::TopTenReturn:
    case TargetKind::HintsReturn:
      return tr("Return");
    case TargetKind::TotalsNext:
      return tr("Next Player");
    case TargetKind::HintsNext:
      return tr("Next Hint");
    case TargetKind::Players:
      if (target.index == 0) return tr("Against the computer");
      return Count(QT_TR_N_NOOP("%n player(s)"), target.index);
    case TargetKind::NameField:
      return tr("Name of player %1, %2").arg(target.index).arg(PlayerName(target.index));
    // The words drawn on the setup screen.
    case TargetKind::HintsSwitch:
      return QCoreApplication::translate("Pictures", "Display Tip of the Day");
    case TargetKind::Start:
      return QCoreApplication::translate("Pictures", "Return to %1").arg(QStringLiteral("Ossaric"));
    case TargetKind::Total:
      return TotalName(target.index);
  }
  (void)w;
  return {};
}

QString SceneWords::TargetDescription(Target target) const {
  const TGameState& g = view_.GameState();
  switch (target.kind) {
    case TargetKind::Die: {
      // Said once, on the first die of the table, not on every die.
      int first = 0;
      for (int i = 5; i >= 1; --i)
        if (g.Die[i].InCup == 0) first = i;
      if (target.index != first) return {};
      if (g.ThrowsMade >= g.ThrowLimit) return tr("kept, no throws left");
      return tr("on the table, press to put it back in the cup");
    }
    case TargetKind::NameField:
      return tr("type the name, Return ends it");
    default:
      return {};
  }
}

QString SceneWords::DiceInCup() const {
  return Count(QT_TR_N_NOOP("%n dice in the cup"), view_.GameState().DiceInCup);
}

QString SceneWords::SheetName() const {
  return tr("Score sheet");
}

QString SceneWords::CellValue(int category, int column) const {
  const TGameState& g = view_.GameState();
  if (column < 0 || column > 4 || category < 1 || category > kCategoryCount) return {};
  const int entry = g.Sheet[column].Entry[category];
  if (entry >= 0) return QLocale().toString(entry);
  if (column == g.CurrentPlayer) {
    const int points = view_.WouldScore(category);
    if (points >= 0) return tr("empty, would score %1").arg(points);
  }
  return tr("empty");
}

QString SceneWords::CellName(int category, int column) const {
  return tr("%1, %2, %3", "a cell of the sheet: category, player, value")
      .arg(CategoryName(category), PlayerName(column), CellValue(category, column));
}

QString SceneWords::TotalName(int column) const {
  if (column < 0 || column > 4) return {};
  return tr("%1's total %2").arg(PlayerName(column)).arg(view_.GameState().Sheet[column].Total);
}

QString SceneWords::PanelText() const {
  const TWindowState& w = view_.WindowState();
  const TGameState& g = view_.GameState();
  QStringList lines;
  switch (view_.ShownScreen()) {
    case SceneScreen::Totals: {
      const std::vector<int> columns = g.Columns();
      int k = w.TotalsPlayer;
      if (std::find(columns.begin(), columns.end(), k) == columns.end()) k = columns.front();
      lines << tr("%1's Total").arg(PlayerName(k));
      for (int c = 1; c <= kCategoryCount; ++c) {
        const int e = g.Sheet[k].Entry[c];
        lines << tr("%1 %2", "a line of the totals panel")
                     .arg(CategoryName(c), e < 0 ? tr("empty") : QString::number(e));
      }
      lines << tr("Total %1").arg(g.Sheet[k].Total);
      break;
    }
    case SceneScreen::TopTen:
      lines << QCoreApplication::translate("TopTen", "  5-Dice Bexil High Scores").trimmed();
      for (int k = 1; k <= 10; ++k) {
        const TTopTenEntry& e = w.TopTen[k];
        const QString name = QString::fromStdString(ShownName(e.Name));
        if (name.trimmed().isEmpty() || e.Score <= 0) continue;
        lines << tr("%1 %2", "a line of the Top Ten").arg(name.trimmed()).arg(e.Score);
      }
      break;
    case SceneScreen::Hints: {
      lines << tr("Did you know ...");
      const int tip = w.HintIndex < 0 || w.HintIndex >= TWindowState::HintCount ? 0 : w.HintIndex;
      QStringList tipLines;
      for (int l = 1; l <= 4; ++l)
        if (!w.HintText[tip][l].empty())
          tipLines << QString::fromStdString(w.HintText[tip][l]).trimmed();
      lines << tipLines.join(QLatin1Char(' '));
      break;
    }
    case SceneScreen::Setup:
      lines << tr("New game. Choose the players and their names, then Return to Ossaric");
      break;
    case SceneScreen::Board:
      break;
  }
  return lines.join(QStringLiteral(". "));
}

QString SceneWords::Status() const {
  const TGameState& g = view_.GameState();
  const TTold& t = view_.LastTold();
  const bool alone = g.PlayerCount <= 1 && t.player != 0;
  switch (t.kind) {
    case TTold::Throw: {
      const int n = static_cast<int>(t.thrown.size());
      if (t.kept.empty())
        return alone ? tr("You threw %1").arg(Faces(t.thrown))
                     : tr("%1 threw %2").arg(PlayerName(t.player), Faces(t.thrown));
      return alone ? Count(QT_TR_N_NOOP("You keep %1, throw %n dice: %2"), n)
                         .arg(Faces(t.kept), Faces(t.thrown))
                   : Count(QT_TR_N_NOOP("%1 keeps %2, throws %n dice: %3"), n)
                         .arg(PlayerName(t.player), Faces(t.kept), Faces(t.thrown));
    }
    case TTold::Score:
      return alone ? tr("You write %1 in %2").arg(t.points).arg(CategoryName(t.category))
                   : tr("%1 writes %2 in %3")
                         .arg(PlayerName(t.player))
                         .arg(t.points)
                         .arg(CategoryName(t.category));
    case TTold::None:
      break;
    default:
      return Announcement(t);
  }
  if (view_.ShownScreen() == SceneScreen::Setup) return tr("New game");
  if (g.GameActive && view_.ShownScreen() == SceneScreen::Board)
    return tr("%1 to throw").arg(PlayerName(g.CurrentPlayer));
  return {};
}

QString SceneWords::Announcement(const TTold& t) const {
  const TGameState& g = view_.GameState();
  // Alone at the table the player's name goes without saying; the computer's never does.
  const bool alone = g.PlayerCount == 1 && t.player == 1;
  switch (t.kind) {
    case TTold::Throw: {
      const QString faces = Faces(t.faces);
      if (alone)
        return Count(QT_TR_N_NOOP("Throw %1. %2. %n throw(s) left"), t.throwsLeft)
            .arg(t.throwNumber)
            .arg(faces);
      if (t.kept.empty() || t.throwNumber <= 1)
        return Count(QT_TR_N_NOOP("%3, throw %1. %2. %n throw(s) left"), t.throwsLeft)
            .arg(QString::number(t.throwNumber), faces, PlayerName(t.player));
      return Count(QT_TR_N_NOOP("%3 keeps %4, throw %1. %2. %n throw(s) left"), t.throwsLeft)
          .arg(QString::number(t.throwNumber), faces, PlayerName(t.player), Faces(t.kept));
    }
    case TTold::Score:
      if (alone)
        return Count(QT_TR_N_NOOP("%1, %n point(s). Total %2"), t.points)
            .arg(CategoryName(t.category))
            .arg(t.total);
      return Count(QT_TR_N_NOOP("%1, %n point(s) for %3. Total %2"), t.points)
          .arg(CategoryName(t.category), QString::number(t.total), PlayerName(t.player));
    case TTold::ToCup:
      return Count(QT_TR_N_NOOP("Die %1, %2, back in the cup. %n dice in the cup"), t.inCup)
          .arg(t.die)
          .arg(FaceWord(t.face));
    case TTold::UndoScore:
      return tr("Undone. %1 is empty again. Total %2").arg(CategoryName(t.category)).arg(t.total);
    case TTold::UndoReturn:
      return Count(QT_TR_N_NOOP("Undone. %n dice back on the table"), t.inCup);
    case TTold::Handover:
      return tr("Next Player. %1's turn").arg(PlayerName(t.player));
    case TTold::GameOver:
      if (g.PlayerCount == 1) return Count(QT_TR_N_NOOP("Game over. %n point(s)"), t.points);
      if (t.player < 0) return Count(QT_TR_N_NOOP("Game over. A tie at %n point(s)"), t.points);
      return Count(QT_TR_N_NOOP("Game over. %1 wins with %n point(s)"), t.points)
          .arg(PlayerName(t.player));
    case TTold::TopTenCleared:
      return tr("Top Ten cleared");
    case TTold::None:
      break;
  }
  return {};
}

QString SceneWords::Goodbye() {
  return tr("Ossaric closes");
}

}  // namespace ossaric
