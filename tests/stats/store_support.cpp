// Helpers of the store tests.
#include "store_support.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vantrel::testing {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

TempSettingsHome::TempSettingsHome() {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  // An ordinary user must be able to reach the store for the read-only tests.
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
  QDir().mkpath(ConfigDir());
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigDir()));
}

TempSettingsHome::~TempSettingsHome() {
  // A folder a test made read-only must be writable again to be removed by an ordinary user.
  QFile::setPermissions(StoreDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TempSettingsHome::ConfigDir() const { return dir_.path() + "/config"; }
QString TempSettingsHome::StoreDir() const { return ConfigDir() + "/Quorvin Software"; }
QString TempSettingsHome::StorePath() const { return StoreDir() + "/Vantrel.conf"; }

std::string ReadBytes(const QString& path) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.toStdString());
}

std::map<std::string, std::string> StoredText(const QString& path) {
  std::map<std::string, std::string> values;
  std::istringstream lines(ReadBytes(path));
  std::string line;
  bool general = true;
  while (std::getline(lines, line)) {
    if (line.starts_with('[')) {
      general = line == "[General]";
    } else if (const auto equals = line.find('='); general && equals != std::string::npos) {
      values[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  return values;
}

AsOrdinaryUser::AsOrdinaryUser() {
  if (geteuid() != 0) return;
  if (setegid(kNoGroup) != 0 || seteuid(kNobody) != 0) throw std::runtime_error("cannot act as nobody");
  switched_ = true;
}

AsOrdinaryUser::~AsOrdinaryUser() {
  if (!switched_) return;
  if (seteuid(0) != 0 || setegid(0) != 0) std::abort();  // the rest of the tests must not run as nobody
}

TmpfsMount::TmpfsMount(const QString& path, int kilobytes) : path_(QFile::encodeName(path).toStdString()) {
  QDir().mkpath(path);
  const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
  if (mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0) {
    mounted_ = true;
  } else {
    error_ = std::strerror(errno);
  }
}

TmpfsMount::~TmpfsMount() {
  if (mounted_) umount2(path_.c_str(), MNT_DETACH);
}

bool TmpfsMount::MakeReadOnly() {
  return mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

QString TmpfsMount::Fill() {
  QString filler = QFile::decodeName(path_.c_str()) + "/filler";
  QFile file(filler);
  file.open(QIODevice::WriteOnly);
  const QByteArray block(1024, 'x');
  while (file.write(block) == block.size() && file.flush()) {
  }
  file.close();
  return filler;
}

}  // namespace vantrel::testing
