#include "desktop/app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <initializer_list>

namespace ossaric {

namespace {

// Qt's own options for any widget program, with and without a value; both "-x" and "--x" work.
constexpr std::initializer_list<const char*> kQtValueOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
    "style",    "stylesheet",         "session",       "display",     "name",
    "visual",   "qmljsdebugger"};
constexpr std::initializer_list<const char*> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                         "dograb",  "sync",        "testability"};

// The arguments less Qt's own options.
QStringList WithoutQtOptions(const QStringList& arguments) {
  QStringList out;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (i == 0 || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("--")) {
      out << arg;
      continue;
    }
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    bool qt = false;
    for (const char* option : kQtFlags) qt = qt || name == QLatin1String(option);
    for (const char* option : kQtValueOptions) {
      if (name == QLatin1String(option)) {
        qt = true;
        ++i;  // its value
      } else if (name.startsWith(QLatin1String(option) + QLatin1Char('='))) {
        qt = true;
      }
    }
    if (!qt) out << arg;
  }
  return out;
}

// The arguments as text for the parser. An argument that is no text in the locale (its bytes
// would not come back the same) is stood in for by a mark, a private-use character and its
// number in `raw`; an option's value after "=" alone is marked, so "--data-dir=<bytes>" still
// names its option. The parser's answers are read back through the marks.
class MarkedArguments {
 public:
  explicit MarkedArguments(const std::vector<std::string>& arguments) {
    for (const std::string& arg : arguments) {
      const QByteArray bytes = QByteArray::fromStdString(arg);
      const QString text = QFile::decodeName(bytes);
      if (QFile::encodeName(text) == bytes) {
        text_ << text;
        continue;
      }
      const size_t equals = arg.find('=');
      if (arg.size() > 1 && arg[0] == '-' && equals != std::string::npos)
        text_ << QString::fromLatin1(arg.substr(0, equals + 1)) + Mark(arg.substr(equals + 1));
      else
        text_ << Mark(arg);
    }
  }
  const QStringList& Text() const { return text_; }
  // A value as the system spelled it.
  std::string Bytes(const QString& value) const {
    if (value.size() > 1 && value[0] == kMark) {
      bool ok = false;
      const qsizetype k = value.mid(1).toLongLong(&ok);
      if (ok && k >= 0 && k < static_cast<qsizetype>(raw_.size())) return raw_[size_t(k)];
    }
    return QFile::encodeName(value).toStdString();
  }
  // `text` for the eye: every mark becomes the bytes it stands for, decoded as well as they go.
  QString Shown(QString text) const {
    for (size_t k = raw_.size(); k-- > 0;)
      text.replace(QString(kMark) + QString::number(k),
                   QString::fromLocal8Bit(QByteArray::fromStdString(raw_[k])));
    return text;
  }

 private:
  static constexpr QChar kMark = QChar(u'\uE000');
  QString Mark(const std::string& bytes) {
    raw_.push_back(bytes);
    return QString(kMark) + QString::number(raw_.size() - 1);
  }
  QStringList text_;
  std::vector<std::string> raw_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& rawArguments) {
  const MarkedArguments marked(rawArguments);
  const QStringList& arguments = marked.Text();
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine",
                                  "A dice game for one to four players, or one against the "
                                  "computer."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QCoreApplication::translate("CommandLine",
                                  "Read the sound effects, the music and the help from <dir>."),
      QCoreApplication::translate("CommandLine", "dir"));
  const QCommandLineOption configDir(
      QStringLiteral("config-dir"),
      QCoreApplication::translate("CommandLine", "Keep the settings file bexil.ini in <dir>."),
      QCoreApplication::translate("CommandLine", "dir"));
  parser.addOption(dataDir);
  parser.addOption(configDir);

  CommandLine result;
  const QStringList args = WithoutQtOptions(arguments);
  const QString program =
      args.isEmpty() ? QStringLiteral("ossaric") : QFileInfo(args.first()).fileName();
  const bool parsed = parser.parse(args);
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    result.run = false;
    // Without an application object yet, Qt leaves the program's name to be filled in.
    result.output =
        marked.Shown(parser.helpText().replace(QStringLiteral("<executable_name>"), program));
    return result;
  }
  if (parser.isSet(version)) {
    result.run = false;
    result.output = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
    return result;
  }
  QString error;
  if (!parsed) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                .arg(parser.positionalArguments().first());
  } else {
    for (const QCommandLineOption& option : {dataDir, configDir})
      if (parser.isSet(option) && parser.value(option).isEmpty())
        error = QCoreApplication::translate("CommandLine", "The option '--%1' needs a directory.")
                    .arg(option.names().first());
  }
  if (!error.isEmpty()) {
    result.run = false;
    result.status = 2;
    result.output = marked.Shown(
        QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for the options.\n")
            .arg(program, error));
    return result;
  }
  result.dataDir = marked.Bytes(parser.value(dataDir));
  result.configDir = marked.Bytes(parser.value(configDir));
  return result;
}

}  // namespace ossaric
