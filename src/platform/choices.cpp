#include "platform/choices.h"

#include <QFile>
#include <QSettings>

namespace ossaric {

int ChoicesFile::Read(const std::string& key, int fallback) const {
  if (path_.empty()) return fallback;
  const QSettings file(QFile::decodeName(path_.c_str()), QSettings::IniFormat);
  bool ok = false;
  const int value = file.value(QString::fromStdString(key)).toInt(&ok);
  return ok ? value : fallback;
}

bool ChoicesFile::Write(const std::string& key, int value) {
  if (path_.empty()) return false;
  QSettings file(QFile::decodeName(path_.c_str()), QSettings::IniFormat);
  file.setValue(QString::fromStdString(key), value);
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace ossaric
