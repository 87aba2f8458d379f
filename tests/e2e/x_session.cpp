// Xvfb, xdotool and screenshots for the end-to-end tests.
#include "x_session.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantrel::e2e {

XServer::XServer() {
  int fds[2];
  if (pipe(fds) != 0) {
    std::perror("pipe");
    std::abort();
  }
  // Xvfb writes the display number it chose to the descriptor given with -displayfd.
  const std::string fd = std::to_string(fds[1]);
  const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ) != 0) {
    std::fprintf(stderr, "cannot start Xvfb\n");
    std::abort();
  }
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) {
    std::fprintf(stderr, "Xvfb did not report its display\n");
    std::abort();
  }
  display_ = QStringLiteral(":") + QString::fromStdString(number);
}

XServer::~XServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

QString XDoTool(const QStringList& args) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), args);
  const bool done = xdotool.waitForFinished(10000);
  EXPECT_TRUE(done && xdotool.exitCode() == 0) << "xdotool " << args.join(' ').toStdString() << ": "
                                               << xdotool.readAllStandardError().toStdString();
  return QString::fromLocal8Bit(xdotool.readAllStandardOutput());
}

QImage Screenshot() {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

unsigned long WaitForWindow(const QString& title, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeout_ms) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                  QStringLiteral("^%1$").arg(title)});
    search.waitForFinished(5000);
    const QString out = QString::fromLocal8Bit(search.readAllStandardOutput()).trimmed();
    if (!out.isEmpty()) return out.split('\n').first().toULong();
    QThread::msleep(50);
  }
  return 0;
}

QRect WindowGeometry(unsigned long window) {
  const QString shell = XDoTool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
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

Game::Game(const QString& folder, unsigned clock, const QString& config_home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("VANTREL_CLOCK"), QString::number(clock));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_home.isEmpty() ? own_config_home_.path() : config_home);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  process_.setProcessEnvironment(env);
  process_.setWorkingDirectory(folder);
  process_.start(QStringLiteral(VANTREL_GAME_DIR "/vantrel"), {});
  EXPECT_TRUE(process_.waitForStarted(5000));
}

Game::~Game() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(2000);
  }
}

}  // namespace vantrel::e2e
