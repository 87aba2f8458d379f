// The live verdict's thread.
#include "solver/verdict_worker.h"

namespace vantrel::solver {

VerdictWorker::VerdictWorker(const Limits& limits, Report report)
    : limits_(limits), report_(std::move(report)), thread_([this] { Run(); }) {}

VerdictWorker::~VerdictWorker() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
    cancel_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

std::uint64_t VerdictWorker::Decide(const Position& position) {
  std::uint64_t job;
  {
    const std::lock_guard lock(mutex_);
    waiting_ = position;
    job = ++jobs_;
    cancel_ = true;  // the search under way, if any, ends unknown
  }
  wake_.notify_one();
  return job;
}

void VerdictWorker::Cancel() {
  const std::lock_guard lock(mutex_);
  waiting_.reset();
  cancel_ = true;
}

void VerdictWorker::Run() {
  for (;;) {
    Position position;
    std::uint64_t job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return ending_ || waiting_.has_value(); });
      if (ending_) return;
      position = *waiting_;
      waiting_.reset();
      job = jobs_;
      cancel_ = false;  // under the lock: a Decide after this point cancels this search
      searching_ = job;
    }
    Limits limits = limits_;
    limits.cancel = &cancel_;
    Result result = Solver(limits).Solve(position);
    searching_ = 0;
    report_(job, result);
  }
}

}  // namespace vantrel::solver
