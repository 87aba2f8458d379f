// The scripted Host's question answering.
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

}  // namespace vantrel::platform
