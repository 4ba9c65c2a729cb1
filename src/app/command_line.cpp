#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
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
    result.output = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
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
    result.output =
        QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for the options.\n")
            .arg(program, error);
    return result;
  }
  result.dataDir = parser.value(dataDir);
  result.configDir = parser.value(configDir);
  return result;
}

}  // namespace ossaric
