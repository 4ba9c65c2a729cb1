// Where the installed game finds its files: the read-only data relative to the program (so a
// moved prefix or a staged install works), the settings and the player's own music in the
// desktop's per-user directories. A program started from the build tree keeps the current
// directory as its game directory, as the scenario runner does.
#pragma once

#include <QString>

#include "platform/places.h"

namespace ossaric {

struct CommandLine;

// The places for this start, from the options and the program's own location. `error` names a
// --data-dir that is no directory (then the game does not start).
GamePlaces ResolvePlaces(const CommandLine& options, QString& error);

// The directory whose settings file this start uses; one game runs per such directory.
QString SettingsDirectory(const GamePlaces& places);

}  // namespace ossaric
