// The program: the options are read, one game runs per settings directory, and the application
// object builds the main window and runs the message loop; the loop's status is the program's
// exit status.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "desktop/app/command_line.h"
#include "desktop/app/install_places.h"
#include "desktop/app/polite_end.h"
#include "desktop/app/single_instance.h"
#include "desktop/qt/main_window.h"
#include "desktop/qt/qt_host.h"
#include "platform/languages.h"

namespace ossaric {

class TYachtApp : public QApplication {
 public:
  TYachtApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Ossaric"));
    setApplicationVersion(QStringLiteral(OSSARIC_VERSION));
    setDesktopFileName(QStringLiteral(OSSARIC_APP_ID));
  }

  int Run(GamePlaces places) {
    SingleInstance instance(SettingsDirectory(places));
    if (instance.Claim() == SingleInstance::Outcome::Raised) return 0;
    MainWindow window(std::move(places));
    instance.onRaise = [&window](const QByteArray& token) { BringToFront(&window, token); };
    window.show();
    CloseOnSignals(&window, [&window] { window.GameHost().AskToEnd(); });
    window.Start();
    return exec();
  }
};

}  // namespace ossaric

namespace {

int Print(const QString& text, int status) {
  std::FILE* out = status == 0 ? stdout : stderr;
  std::fputs(QFile::encodeName(text).constData(), out);
  std::fflush(out);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Ossaric"));
  QCoreApplication::setApplicationVersion(QStringLiteral(OSSARIC_VERSION));
  ossaric::ChooseEventLoop();
  // The options first, in the player's language, so that --help, --version and a wrong option
  // need no display: a bare application object holds the catalogues meanwhile.
  std::vector<std::string> arguments(argv, argv + argc);
  ossaric::CommandLine options;
  QString language;
  {
    // Its only argument is the program's name, as --help names it in its usage line.
    QByteArray name = argc > 0 && argv[0] ? QByteArray(argv[0]) : QByteArray();
    name = name.mid(name.lastIndexOf('/') + 1);
    if (name.isEmpty()) name = "ossaric";
    char* bareArgv[] = {name.data(), nullptr};
    int bareArgc = 1;
    QCoreApplication bare(bareArgc, bareArgv);
    language = ossaric::InstallTranslators();
    options = ossaric::ParseCommandLine(arguments);
  }
  if (!options.run) return Print(options.output, options.status);

  ossaric::TYachtApp app(argc, argv);
  ossaric::InstallTranslators(language);
  QString error;
  ossaric::GamePlaces places = ossaric::ResolvePlaces(options, error);
  if (!error.isEmpty()) return Print(QStringLiteral("ossaric: %1\n").arg(error), 2);
  return app.Run(std::move(places));
}
