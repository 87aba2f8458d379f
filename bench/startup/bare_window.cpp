// The yardstick for the start-up benchmark: a bare Qt window of the game's size with a menu bar and a status
// bar, whose F2 repaints its whole client area in another colour. It marks the steps of its start as the game
// does, for the benchmark's timelines side by side.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>

#include "platform/startup_marks.h"

namespace {

class Surface : public QWidget {
 public:
  void Toggle() {
    dark_ = !dark_;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), dark_ ? QColor(0, 96, 0) : QColor(0, 128, 0));
    if (!painted_) {
      painted_ = true;
      vantrel::platform::StartupMark("first paint");
    }
  }

 private:
  bool dark_ = false;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  vantrel::platform::StartupMark("main");
  QApplication application(argc, argv);
  vantrel::platform::StartupMark("application");
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  auto* surface = new Surface;
  surface->setAttribute(Qt::WA_OpaquePaintEvent);
  window.setCentralWidget(surface);
  QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
  QAction* repaint = game->addAction(QStringLiteral("&New"));
  repaint->setShortcut(QKeySequence(Qt::Key_F2));
  QObject::connect(repaint, &QAction::triggered, surface, &Surface::Toggle);
  game->addAction(QStringLiteral("&Quit"));
  window.menuBar()->addMenu(QStringLiteral("&Options"))->addAction(QStringLiteral("&Undo"));
  window.menuBar()->addAction(QStringLiteral("&Help"));
  window.menuBar()->addMenu(QStringLiteral("Debug"))->addAction(QStringLiteral("Use Transparency"));
  window.menuBar()->addAction(QStringLiteral("&Center"));
  window.statusBar()->setFixedHeight(19);
  window.resize(627, 414 + window.menuBar()->sizeHint().height());
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  window.move((screen.width() - 635) / 2, (screen.height() - 460) / 2);
  vantrel::platform::StartupMark("window");
  window.show();
  window.activateWindow();
  vantrel::platform::StartupMark("shown");
  return QApplication::exec();
}
