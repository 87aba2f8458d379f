// SIGTERM (logout, shutdown), SIGHUP (the terminal closed) and SIGINT (Ctrl+C) end the game the way its close
// box does, so the results are saved. The handler only writes a byte to a socket pair; the event loop reads
// it and does the rest, where everything may be done safely.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vantrel::app {

class TerminationSignals : public QObject {
 public:
  // Catches the three signals for the lifetime of this object. `on_signal` runs in the event loop for each
  // signal that arrives; the signals themselves never end the process.
  explicit TerminationSignals(std::function<void()> on_signal);
  ~TerminationSignals() override;

 private:
  void Arrived();

  std::function<void()> on_signal_;
  QSocketNotifier* notifier_ = nullptr;
};

// Ends every modal dialog that is open, as its OK button would: a question counts as unanswered (No), the
// statistics dialog as closed with OK, so nothing is cleared or dealt on the way out.
void EndModalDialogs();

}  // namespace vantrel::app
