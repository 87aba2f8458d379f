// A Host for tests and the command line: it records everything shown and answers questions as told.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace vantrel::platform {

class ScriptedHost : public Host {
 public:
  explicit ScriptedHost(std::uint32_t now = 0) : now_(now) {}

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskWarning(const std::string& text, DefaultAnswer default_answer) override;
  std::optional<std::uint32_t> AskDealNumber(std::optional<std::uint32_t> current) override;
  void Beep() override { ++beeps; }
  std::uint32_t NowSeconds() override { return now_; }
  void StartHintTimer() override { timer_running = true; }
  void StopHintTimer() override { timer_running = false; }

  void SetNow(std::uint32_t seconds) { now_ = seconds; }
  // Queues the answers to the next questions (true = Yes). With none queued, a question is answered Yes.
  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  // Queues the answers to the next deal-number questions (nothing = Cancel). With none queued, Cancel.
  void QueueDealNumber(std::optional<std::uint32_t> number) { deal_numbers_.push_back(number); }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<DefaultAnswer> question_defaults;
  std::vector<std::optional<std::uint32_t>> deal_numbers_shown;  // what each deal-number question showed
  int beeps = 0;
  bool timer_running = false;

 private:
  std::uint32_t now_;
  std::deque<bool> answers_;
  std::deque<std::optional<std::uint32_t>> deal_numbers_;
};

}  // namespace vantrel::platform
