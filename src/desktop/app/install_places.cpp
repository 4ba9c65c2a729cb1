#include "desktop/app/install_places.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "desktop/app/command_line.h"
#include "platform/user_dirs.h"

namespace ossaric {

namespace {

// The program runs from the directory it was built in (not from an installed copy).
bool RunsFromBuildTree(const std::string& programDir) {
  if (programDir.empty()) return false;
  return CanonicalPath(programDir) == CanonicalPath(OSSARIC_BUILD_BIN_DIR);
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A path for the eye, in a message: decoded as well as it goes.
QString Shown(const std::string& path) {
  return QString::fromLocal8Bit(QByteArray::fromStdString(path));
}

}  // namespace

GamePlaces ResolvePlaces(const CommandLine& options, QString& error) {
  return ResolvePlaces(options, ProgramDirectory(), error);
}

GamePlaces ResolvePlaces(const CommandLine& options, const std::string& programDir,
                         QString& error) {
  GamePlaces places;
  const bool buildTree = RunsFromBuildTree(programDir);

  std::string data;
  if (!options.dataDir.empty()) {
    data = AbsolutePath(options.dataDir);
    if (!IsDirectory(data))
      error = QCoreApplication::translate("CommandLine", "no data directory '%1'").arg(Shown(data));
  } else if (!buildTree && !programDir.empty()) {
    data = CleanPath(programDir + "/" + OSSARIC_DATA_FROM_BIN);
  }
  places.dataDir = data;
  places.musicDirs = {places.dataDir};
  // Pieces the player adds, after the installed ones.
  const std::string userData = UserDataHome();
  if (!data.empty() && !userData.empty()) {
    const std::string music = userData + "/ossaric/music";
    std::error_code ec;
    std::filesystem::create_directories(music, ec);
    places.musicDirs.push_back(music);
  }

  std::string config;
  if (!options.configDir.empty()) {
    config = AbsolutePath(options.configDir);
  } else if (!buildTree) {
    const std::string home = UserConfigHome();
    if (!home.empty()) config = home + "/ossaric";
  }
  if (!config.empty()) {
    places.configDir = config;
    // The settings an older start left in its game directory, the current one.
    const std::string here = CurrentDirectory();
    if (!here.empty() && CleanPath(here) != config)
      places.oldSettings = PlaceFile(here, "bexil.ini");
  }
  return places;
}

std::string SettingsDirectory(const GamePlaces& places) {
  return CanonicalPath(places.configDir.empty() ? CurrentDirectory() : places.configDir);
}

}  // namespace ossaric
