// The statistics store over QSettings: on Windows the registry key
// HKEY_CURRENT_USER\Software\Quorvin Software\Vantrel with 32-bit integer values, elsewhere the platform's
// per-user settings file (on Linux ~/.config/Quorvin Software/Vantrel.conf).
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryFile>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace vantrel::platform {

inline constexpr const char* kOrganization = "Quorvin Software";
inline constexpr const char* kApplication = "Vantrel";

class SettingsRegistry : public Registry {
 public:
  SettingsRegistry();
  ~SettingsRegistry() override;

  bool OpenKey(bool can_create) override;
  bool HasValue(const std::string& name) override;
  std::int32_t ReadInteger(const std::string& name) override;
  void WriteInteger(const std::string& name, std::int32_t value) override;
  void CloseKey() override;
  std::string Location() const override;

 private:
  std::unique_ptr<QSettings> OpenSettings() const;
  // Why the store cannot be written, found by trying what a save needs: the folder, the file, room on disk.
  QString WriteFailureReason() const;
  // The message of a save that failed (`what`: "cannot be saved", "could not be saved").
  std::string SaveFailure(const std::string& what, bool store_exists) const;
  // What the player can do about a bad value: `repair` it, or start afresh.
  std::string ResetAdvice(const std::string& repair) const;

  // Takes the store's lock for a save, waiting a few seconds at most; ReleaseLock lets it go.
  void TakeLock();
  void ReleaseLock();

  // After a failed save, QSettings keeps the values it could not write in a cache that every QSettings of
  // the same file shares: it answers with them, and writes them as soon as the next one is made. The next
  // save then reads the store from a copy of the file taken before.
  void ReadFromCopy();

  QString location_;
  std::unique_ptr<QSettings> settings_;  // while the key is open
  int lock_ = -1;                        // the store folder, locked while the key is open for writing
  bool stale_ = false;                   // the last save failed
  std::string unsafe_;                   // why the open store's values must not be read, or empty
  std::unique_ptr<QTemporaryFile> copy_file_;
  std::unique_ptr<QSettings> copy_;
  std::vector<std::pair<std::string, std::int32_t>> written_;
};

}  // namespace vantrel::platform
