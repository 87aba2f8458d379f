// An in-memory Registry for the statistics tests: it keeps values as the store does (written values reach it
// only when the key is closed), logs every call, and fails when told to.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vantrel::testing {

class MemoryRegistry : public platform::Registry {
 public:
  bool OpenKey(bool can_create) override;
  bool HasValue(const std::string& name) override { return values.contains(name); }
  std::int32_t ReadInteger(const std::string& name) override;
  void WriteInteger(const std::string& name, std::int32_t value) override;
  void CloseKey() override;
  std::string Location() const override { return "memory:Vantrel"; }

  // Makes the key exist with the four values.
  void Store(std::int32_t wins, std::int32_t losses, std::int32_t win_streak, std::int32_t lose_streak);

  bool exists = false;
  std::map<std::string, std::int32_t> values;
  std::set<std::string> not_integers;  // reading these raises as for a value of another type
  bool refuse_open = false;            // OpenKey answers false even when asked to create
  bool fail_close = false;             // CloseKey raises as a failed write
  std::function<void()> on_open;       // called as the key is being opened
  std::vector<std::string> log;        // "open", "open create", "read Wins", "write Wins 3", "close"

 private:
  std::map<std::string, std::int32_t> written_;
};

}  // namespace vantrel::testing
