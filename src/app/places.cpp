#include "app/places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/command_line.h"

namespace ossaric {

namespace {

std::string Native(const QString& path) {
  return QFile::encodeName(QDir::cleanPath(path)).toStdString();
}

QString Absolute(const QString& path) {
  return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// The program runs from the directory it was built in (not from an installed copy).
bool RunsFromBuildTree() {
  const QString here = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
  const QString built = QFileInfo(QStringLiteral(OSSARIC_BUILD_BIN_DIR)).canonicalFilePath();
  return !here.isEmpty() && here == built;
}

}  // namespace

GamePlaces ResolvePlaces(const CommandLine& options, QString& error) {
  GamePlaces places;
  const bool buildTree = RunsFromBuildTree();

  QString data;
  if (!options.dataDir.isEmpty()) {
    data = Absolute(options.dataDir);
    if (!QFileInfo(data).isDir())
      error = QCoreApplication::translate("CommandLine", "no data directory '%1'").arg(data);
  } else if (!buildTree) {
    data = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(OSSARIC_DATA_FROM_BIN));
  }
  places.dataDir = data.isEmpty() ? std::string() : Native(data);
  places.musicDirs = {places.dataDir};
  // Pieces the player adds, after the installed ones.
  if (!data.isEmpty()) {
    const QString music = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/ossaric/music");
    QDir().mkpath(music);
    places.musicDirs.push_back(Native(music));
  }

  QString config;
  if (!options.configDir.isEmpty())
    config = Absolute(options.configDir);
  else if (!buildTree)
    config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/ossaric");
  if (!config.isEmpty()) {
    places.configDir = Native(config);
    // The settings an older start left in its game directory, the current one.
    const QString old = QDir::current().absoluteFilePath(QStringLiteral("bexil.ini"));
    if (QFileInfo(old).absolutePath() !=
        QFileInfo(config + QStringLiteral("/bexil.ini")).absolutePath())
      places.oldSettings = Native(old);
  }
  return places;
}

QString SettingsDirectory(const GamePlaces& places) {
  const QString dir =
      places.configDir.empty() ? QDir::currentPath() : QFile::decodeName(places.configDir.c_str());
  const QString canonical = QFileInfo(dir).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
}

}  // namespace ossaric
