// Whether the game on the table can still be won, decided on a thread of its own so that the window never
// waits for it: each new position cancels the search under way, and the thread sleeps once it has decided.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "solver/solver.h"

namespace vantrel::solver {

class VerdictWorker {
 public:
  // How a search ended: its job's number and the solver's result (unknown and `cancelled` when a newer
  // position or the end stopped it). Runs on the worker's thread.
  using Report = std::function<void(std::uint64_t job, const Result& result)>;

  // Starts the thread, idle until the first position. Each search has `limits` (the cancel flag is the
  // worker's own) and a solver of its own, so its memory is given back once it is decided.
  VerdictWorker(const Limits& limits, Report report);
  // Cancels the search under way and waits for the thread to end.
  ~VerdictWorker();
  VerdictWorker(const VerdictWorker&) = delete;
  VerdictWorker& operator=(const VerdictWorker&) = delete;

  // Decides `position` next: a search under way is cancelled, a position still waiting is dropped. Returns
  // the job's number, counting from 1.
  std::uint64_t Decide(const Position& position);
  // Cancels the search under way and drops a position still waiting.
  void Cancel();
  // The job being searched now; 0 while the thread sleeps.
  std::uint64_t searching() const { return searching_; }

 private:
  void Run();

  const Limits limits_;
  const Report report_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Position> waiting_;  // the next position to decide
  std::uint64_t jobs_ = 0;           // the number of the last job given
  bool ending_ = false;
  std::atomic<bool> cancel_{false};
  std::atomic<std::uint64_t> searching_{0};
  std::thread thread_;  // started last, when everything it reads is there
};

}  // namespace vantrel::solver
