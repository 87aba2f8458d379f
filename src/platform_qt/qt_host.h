// The desktop's answers to what the game asks: message boxes, the beep, the clock and the hint timer.
#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/host.h"

class QWidget;

namespace vantrel::platform {

// Setting this environment variable to a number of Unix seconds stops the game's clock at that second, so
// every New deals the same game. The end-to-end tests and the benchmark use it.
inline constexpr char kClockVariable[] = "VANTREL_CLOCK";

// The fixed second from kClockVariable, or nothing when it is unset or not a number in 0..2^32-1.
std::optional<std::uint32_t> FixedClock();

class QtHost : public Host {
 public:
  // Dialogs are modal to `dialog_parent` (may be null), whose child the hint timer is: the host must not
  // outlive it.
  explicit QtHost(QWidget* dialog_parent = nullptr);

  void ShowMessage(const std::string& text) override;
  bool AskWarning(const std::string& text, DefaultAnswer default_answer) override;
  // The Select Deal dialog (DealNumberDialog).
  std::optional<std::uint32_t> AskDealNumber(std::optional<std::uint32_t> current) override;
  void Beep() override;
  std::uint32_t NowSeconds() override;
  void StartHintTimer() override;
  void StopHintTimer() override;

  // Runs when the hint timer fires.
  void OnHintTimer(std::function<void()> handler);
  // Runs before each dialog opens, so the window can bring the screen up to date behind it.
  void OnBeforeDialog(std::function<void()> handler) { before_dialog_ = std::move(handler); }

  QTimer& hint_timer() { return timer_; }

 private:
  void BeforeDialog();

  QWidget* dialog_parent_;
  QTimer timer_;
  std::function<void()> before_dialog_;
  std::optional<std::uint32_t> fixed_clock_;
};

}  // namespace vantrel::platform
