// The program: the application object builds the main window and runs the message loop; the
// loop's status is the program's exit status.
#include <QApplication>

#include "platform/qt/main_window.h"

namespace ossaric {

class TYachtApp : public QApplication {
 public:
  TYachtApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Ossaric"));
    setWindowIcon(GameIcon());
  }

  int Run() {
    MainWindow window;
    window.show();
    window.Start();
    return exec();
  }
};

}  // namespace ossaric

int main(int argc, char** argv) {
  ossaric::TYachtApp app(argc, argv);
  return app.Run();
}
