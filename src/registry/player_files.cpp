// The switches' file and the kept game's.
#include "registry/player_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>

#include "registry/ordinary_file.h"
#include "registry/settings_registry.h"

namespace vantrel::platform {
namespace {

// Far more than either file ever holds.
constexpr qint64 kLargestFile = qint64{64} * 1024;

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return QStringLiteral("its folder cannot be made");
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return std::nullopt;
  return file.errorString();
}

}  // namespace

QString SettingsFolder() {
  return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                  "/" + kOrganization);
}

PlayerFiles::PlayerFiles(const QString& folder) : folder_(folder) {}

QString PlayerFiles::SwitchesPath() const {
  return QDir::toNativeSeparators(folder_ + "/" + kApplication + ".options");
}

QString PlayerFiles::KeptGamePath() const {
  return QDir::toNativeSeparators(folder_ + "/" + kApplication + ".game");
}

Switches PlayerFiles::ReadSwitches() const {
  QString why;
  const std::optional<QByteArray> text = ReadOrdinaryFile(SwitchesPath(), kLargestFile, why);
  if (!text || text->size() > kLargestFile) return {};
  return vantrel::ReadSwitches(text->toStdString());
}

std::optional<QString> PlayerFiles::WriteSwitches(const Switches& switches) const {
  return WriteWhole(SwitchesPath(), QByteArray::fromStdString(SwitchesText(switches)));
}

std::optional<ClaimedGame> PlayerFiles::ClaimKeptGame() const {
  ClaimedGame claim;
  claim.path = KeptGamePath();
  claim.claimed = claim.path + "." + QString::number(QCoreApplication::applicationPid());
  // rename(2) is atomic: of several copies starting at once, one gets the file, the others find none.
  if (std::rename(QFile::encodeName(claim.path).constData(), QFile::encodeName(claim.claimed).constData()) !=
      0) {
    if (errno == ENOENT) return std::nullopt;
    claim.claimed.clear();
    claim.why = QStringLiteral("it cannot be renamed in its folder");
    return claim;
  }
  claim.text = ReadOrdinaryFile(claim.claimed, kLargestFile, claim.why);
  if (claim.text && claim.text->size() > kLargestFile) {
    claim.text.reset();
    claim.why = QStringLiteral("it is longer than a kept game can be");
  }
  return claim;
}

QString PlayerFiles::EndClaim(const ClaimedGame& claim, bool restored) const {
  if (claim.claimed.isEmpty()) return claim.path;
  const QByteArray claimed = QFile::encodeName(claim.claimed);
  if (restored) {
    std::remove(claimed.constData());
    return {};
  }
  QString aside = claim.path + ".refused";
  if (std::rename(claimed.constData(), QFile::encodeName(aside).constData()) == 0) return aside;
  return claim.claimed;
}

std::optional<QString> PlayerFiles::KeepGame(const QByteArray& text) {
  std::optional<QString> failed = WriteWhole(KeptGamePath(), text);
  if (!failed) kept_ = text;
  return failed;
}

void PlayerFiles::ForgetKeptGame() {
  if (kept_.isEmpty()) return;
  QString why;
  if (ReadOrdinaryFile(KeptGamePath(), kLargestFile, why) == kept_) QFile::remove(KeptGamePath());
  kept_.clear();
}

}  // namespace vantrel::platform
