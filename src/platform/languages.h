// The player's language: the game's catalogue and Qt's own for the first language of the
// desktop's list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game has, English for anything
// else. The catalogues are compiled into the program.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace ossaric {

// The languages the game has a catalogue for ("de", "pt_BR", ...), English not among them.
QStringList GameLanguages();

// The language to speak for `uiLanguages` (as QLocale::uiLanguages gives them): a catalogue's
// name, or "" for English (an English entry, or none the game has). A region without a catalogue
// of its own falls back to the nearest of its language (de_AT to de, pt_PT to pt_BR); Chinese
// keeps to its script (zh_HK and zh_Hant to zh_TW, zh and zh_SG to zh_CN).
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the catalogues of `language` (or of the desktop's language when none is given) into
// the running application; safe to call again on a new application object. Returns the
// language now spoken, "" for English.
QString InstallTranslators(const QString& language = QString());

// What the player may choose in the menu: "en", then GameLanguages(); and the catalogue each
// means for InstallTranslators ("" for "en").
QStringList ChoosableLanguages();
QString CatalogueOf(const QString& choice);

// A language's name as its own speakers write it ("Deutsch"), for the menu that chooses it;
// "English" for "".
QString LanguageName(const QString& language);

// The language now spoken, "" for English.
const std::string& CurrentLanguage();
// Whether it is written right to left (Arabic).
bool WrittenRightToLeft();

}  // namespace ossaric
