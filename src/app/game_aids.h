// What the window adds to the game at the player's choice, each off until switched on at the end of the
// Options menu and remembered between runs: the game kept when the window closes, the live verdict in the
// status bar (whether the game can still be won), and winnable deals only. (Select Deal... in the Game menu
// is the table's own command.)
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>

#include "interaction/interaction.h"
#include "interaction/switches.h"
#include "platform/error.h"
#include "registry/player_files.h"
#include "table/table.h"

class QLabel;
class QStatusBar;

namespace vantrel::solver {
class VerdictWorker;
enum class Verdict;
}  // namespace vantrel::solver

namespace vantrel::app {

class GameAids : public QObject {
 public:
  // The live verdict, when switched on, shows in `status_bar` as a widget of its own at the right, apart from
  // the peek's text.
  GameAids(Table& table, Interaction& player, QStatusBar& status_bar,
           const QString& folder = platform::SettingsFolder());
  ~GameAids() override;

  // At start-up: the switches as last saved; with Keep on, the game kept at the last close is claimed and put
  // back on the table. One that cannot be restored is set aside and the error says so (also written to
  // standard error, with what exactly was wrong); the game then starts as usual.
  std::optional<Error> Start();

  const Switches& switches() const { return switches_; }
  // A check item: the switch turned, saved at once, and in effect.
  void Toggle(bool Switches::*switched);
  // After every handler: with the live verdict on, a position not decided yet is handed to the worker, which
  // drops any search under way.
  void Follow();
  // A close that saves the statistics: with Keep on, the game under way is kept; without one, a game this
  // run kept earlier (at the end of a session that went on) is removed.
  void KeepGame();

  // The live verdict's part of the status bar; null while it is off.
  QLabel* verdict() const { return verdict_; }
  const platform::PlayerFiles& files() const { return files_; }

 private:
  void Apply();
  // The worker's verdict for job `job`, on the window's thread.
  void Decided(std::uint64_t job, solver::Verdict verdict);

  Table& table_;
  Interaction& player_;
  QStatusBar& status_bar_;
  platform::PlayerFiles files_;
  Switches switches_;
  QLabel* verdict_ = nullptr;
  std::unique_ptr<solver::VerdictWorker> worker_;
  std::optional<Position> asked_;  // the position last handed to the worker
  std::uint64_t job_ = 0;          // its job
};

}  // namespace vantrel::app
