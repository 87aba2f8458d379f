// A private X server for the end-to-end tests, and the means to drive and watch programs on it: the game
// started with a fixed clock, real key presses and mouse drags through xdotool, and screenshots.
#pragma once

#include <sys/types.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>

namespace vantrel::e2e {

// Runs xdotool with the arguments and returns its standard output; fails the test when xdotool fails.
QString XDoTool(const QStringList& args);
// The screen as it is now, or the part `rect` of it.
QImage Screenshot(const QRect& rect = QRect());
// The id of a visible top-level window titled exactly `title` other than `other_than`, waiting up to
// `timeout`; 0 if none came.
unsigned long WaitForWindow(const QString& title, std::chrono::milliseconds timeout,
                            unsigned long other_than = 0);
// Waits up to `timeout` until no visible top-level window other than `other_than` is titled exactly
// `title`; false if one stayed.
bool WaitForNoWindow(const QString& title, std::chrono::milliseconds timeout, unsigned long other_than = 0);
// Whether a visible top-level window titled exactly `title` other than `other_than` is there now.
bool WindowShown(const QString& title, unsigned long other_than = 0);
// Asks the window to close as a window manager does for its close box, Alt+F4 or the system menu: the
// WM_DELETE_WINDOW message.
void CloseWindow(unsigned long window);
// The window's place on the screen.
QRect WindowGeometry(unsigned long window);

// The game built beside its CARDS folder.
QString BuiltGame();

// The game, started in `folder` with its clock at `clock`. Its statistics store lives under `config_home`
// (the user's settings folder, XDG_CONFIG_HOME), by default a fresh folder of its own: never in the real one.
// `command` is the program and its arguments, the built game unless given; `scale` is Qt's scale factor.
class Game {
 public:
  Game(const QString& folder, unsigned clock, const QString& config_home = QString(),
       const QStringList& command = QStringList(), double scale = 1);
  ~Game();
  QProcess& process() { return process_; }

 private:
  QTemporaryDir own_config_home_;
  QProcess process_;
};

// A start-up that stops with an error box: checks the box is no table, answers it with Enter, and checks the
// game then ends with exit code 0. `before_answer` may look at the box first. Returns what the game wrote to
// standard error.
QString AnswerStartUpError(Game& game, const std::function<void(const QRect& box)>& before_answer = {});

}  // namespace vantrel::e2e
