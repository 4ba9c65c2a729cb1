#include "platform/choices.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <filesystem>
#include <system_error>

namespace ossaric {

namespace {

// QSettings names its file as text. A directory whose name is no text (it holds a byte such as
// 0xFF, which would come back as U+FFFD and name a twin) is reached through the kernel's name
// for an open descriptor of it, "/proc/self/fd/N", which is plain ASCII.
class SettingsName {
 public:
  explicit SettingsName(const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    text_ = QFile::decodeName(bytes);
    if (QFile::encodeName(text_) == bytes) return;
    text_.clear();
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return;
    const QByteArray name = QByteArray::fromStdString(path.substr(slash + 1));
    if (QFile::encodeName(QFile::decodeName(name)) != name) return;
    dir_ =
        ::open(slash == 0 ? "/" : path.substr(0, slash).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir_ >= 0) text_ = QStringLiteral("/proc/self/fd/%1/").arg(dir_) + QFile::decodeName(name);
  }
  ~SettingsName() {
    if (dir_ >= 0) ::close(dir_);
  }
  SettingsName(const SettingsName&) = delete;
  SettingsName& operator=(const SettingsName&) = delete;
  // Empty when the file cannot be named.
  const QString& Text() const { return text_; }

 private:
  QString text_;
  int dir_ = -1;
};

}  // namespace

namespace {

QVariant ReadValue(const std::string& path, const std::string& key) {
  if (path.empty()) return {};
  const SettingsName name(path);
  if (name.Text().isEmpty()) return {};
  const QSettings file(name.Text(), QSettings::IniFormat);
  return file.value(QString::fromStdString(key));
}

bool WriteValue(const std::string& path, const std::string& key, const QVariant& value) {
  if (path.empty()) return false;
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    std::error_code ec;
    std::filesystem::create_directories(path.substr(0, slash), ec);
  }
  const SettingsName name(path);
  if (name.Text().isEmpty()) return false;
  QSettings file(name.Text(), QSettings::IniFormat);
  file.setValue(QString::fromStdString(key), value);
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace

int ChoicesFile::Read(const std::string& key, int fallback) const {
  bool ok = false;
  const int value = ReadValue(path_, key).toInt(&ok);
  return ok ? value : fallback;
}

bool ChoicesFile::Write(const std::string& key, int value) {
  return WriteValue(path_, key, value);
}

std::string ChoicesFile::ReadText(const std::string& key) const {
  return ReadValue(path_, key).toString().toStdString();
}

bool ChoicesFile::WriteText(const std::string& key, const std::string& value) {
  return WriteValue(path_, key, QString::fromStdString(value));
}

}  // namespace ossaric
