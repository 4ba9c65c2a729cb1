// Where the game finds its files. The read-only data (the seven effects, the music pieces and the
// help) and the files the game writes (the settings) may each live in a directory of their own;
// an empty directory name means the current directory, the game directory of a program started
// from it. The Top Ten's directory comes from the host (Host::UserDataDirectory).
#pragma once

#include <string>
#include <vector>

namespace ossaric {

struct GamePlaces {
  std::string dataDir;                 // effects and help
  std::vector<std::string> musicDirs;  // "*.mid" of each, in this order
  std::string configDir;               // "bexil.ini"
  // A settings file of an older start, read once when `configDir` holds none yet; never
  // written. Empty: none.
  std::string oldSettings;

  GamePlaces() : musicDirs{""} {}
};

// `name` in directory `dir` ("" : the current directory, the name unchanged).
inline std::string PlaceFile(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  return dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace ossaric
