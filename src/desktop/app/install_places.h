// Where the installed game finds its files: the read-only data relative to the program (so a
// moved prefix or a staged install works), the settings and the player's own music in the
// desktop's per-user directories. A program started from the build tree keeps the current
// directory as its game directory, as the scenario runner does. Every place is kept as the
// system spells it, from the environment, the command line and the kernel to the open call.
#pragma once

#include <QString>
#include <string>

#include "platform/game_places.h"

namespace ossaric {

struct CommandLine;

// The places for this start, from the options, the environment and the directory the program
// runs from (`programDir`; by default the running program's own). `error` names a --data-dir
// that is no directory (then the game does not start).
GamePlaces ResolvePlaces(const CommandLine& options, QString& error);
GamePlaces ResolvePlaces(const CommandLine& options, const std::string& programDir, QString& error);

// The directory whose settings file this start uses; one game runs per such directory.
std::string SettingsDirectory(const GamePlaces& places);

}  // namespace ossaric
