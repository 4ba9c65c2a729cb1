// The scene as a screen reader sees it, in process: the tree at the setup screen and after a
// throw, a game started and a throw made by accessibility actions alone, the cells reading
// their entries and what they would score, and the events a screen reader hears.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop/qt/main_window.h"
#include "desktop/qt/qt_host.h"
#include "desktop/qt/scene_widget.h"
#include "ui/words.h"
#include "ui/yacht_window.h"
#include "window_probe.h"

// The offscreen platform has a screen-reader layer that starts switched off, and Qt has no
// public switch for it (a desktop's bridge turns it on when a screen reader listens). These
// two calls of Qt's platform layer, exported by QtGui, turn it on so the update handler hears.
QT_BEGIN_NAMESPACE
class QPlatformAccessibility {
 public:
  void setActive(bool active);
};
class QPlatformIntegration {
 public:
  QPlatformAccessibility* accessibility() const;
};
QT_END_NAMESPACE

namespace ossaric {
namespace {

// The platform's one accessibility object, which the offscreen platform does not replace.
void SwitchAccessibilityOn() {
  if (QAccessible::isActive()) return;
  alignas(void*) static char integration[sizeof(void*)] = {};
  reinterpret_cast<const QPlatformIntegration*>(integration)->accessibility()->setActive(true);
}

std::vector<std::string> g_events;

void Record(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  const std::string name = iface ? iface->text(QAccessible::Name).toStdString() : "";
  g_events.push_back(std::to_string(static_cast<int>(event->type())) + " " + name);
}

bool Heard(QAccessible::Event type, const std::string& part) {
  const std::string prefix = std::to_string(static_cast<int>(type)) + " ";
  for (const std::string& e : g_events)
    if (e.rfind(prefix, 0) == 0 && e.find(part) != std::string::npos) return true;
  return false;
}

// The tree below `iface`, one line per object: role, name, value and the press action.
void Print(QAccessibleInterface* iface, int depth, std::string& out) {
  if (iface == nullptr) return;
  out += std::string(2 * depth, ' ') + "[" + std::to_string(iface->role()) + "] " +
         iface->text(QAccessible::Name).toStdString();
  const QString value = iface->text(QAccessible::Value);
  if (!value.isEmpty()) out += " = " + value.toStdString();
  if (iface->state().checked) out += " (checked)";
  if (iface->actionInterface() && !iface->actionInterface()->actionNames().isEmpty())
    out += " <press>";
  out += "\n";
  for (int i = 0; i < iface->childCount(); ++i) Print(iface->child(i), depth + 1, out);
}

QAccessibleInterface* Find(QAccessibleInterface* iface, const QString& start) {
  if (iface == nullptr) return nullptr;
  if (iface->text(QAccessible::Name).startsWith(start)) return iface;
  for (int i = 0; i < iface->childCount(); ++i)
    if (QAccessibleInterface* hit = Find(iface->child(i), start)) return hit;
  return nullptr;
}

void PressAction(QAccessibleInterface* iface) {
  ASSERT_NE(iface, nullptr);
  ASSERT_NE(iface->actionInterface(), nullptr) << iface->text(QAccessible::Name).toStdString();
  iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

const char* const kFaceWords[7] = {"", "one", "two", "three", "four", "five", "six"};

class Accessible : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(mkdtemp(dir_), nullptr);
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    setenv("XDG_DATA_HOME", (std::string(dir_) + "/data").c_str(), 1);
    g_events.clear();
    QAccessible::installUpdateHandler(Record);
    SwitchAccessibilityOn();
    ASSERT_TRUE(QAccessible::isActive());
  }
  void TearDown() override {
    QAccessible::installUpdateHandler(nullptr);
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  char dir_[32] = "/tmp/ossaric-a11y-XXXXXX";
  std::filesystem::path old_;
};

TEST_F(Accessible, OneGameStartedAndThrownByActions) {
  MainWindow window;
  window.show();
  window.Start();
  TWindowProbe g = window.Game();
  g.State().SoundOn = 0;
  g.State().AnimDelay = 0;
  QAccessibleInterface* scene = QAccessible::queryAccessibleInterface(window.Scene());
  ASSERT_NE(scene, nullptr);
  std::string tree;
  Print(scene, 0, tree);
  std::printf("---- setup screen\n%s", tree.c_str());
  // The setup screen: the players as radio buttons, the choice made checked, the Start button.
  QAccessibleInterface* one = Find(scene, "1 player");
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->role(), QAccessible::RadioButton);
  EXPECT_TRUE(one->state().checked);
  PressAction(Find(scene, "2 players"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.Game().PlayerCount == 2; }, 5000));
  EXPECT_TRUE(Heard(QAccessible::StateChanged, "2 players"));
  PressAction(Find(scene, "1 player"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.Game().PlayerCount == 1; }, 5000));
  PressAction(Find(scene, "Return to Ossaric"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.State().ScreenUp != SceneScreen::Setup; }, 5000));
  EXPECT_TRUE(Heard(QAccessible::ObjectHide, "Return to Ossaric"));

  // The board: the cup says what a press does and how many throws are left.
  QAccessibleInterface* cup = Find(scene, "Throw 5 dice, 3 throws left");
  ASSERT_NE(cup, nullptr) << tree;
  PressAction(cup);
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.Game().ThrowsMade == 1; }, 10000));
  QTest::qWait(50);
  tree.clear();
  Print(scene, 0, tree);
  std::printf("---- after a throw\n%s", tree.c_str());
  EXPECT_EQ(cup->text(QAccessible::Name).toStdString(), "Cup empty, 2 throws left");
  QStringList faceList;
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    const int face = g.Game().Die[i].Face;
    faceList << QString::number(face);
    QAccessibleInterface* die = Find(scene, QString("Die %1,").arg(i));
    ASSERT_NE(die, nullptr);
    EXPECT_EQ(die->text(QAccessible::Name).toStdString(),
              "Die " + std::to_string(i) + ", " + kFaceWords[face]);
  }
  // The throw was told on the status line.
  const std::string faces = QLocale().createSeparatedList(faceList).toStdString();
  EXPECT_TRUE(Heard(QAccessible::NameChanged, "You threw " + faces)) << faces;
  // And announced, whatever has the focus.
  EXPECT_TRUE(Heard(QAccessible::ObjectShow, "Throw 1. " + faces + ". 2 throws left")) << faces;
  // The sheet: categories as rows, the player as the column, each cell's would-be score.
  QAccessibleInterface* sheet = Find(scene, "Score sheet");
  ASSERT_NE(sheet, nullptr);
  ASSERT_NE(sheet->tableInterface(), nullptr);
  EXPECT_EQ(sheet->tableInterface()->rowCount(), 12);
  EXPECT_EQ(sheet->tableInterface()->columnCount(), 1);
  EXPECT_EQ(sheet->tableInterface()->columnDescription(0).toStdString(), "Player 1");
  for (int k = 1; k <= 12; ++k) {
    SCOPED_TRACE(k);
    QAccessibleInterface* cell = sheet->tableInterface()->cellAt(k - 1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Value).toStdString(),
              "empty, would score " + std::to_string(g.Game().WouldScore(k)));
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
              QString::fromLatin1(EnglishCategoryName(k)));
  }
  // Scoring Choice by the cell's action writes the sum and tells it.
  const int sum = g.Game().WouldScore(kChoice);
  PressAction(sheet->tableInterface()->cellAt(kChoice - 1, 0));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.Game().Sheet[1].Entry[kChoice] == sum; }, 10000));
  QTest::qWait(50);
  EXPECT_EQ(sheet->tableInterface()->cellAt(kChoice - 1, 0)->text(QAccessible::Value).toStdString(),
            std::to_string(sum));
  EXPECT_TRUE(Heard(QAccessible::NameChanged, "You write " + std::to_string(sum) + " in Choice"));
  // The focus's own name change is not sent (Qt 6.4 sends it without its words); what was
  // written is announced instead.
  EXPECT_TRUE(Heard(QAccessible::ObjectShow,
                    "Choice, " + std::to_string(sum) + " points. Total " + std::to_string(sum)));
  EXPECT_NE(Find(scene, "Player 1's total " + QString::number(sum)), nullptr);
  // A key shows the focus and a screen reader hears it.
  QApplication::setActiveWindow(&window);
  window.Scene()->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Scene()->hasFocus(); }, 5000));
  // Played without keys, the picture has no ring; once a key moved the focus to the cup, a ring
  // stands just outside the cup's box.
  auto ringBeside = [&](int y) {
    const QImage picture = window.Scene()->grab().toImage();
    for (int x = 24; x <= 29; ++x)
      if (picture.pixelColor(x, y) == QColor(20, 60, 200)) return true;
    return false;
  };
  EXPECT_FALSE(ringBeside(350));
  // The first key shows the focus where the last press left it; Tab goes on to the cup.
  QTest::keyClick(window.Scene(), Qt::Key_Tab);
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.FocusShown(); }, 5000));
  EXPECT_TRUE(Heard(QAccessible::Focus, "Choice, Player 1, " + std::to_string(sum)));
  // The total is the sheet's neighbour in the Tab order.
  QTest::keyClick(window.Scene(), Qt::Key_Tab);
  EXPECT_TRUE(Heard(QAccessible::Focus, "Player 1's total " + std::to_string(sum)));
  QTest::keyClick(window.Scene(), Qt::Key_Tab);
  EXPECT_TRUE(Heard(QAccessible::Focus, "Throw 5 dice, 3 throws left"));
  EXPECT_TRUE(ringBeside(350));
}

}  // namespace
}  // namespace ossaric
