// Keyboard play: a focus over the targets of the screen that is up (Tab and Shift+Tab between
// groups, arrows within one), Space or Return presses what it rests on, Escape leaves a panel.
// The ring around the focus appears only once a key has moved it, so mouse play looks as it
// always has. Also what a screen reader reads of the scene.
#include <algorithm>

#include "ui/name_fields.h"
#include "ui/yacht_window.h"

namespace ossaric {

SceneScreen TYachtWindow::ShownScreen() const {
  return ScreenUp;
}

std::vector<Target> TYachtWindow::Targets(std::vector<int>* groupStarts) const {
  std::vector<Target> out;
  auto group = [&] {
    if (groupStarts != nullptr) groupStarts->push_back(static_cast<int>(out.size()));
  };
  switch (ShownScreen()) {
    case SceneScreen::Totals:
      group();
      out.push_back({TargetKind::TotalsReturn, 0});
      out.push_back({TargetKind::TotalsNext, 0});
      break;
    case SceneScreen::TopTen:
      group();
      out.push_back({TargetKind::TopTenReturn, 0});
      break;
    case SceneScreen::Hints:
      group();
      out.push_back({TargetKind::HintsReturn, 0});
      out.push_back({TargetKind::HintsNext, 0});
      break;
    case SceneScreen::Setup:
      group();
      for (int n : {1, 2, 3, 4, 0}) out.push_back({TargetKind::Players, n});
      group();
      for (int n = 1; n <= std::max(1, std::min(game_.PlayerCount, 4)); ++n)
        out.push_back({TargetKind::NameField, n});
      group();
      out.push_back({TargetKind::HintsSwitch, 0});
      group();
      out.push_back({TargetKind::Start, 0});
      break;
    case SceneScreen::Board: {
      group();
      out.push_back({TargetKind::Cup, 0});
      bool any = false;
      for (int i = 1; i <= 5; ++i) {
        if (game_.Die[i].InCup != 0 || game_.DiceInCup >= 5) continue;
        if (!any) group();
        any = true;
        out.push_back({TargetKind::Die, i});
      }
      group();
      for (int k = 1; k <= kCategoryCount; ++k) out.push_back({TargetKind::Row, k});
      group();
      out.push_back({TargetKind::Total, game_.CurrentPlayer});
      break;
    }
  }
  return out;
}

// Where the focus goes when it first shows, or when what it rested on has gone.
Target TYachtWindow::DefaultFocus() const {
  switch (ShownScreen()) {
    case SceneScreen::Totals:
      return {TargetKind::TotalsReturn, 0};
    case SceneScreen::TopTen:
      return {TargetKind::TopTenReturn, 0};
    case SceneScreen::Hints:
      return {TargetKind::HintsReturn, 0};
    case SceneScreen::Setup:
      return {TargetKind::Start, 0};
    case SceneScreen::Board:
      break;
  }
  return {TargetKind::Cup, 0};
}

Target TYachtWindow::Focus() const {
  const std::vector<Target> targets = Targets();
  if (std::find(targets.begin(), targets.end(), focus_) != targets.end()) return focus_;
  // A die gone into the cup hands the focus to the next die on the table, else to the cup.
  if (focus_.kind == TargetKind::Die) {
    for (const Target& t : targets)
      if (t.kind == TargetKind::Die && t.index > focus_.index) return t;
    for (auto t = targets.rbegin(); t != targets.rend(); ++t)
      if (t->kind == TargetKind::Die) return *t;
  }
  return DefaultFocus();
}

void TYachtWindow::MoveFocus(Target target) {
  const bool wasName = focus_.kind == TargetKind::NameField && NameEditing;
  if (wasName && !(target == focus_)) EndNameEditing();
  focus_ = target;
  focusShown_ = true;
  // A name field takes the typing as soon as the focus reaches it.
  if (target.kind == TargetKind::NameField && !NameEditing && TakesPress(target))
    SelectNameField(target.index);
}

void TYachtWindow::EvKey(GameKey key) {
  if (closed_ || game_.ComputerBusy) return;
  // A hint's marks last until the next action; moving the focus over them to read them is none.
  if (key == GameKey::Space || key == GameKey::Return || key == GameKey::Throw ||
      key == GameKey::Escape)
    ClearAdviceMarks();
  const Target focus = Focus();
  std::vector<int> starts;
  const std::vector<Target> targets = Targets(&starts);
  const int at =
      static_cast<int>(std::find(targets.begin(), targets.end(), focus) - targets.begin());
  const int count = static_cast<int>(targets.size());
  int group = 0;
  for (int g = 0; g < static_cast<int>(starts.size()); ++g)
    if (starts[g] <= at) group = g;
  const int groups = static_cast<int>(starts.size());
  auto groupEnd = [&](int g) { return g + 1 < groups ? starts[g + 1] : count; };

  switch (key) {
    case GameKey::Throw:
      if (ShownScreen() == SceneScreen::Board) Press({TargetKind::Cup, 0});
      break;
    case GameKey::Die1:
    case GameKey::Die2:
    case GameKey::Die3:
    case GameKey::Die4:
    case GameKey::Die5:
      if (ShownScreen() == SceneScreen::Board && !NameEditing)
        Press({TargetKind::Die, static_cast<int>(key) - static_cast<int>(GameKey::Die1) + 1});
      break;
    case GameKey::Home:
    case GameKey::End:
      if (!focusShown_ || count == 0) {
        MoveFocus(focus);
        break;
      }
      MoveFocus(targets[key == GameKey::Home ? starts[group] : groupEnd(group) - 1]);
      break;
    case GameKey::Escape:
      if (NameEditing) {
        EndNameEditing();
      } else if (ShownScreen() == SceneScreen::Totals || ShownScreen() == SceneScreen::TopTen ||
                 ShownScreen() == SceneScreen::Hints) {
        Press(DefaultFocus());
      }
      break;
    case GameKey::Return:
    case GameKey::Space:
      if (NameEditing) {
        // Return closes the name; a space is the name's, typed as a character.
        if (key == GameKey::Return) EndNameEditing();
        break;
      }
      if (!focusShown_) MoveFocus(focus);
      Press(Focus());
      break;
    case GameKey::Tab:
    case GameKey::BackTab: {
      if (!focusShown_ || count == 0) {
        MoveFocus(focus);
        break;
      }
      const int g = (group + (key == GameKey::Tab ? 1 : groups - 1)) % groups;
      Target next = targets[starts[g]];
      // The players row is entered at the choice made, the sheet at the first row to write.
      for (int n = starts[g]; n < groupEnd(g); ++n) {
        const Target& t = targets[n];
        if ((t.kind == TargetKind::Players && t.index == game_.PlayerCount) ||
            (t.kind == TargetKind::Row && game_.WouldScore(t.index) >= 0)) {
          next = t;
          break;
        }
      }
      MoveFocus(next);
      break;
    }
    case GameKey::Left:
    case GameKey::Up:
    case GameKey::Right:
    case GameKey::Down: {
      if (!focusShown_ || count == 0) {
        MoveFocus(focus);
        break;
      }
      const bool back = key == GameKey::Left || key == GameKey::Up;
      const int n = std::clamp(at + (back ? -1 : 1), starts[group], groupEnd(group) - 1);
      MoveFocus(targets[n]);
      break;
    }
  }
  RefreshFocus();
}

// The ring follows the focus after every handler: a die that went into the cup, a panel that
// opened or a setup screen that closed move it to what is there now.
void TYachtWindow::RefreshFocus() {
  if (closed_) return;
  if (focusShown_) {
    focus_ = Focus();
    TBox box = TargetBox(focus_);
    // A row's words fill its whole 24-pixel pitch but for a band at its top: the ring's lines
    // run in that band, above this row's words and above the next row's.
    if (focus_.kind == TargetKind::Row) box.y += 5, box.h = 19;
    host_.ShowFocusRing(true, box.x, box.y, box.w, box.h);
  }
  host_.SceneChanged();
}

void TYachtWindow::HideFocusRing() {
  if (!focusShown_) return;
  focusShown_ = false;
  host_.ShowFocusRing(false, 0, 0, 0, 0);
}

int TYachtWindow::WouldScore(int category) const {
  if (ShownScreen() != SceneScreen::Board) return -1;
  return game_.WouldScore(category);
}

}  // namespace ossaric
