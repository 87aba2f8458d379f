// The scripted Host's answers to questions.
#include "platform/scripted_host.h"

namespace vantrel::platform {

bool ScriptedHost::AskWarning(const std::string& text, DefaultAnswer default_answer) {
  questions.push_back(text);
  question_defaults.push_back(default_answer);
  if (answers_.empty()) return true;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

std::optional<std::uint32_t> ScriptedHost::AskDealNumber(std::optional<std::uint32_t> current) {
  deal_numbers_shown.push_back(current);
  if (deal_numbers_.empty()) return std::nullopt;
  const std::optional<std::uint32_t> number = deal_numbers_.front();
  deal_numbers_.pop_front();
  return number;
}

}  // namespace vantrel::platform
