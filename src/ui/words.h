// The window's words: the categories' names, the notices and the tips, in the player's language.
// The English texts are written where they are used, each in a form Qt's lupdate finds
// (QCoreApplication::translate, QT_TRANSLATE_NOOP); the catalogues carry the other languages.
// Texts travel as UTF-8 std::string; the surface draws them from Unicode.
#pragma once

#include <QCoreApplication>
#include <string>

#include "game/show.h"

namespace ossaric {

inline std::string Utf8(const QString& text) {
  return text.toStdString();
}

// Takes the last character (not byte) off a UTF-8 text.
inline void PopCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xc0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

// True when `context`/`text` has a translation in the catalogues installed now.
bool IsTranslated(const char* context, const char* text);

// A category's name as the player reads it ("Full House"); "" for 0 or out of range.
std::string CategoryName(int category);
// A category's English name, for records that stay English whatever the player reads (the
// scenario runner's JSON).
const char* EnglishCategoryName(int category);
// A category's label on the score sheet as English prints it, leader and all ("Full House _____");
// another language's label is its name with a leader drawn out to where this one ends.
const char* EnglishCategoryLabel(int category);

// A notice's text and the caption of its box.
struct NoticeWords {
  std::string text, caption;
};
NoticeWords NoticeText(Notice notice);

// Tip `index` (0..19): its lines, "\n" between them, as the translator broke them; a line too
// wide for the panel is broken again where it is drawn.
std::string TipText(int index);

// A row's points as the tooltip tells them: "Full House: 17".
std::string PreviewText(int category, int points);

// A stored name as the player reads it: its text (see NameText), a default name "Player n"
// in the player's language. The stored bytes stay as they are until the player edits them.
std::string ShownName(const char (&name)[9]);

// `text` cut to at most `bytes` bytes, a whole UTF-8 character at a time.
std::string CutUtf8(std::string text, size_t bytes);

}  // namespace ossaric
