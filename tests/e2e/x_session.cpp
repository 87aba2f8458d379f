// Xvfb, xdotool and screenshots for the end-to-end tests.
#include "x_session.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <csignal>
#include <cstdio>

// Xlib last: its macros (Bool, None, Status...) would clash with Qt's names.
#include <X11/Xlib.h>

extern char** environ;

namespace vantrel::e2e {

QString XDoTool(const QStringList& args) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), args);
  const bool done = xdotool.waitForFinished(10000);
  EXPECT_TRUE(done && xdotool.exitCode() == 0)
      << "xdotool " << args.join(' ').toStdString() << ": " << xdotool.readAllStandardError().toStdString();
  return QString::fromLocal8Bit(xdotool.readAllStandardOutput());
}

QImage Screenshot(const QRect& rect) {
  const QRect part = rect.isNull() ? QRect(0, 0, -1, -1) : rect;
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, part.x(), part.y(), part.width(), part.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

namespace {

unsigned long FindWindow(const QString& title, unsigned long other_than) {
  QProcess search;
  search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)});
  search.waitForFinished(5000);
  const QString out = QString::fromLocal8Bit(search.readAllStandardOutput()).trimmed();
  for (const QString& id : out.split('\n', Qt::SkipEmptyParts)) {
    if (id.toULong() != other_than) return id.toULong();
  }
  return 0;
}

}  // namespace

unsigned long WaitForWindow(const QString& title, std::chrono::milliseconds timeout,
                            unsigned long other_than) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeout.count()) {
    if (const unsigned long window = FindWindow(title, other_than)) return window;
    QThread::msleep(50);
  }
  return 0;
}

bool WaitForNoWindow(const QString& title, std::chrono::milliseconds timeout, unsigned long other_than) {
  QElapsedTimer clock;
  clock.start();
  while (FindWindow(title, other_than) != 0) {
    if (clock.elapsed() >= timeout.count()) return false;
    QThread::msleep(50);
  }
  return true;
}

bool WindowShown(const QString& title, unsigned long other_than) {
  return FindWindow(title, other_than) != 0;
}

void CloseWindow(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr) << "cannot open the display";
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
}

QRect WindowGeometry(unsigned long window) {
  const QString shell =
      XDoTool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
  QRect rect;
  for (const QString& line : shell.split('\n')) {
    const QStringList kv = line.split('=');
    if (kv.size() != 2) continue;
    const int value = kv[1].toInt();
    if (kv[0] == QLatin1String("X")) rect.moveLeft(value);
    if (kv[0] == QLatin1String("Y")) rect.moveTop(value);
    if (kv[0] == QLatin1String("WIDTH")) rect.setWidth(value);
    if (kv[0] == QLatin1String("HEIGHT")) rect.setHeight(value);
  }
  return rect;
}

QString BuiltGame() { return QStringLiteral(VANTREL_GAME_DIR "/vantrel"); }

Game::Game(const QString& folder, unsigned clock, const QString& config_home, const QStringList& command,
           double scale) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("VANTREL_CLOCK"), QString::number(clock));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"),
             config_home.isEmpty() ? own_config_home_.path() : config_home);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
  // The game as it has always been, in English, whatever the language of whoever runs the tests.
  env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("C"));
  process_.setProcessEnvironment(env);
  process_.setWorkingDirectory(folder);
  const QStringList program = command.isEmpty() ? QStringList{BuiltGame()} : command;
  process_.start(program.first(), program.mid(1));
  EXPECT_TRUE(process_.waitForStarted(5000));
}

Game::~Game() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(2000);
  }
}

QString AnswerStartUpError(Game& game, const std::function<void(const QRect& box)>& before_answer) {
  const unsigned long box = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15));
  EXPECT_NE(box, 0u) << "no error box appeared";
  if (box == 0) return {};
  const QRect place = WindowGeometry(box);
  EXPECT_LT(place.width(), 600) << "the table's window must not show";
  if (before_answer) before_answer(place);
  XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(box)});
  XDoTool({QStringLiteral("key"), QStringLiteral("Return")});
  EXPECT_TRUE(game.process().waitForFinished(10000)) << "the game did not end";
  EXPECT_EQ(game.process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.process().exitCode(), 0);
  return QString::fromLocal8Bit(game.process().readAllStandardError());
}

}  // namespace vantrel::e2e
