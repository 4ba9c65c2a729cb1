// The program: the options are read, one game runs per settings directory, and the application
// object builds the main window and runs the message loop; the loop's status is the program's
// exit status.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/places.h"
#include "app/single_instance.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_host.h"

namespace ossaric {

class TYachtApp : public QApplication {
 public:
  TYachtApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Ossaric"));
    setApplicationVersion(QStringLiteral(OSSARIC_VERSION));
    setDesktopFileName(QStringLiteral(OSSARIC_APP_ID));
    setWindowIcon(GameIcon());
  }

  int Run(GamePlaces places) {
    SingleInstance instance(SettingsDirectory(places));
    if (instance.Claim() == SingleInstance::Outcome::Raised) return 0;
    MainWindow window(std::move(places));
    instance.onRaise = [&window](const QByteArray& token) { BringToFront(&window, token); };
    window.show();
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
  // The options first, so that --help, --version and a wrong option need no display.
  std::vector<std::string> arguments(argv, argv + argc);
  const ossaric::CommandLine options = ossaric::ParseCommandLine(arguments);
  if (!options.run) return Print(options.output, options.status);

  ossaric::ChooseEventLoop();
  ossaric::TYachtApp app(argc, argv);
  QString error;
  ossaric::GamePlaces places = ossaric::ResolvePlaces(options, error);
  if (!error.isEmpty()) return Print(QStringLiteral("ossaric: %1\n").arg(error), 2);
  return app.Run(std::move(places));
}
