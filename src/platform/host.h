// What the game asks of the world around it: dialogs, the beep, the clock and the hint timer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel::platform {

// Which button of a warning question Enter presses.
enum class DefaultAnswer { kYes, kNo };

class Host {
 public:
  virtual ~Host() = default;

  // A modal box titled with the program's name, the text and an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal warning with Yes and No. True only for Yes: No, Esc and closing the question all refuse.
  virtual bool AskWarning(const std::string& text, DefaultAnswer default_answer) = 0;
  // A modal question for a deal's number, 0..4294967295, showing `current` (the deal on the table, if any).
  // Nothing when the player cancels.
  virtual std::optional<std::uint32_t> AskDealNumber(std::optional<std::uint32_t> current) = 0;
  // The platform's default beep.
  virtual void Beep() = 0;
  // The clock: Unix time in whole seconds, truncated to 32 bits. It seeds shuffles and hints.
  virtual std::uint32_t NowSeconds() = 0;
  // The 700 ms hint timer: start it (restarting it if it runs) or stop it. It calls back
  // Table::EndHintBlink when it fires.
  virtual void StartHintTimer() = 0;
  virtual void StopHintTimer() = 0;
};

}  // namespace vantrel::platform
