// The store that keeps the statistics between runs, shaped like one registry key holding integer values.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::platform {

// One key of a per-user store. Every failure is raised as vantrel::Error with a message that names the store,
// the value where there is one, the reason, and what the player can do about it.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key, creating it when `can_create` is set and it is absent. False only when the key is absent
  // and was not to be created. A key that is there but cannot be read, or that can be neither opened nor
  // created for writing, raises. Opening again forgets whatever was written and not yet closed. Opened for
  // writing, the key is the caller's alone until it is closed: what is read meanwhile is what the store holds
  // at that moment, and no other copy of the game saves in between.
  virtual bool OpenKey(bool can_create) = 0;
  // Whether the open key holds the value `name`, of whatever type.
  virtual bool HasValue(const std::string& name) = 0;
  // The value `name` of the open key; it must exist and be a 32-bit integer, or this raises.
  virtual std::int32_t ReadInteger(const std::string& name) = 0;
  // Sets the value `name` of the open key. The store sees it when the key is closed.
  virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
  // Closes the key and stores everything written since it was opened, all at once: a save interrupted at any
  // moment leaves either all the old values or all the new ones. Raises when they cannot be stored.
  virtual void CloseKey() = 0;
  // Where the store lives, as the player would look for it: a file's path or a registry key.
  virtual std::string Location() const = 0;
};

}  // namespace vantrel::platform
