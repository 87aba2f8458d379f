// The in-memory Registry of the statistics tests.
#include "memory_registry.h"

#include "platform/error.h"

namespace vantrel::testing {

bool MemoryRegistry::OpenKey(bool can_create) {
  log.push_back(can_create ? "open create" : "open");
  if (on_open) on_open();
  written_.clear();
  if (refuse_open || (!exists && !can_create)) return false;
  exists = true;
  return true;
}

std::int32_t MemoryRegistry::ReadInteger(const std::string& name) {
  log.push_back("read " + name);
  if (!values.contains(name)) throw Error("missing " + name);
  if (not_integers.contains(name)) throw Error("not an integer: " + name);
  return values.at(name);
}

void MemoryRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  log.push_back("write " + name + " " + std::to_string(value));
  written_[name] = value;
}

void MemoryRegistry::CloseKey() {
  log.push_back("close");
  if (fail_close && !written_.empty()) {
    written_.clear();
    throw Error("memory:Vantrel refused the write");
  }
  for (const auto& [name, value] : written_) {
    values[name] = value;
    not_integers.erase(name);
  }
  written_.clear();
}

void MemoryRegistry::Store(std::int32_t wins, std::int32_t losses, std::int32_t win_streak,
                           std::int32_t lose_streak) {
  exists = true;
  values = {{"Wins", wins}, {"Losses", losses}, {"WinStreak", win_streak}, {"LoseStreak", lose_streak}};
}

}  // namespace vantrel::testing
