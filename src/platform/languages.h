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
// name, or "" for English (an English entry, or none the game has).
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the catalogues of `language` (or of the desktop's language when none is given) into
// the running application; safe to call again on a new application object. Returns the
// language now spoken, "" for English.
QString InstallTranslators(const QString& language = QString());

// The language now spoken, "" for English.
const std::string& CurrentLanguage();

}  // namespace ossaric
