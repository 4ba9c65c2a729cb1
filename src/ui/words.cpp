// The window's words that are kept in tables: the categories, the notices and the tips.
#include "ui/words.h"

#include "persist/file_images.h"

namespace ossaric {

namespace {

constexpr int kCategories = 12;

constexpr const char* kCategoryNames[kCategories + 1] = {
    "",
    QT_TRANSLATE_NOOP("Categories", "Bexil"),
    QT_TRANSLATE_NOOP("Categories", "Large Straight"),
    QT_TRANSLATE_NOOP("Categories", "Small Straight"),
    QT_TRANSLATE_NOOP("Categories", "Four of a Kind"),
    QT_TRANSLATE_NOOP("Categories", "Full House"),
    QT_TRANSLATE_NOOP("Categories", "Sixes"),
    QT_TRANSLATE_NOOP("Categories", "Fives"),
    QT_TRANSLATE_NOOP("Categories", "Fours"),
    QT_TRANSLATE_NOOP("Categories", "Threes"),
    QT_TRANSLATE_NOOP("Categories", "Twos"),
    QT_TRANSLATE_NOOP("Categories", "Ones"),
    QT_TRANSLATE_NOOP("Categories", "Choice"),
};

// The twelve category labels, row k of the score sheet, exactly as the sheet prints them.
constexpr const char* kCategoryLabels[kCategories + 1] = {
    "",
    "Bexil __________",
    "Large Straight ___",
    "Small Straight ___",
    "Four of a Kind __",
    "Full House _____",
    "Sixes __________",
    "Fives __________",
    "Fours  _________",
    "Threes  ________",
    "Twos __________",
    "Ones __________",
    "Choice ________",
};

// Twenty tips, their English lines at most 29 characters each.
constexpr const char* kTips[20] = {
    QT_TRANSLATE_NOOP("Tips",
                      "Animation speed can\nbe changed by\npressing the \"+\"\nor \"-\" key."),
    QT_TRANSLATE_NOOP("Tips", "You can't fall off\nthe floor."),
    QT_TRANSLATE_NOOP("Tips",
                      "You can stop a piece of music\nfrom being played by changing\nthat file's "
                      "extension from\nmid or by deleting it."),
    QT_TRANSLATE_NOOP("Tips",
                      "Alexander Graham Bell\ninvented the telephone so\npeople could stop "
                      "shouting.\n            - student quote"),
    QT_TRANSLATE_NOOP("Tips",
                      "Restart the current game\nby selecting Restart Game\nfrom the Game menu."),
    QT_TRANSLATE_NOOP("Tips", "If all else fails,\nread the manual."),
    QT_TRANSLATE_NOOP("Tips",
                      "Undo either gives you back\nthe dice in the cup or\ndeletes the last "
                      "score,\ndepending on your last move."),
    QT_TRANSLATE_NOOP("Tips", "What's another word for\nThesaurus?"),
    QT_TRANSLATE_NOOP("Tips",
                      "Put your own music (midi)\nfiles into the folder\n"
                      "~/.local/share/ossaric/music\nto hear them in sequence."),
    QT_TRANSLATE_NOOP("Tips",
                      "Gravity is chiefly noticeable\nin the autumn, when the\napples are falling "
                      "off trees.\n              - student quote"),
    QT_TRANSLATE_NOOP("Tips",
                      "The Top Ten Scores can be\ncleared by selecting the\nClear Top Ten Scores "
                      "from\nthe Scores menu."),
    QT_TRANSLATE_NOOP("Tips", "Red tape holds up new\nbridge.\n            - news item"),
    QT_TRANSLATE_NOOP("Tips",
                      "Ossaric keeps the ten best\ntotals of its human players.\nThe Computer "
                      "plays, but\nnever enters the Top Ten."),
    QT_TRANSLATE_NOOP("Tips",
                      "The invention of steamboats\ncaused a network of rivers\nto spring up.\n   "
                      "         - student quote"),
    QT_TRANSLATE_NOOP("Tips", "The dots under the\ncup indicate the\nnumber of rolls\navailable."),
    QT_TRANSLATE_NOOP("Tips", "Never judge a book by its\nmovie."),
    QT_TRANSLATE_NOOP("Tips",
                      "Ossaric remembers how many\nplay and all their names\nfrom one game to the "
                      "next."),
    QT_TRANSLATE_NOOP("Tips",
                      "The inhabitants of Egypt\nwere called mummies.  They\ntraveled by "
                      "Camelot.\n           - student quote"),
    QT_TRANSLATE_NOOP("Tips", "Your selected\nanimation speed is\nsaved from game to\ngame."),
    QT_TRANSLATE_NOOP("Tips", "Make headlines!\n - Sleep on a corduroy\npillow."),
};

}  // namespace

bool IsTranslated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text) != QLatin1String(text);
}

std::string CategoryName(int category) {
  if (category < 1 || category > kCategories) return {};
  return Utf8(QCoreApplication::translate("Categories", kCategoryNames[category]));
}

const char* EnglishCategoryName(int category) {
  return category < 1 || category > kCategories ? "" : kCategoryNames[category];
}

const char* EnglishCategoryLabel(int category) {
  return category < 1 || category > kCategories ? "" : kCategoryLabels[category];
}

NoticeWords NoticeText(Notice notice) {
  switch (notice) {
    case Notice::StartNewPlay:
      return {Utf8(QCoreApplication::translate("Notices", "Choose option from the Play menu")),
              Utf8(QCoreApplication::translate("Notices", "Start new play"))};
    case Notice::ThreeRollLimit:
      return {Utf8(QCoreApplication::translate("Notices", "Choose a score category now")),
              Utf8(QCoreApplication::translate("Notices", "Three roll limit"))};
    case Notice::NoDiceInCup:
      return {Utf8(QCoreApplication::translate("Notices", "There are no dice in the cup")), ""};
    case Notice::EndOfGame:
      return {Utf8(QCoreApplication::translate("Notices", "Choose option from the Play menu")),
              Utf8(QCoreApplication::translate("Notices", "End of Game"))};
  }
  return {};
}

std::string TipText(int index) {
  if (index < 0 || index >= 20) return {};
  return Utf8(QCoreApplication::translate("Tips", kTips[index]));
}

std::string PreviewText(int category, int points) {
  //: The points tooltip over a row of the score sheet: the category, then its points.
  return Utf8(QCoreApplication::translate("Sheet", "%1: %2")
                  .arg(QString::fromStdString(CategoryName(category)))
                  .arg(points));
}

std::string ShownName(const char (&name)[9]) {
  std::string text = NameText(name);
  if (text.size() == 8 && text.compare(0, 7, "Player ") == 0 && text[7] >= '1' && text[7] <= '4')
    //: A player's name before one is typed; %1 is 1 to 4. At most eight characters if you can.
    return Utf8(QCoreApplication::translate("Names", "Player %1").arg(text[7] - '0'));
  return text;
}

std::string CutUtf8(std::string text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80) --end;
  text.resize(end);
  return text;
}

}  // namespace ossaric
