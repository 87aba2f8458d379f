// Helpers of the store tests: a private settings folder per test, an independent reading of the store file,
// and ways to make a folder read-only or a disk full.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <map>
#include <string>

namespace vantrel::testing {

// A fresh folder that stands for the user's settings folder: the store lives in it for as long as it exists.
class TempSettingsHome {
 public:
  TempSettingsHome();
  ~TempSettingsHome();
  QString ConfigDir() const;  // where QSettings looks for per-user files
  QString StoreDir() const;   // .../Quorvin Software
  QString StorePath() const;  // .../Quorvin Software/Vantrel.conf

 private:
  QTemporaryDir dir_;
};

// The store file read without QSettings: its bytes, or its [General] values as text.
std::string ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::string& bytes);
std::map<std::string, std::string> StoredText(const QString& path);

// While it lives, files are checked as for an ordinary user (nobody), not as root, who may write anywhere.
// A no-op when the tests already run as an ordinary user.
class AsOrdinaryUser {
 public:
  AsOrdinaryUser();
  ~AsOrdinaryUser();
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

 private:
  bool switched_ = false;
};

// A tmpfs of `kilobytes` mounted on `path` for as long as it lives. Mounting needs the right to (root in a
// machine or a privileged container); without it `mounted()` is false and the test skips.
class TmpfsMount {
 public:
  TmpfsMount(const QString& path, int kilobytes);
  ~TmpfsMount();
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;
  bool mounted() const { return mounted_; }
  std::string error() const { return error_; }
  // Remounts it read-only.
  bool MakeReadOnly();
  // Writes a filler file until the disk is full; returns its path.
  QString Fill();

 private:
  std::string path_;
  bool mounted_ = false;
  std::string error_;
};

}  // namespace vantrel::testing
