// The files the game keeps beside the statistics store, in the same settings folder: the Options menu's
// switches (Vantrel.options) and the game kept when the window closed (Vantrel.game). Each is written whole
// under a temporary name and renamed into place (QSaveFile), so a crash never leaves one half written; the
// statistics store itself is never touched.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "interaction/switches.h"

namespace vantrel::platform {

// The settings folder: where SettingsRegistry keeps the statistics (on Linux
// $XDG_CONFIG_HOME/Quorvin Software, by default ~/.config/Quorvin Software).
QString SettingsFolder();

// A kept game claimed by this process.
struct ClaimedGame {
  QString path;                    // where it lay: the name the player knows it by
  QString claimed;                 // the name it was renamed to, this process's own
  std::optional<QByteArray> text;  // what it holds, or nothing when it could not be read
  QString why;                     // then why
};

class PlayerFiles {
 public:
  explicit PlayerFiles(const QString& folder = SettingsFolder());

  QString SwitchesPath() const;
  QString KeptGamePath() const;

  // The switches as last saved: all off when there is no such file, or it is no ordinary file that can be
  // read.
  Switches ReadSwitches() const;
  // Why the switches could not be saved, or nothing.
  std::optional<QString> WriteSwitches(const Switches& switches) const;

  // Claims the kept game for this process: it is renamed to a name of this process's own first, so no other
  // copy of the game restores it too, then read if it is an ordinary file of at most 64 KiB. Nothing when
  // there is no kept game (or another copy claimed it first).
  std::optional<ClaimedGame> ClaimKeptGame() const;
  // Ends a claim: a game restored is removed; one refused (or that could not be read) is set aside as
  // "Vantrel.game.refused", replacing an older one, so that the next start neither refuses it again nor loses
  // it. Returns that name.
  QString EndClaim(const ClaimedGame& claim, bool restored) const;

  // Keeps the game's text; why it could not, or nothing.
  std::optional<QString> KeepGame(const QByteArray& text);
  // Removes the game this run kept last, while the file still holds it (a game kept at the end of a session
  // that went on after all must not come back once that game has ended).
  void ForgetKeptGame();

 private:
  QString folder_;
  QByteArray kept_;  // the text this run kept last
};

}  // namespace vantrel::platform
