// The yardstick of the start benchmark: a bare Qt Widgets window of the game's size with a menu
// bar and a painted client area, and nothing else. It ends when its window is closed.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class Client : public QWidget {
 public:
  QSize sizeHint() const override { return {632, 434}; }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(235, 222, 190)); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  for (const char* title : {"&Game", "&Undo", "&AnimationSpeed", "Au&dio", "&Scores", "&Help"})
    window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("&Item"));
  window.setCentralWidget(new Client);
  window.resize(632, 434 + window.menuBar()->sizeHint().height());
  window.move(0, 0);
  window.show();
  return app.exec();
}
