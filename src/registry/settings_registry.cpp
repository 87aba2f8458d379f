// The statistics store over QSettings: opening the key, strict integer reading, and saves that replace the
// whole file at once and are checked to have done so.
#include "registry/settings_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/error.h"
#include "registry/player_files.h"

namespace vantrel::platform {
namespace {

#ifdef Q_OS_WIN
// On Windows the values live in the registry: there is no file to look at.
constexpr bool kFileStore = false;
#else
constexpr bool kFileStore = true;
#endif

// The file a path names, as the operating system knows it: a save that worked has put a new file in place of
// the old one. The change time tells a new file apart from an old one whose inode number was given again.
struct FileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  long long changed_s = 0;
  long long changed_ns = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const QString& path) {
#ifdef Q_OS_WIN
  (void)path;
  return std::nullopt;
#else
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
  return FileIdentity{
      static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
      static_cast<long long>(info.st_ctim.tv_sec), static_cast<long long>(info.st_ctim.tv_nsec)};
#endif
}

// Far more than four values take: a store file is read no further when a save must read a copy of it.
constexpr qint64 kLargestStore = 1 << 20;

// How long a save waits for a lock held by someone else before it gives up and says so.
constexpr int kLockWaitMs = 5000;
constexpr int kLockPollMs = 20;

// Takes flock(2) on `fd`, waiting kLockWaitMs at most. False when it is still held by someone else.
bool LockWithin(int fd) {
#ifdef Q_OS_WIN
  (void)fd;
  return true;
#else
  for (int waited = 0;; waited += kLockPollMs) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK || waited >= kLockWaitMs) return false;
    ::usleep(kLockPollMs * 1000);
  }
#endif
}

// QSettings serialises saves with a lock file beside the store, which its owner holds with flock(2) from the
// moment it is made until it is removed. A copy of the game killed while saving leaves that file behind, and
// when the kill came before the file's contents were written, QSettings cannot tell whose it is and waits
// 30 seconds before it takes it for abandoned: the game would freeze at its next save. A lock file whose
// flock can be had belongs to nobody alive, so it is removed first. One that somebody keeps holding (no copy
// of the game does: their saves take turns under the folder's lock) would make QSettings wait for ever, so
// it is reported after a few seconds.
void RemoveAbandonedLocks(const QString& store, const std::string& location) {
#ifdef Q_OS_WIN
  (void)store;
  (void)location;
#else
  for (const QString& name : {store + ".lock", store + ".lock.rmlock"}) {
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat held {};
    struct stat now {};
    const bool locked = LockWithin(fd);
    // Removed only while it is still the very file we locked.
    if (locked && ::fstat(fd, &held) == 0 && ::stat(path.constData(), &now) == 0 &&
        held.st_dev == now.st_dev && held.st_ino == now.st_ino) {
      ::unlink(path.constData());
    }
    ::close(fd);
    if (!locked) {
      throw Error("The statistics could not be saved to " + location +
                  ": another program has held its lock " + QDir::toNativeSeparators(name).toStdString() +
                  " for 5 seconds. Close that program, or remove the lock file, and try again.");
    }
  }
#endif
}

// Why QSettings must not be asked for the store's values, or nothing. The game writes plain numbers;
// QSettings would also turn "@Variant(...)" (which "\x40" escapes can spell) into a value read by
// QDataStream, where a count of a few bytes makes it allocate gigabytes. A file that holds "@" or a backslash
// outside a comment, or is larger than a store can reasonably be, is left alone.
std::string UnsafeText(const QString& store) {
  QFile file(store);
  if (!file.open(QIODevice::ReadOnly)) return {};  // the reading itself then says why
  const QByteArray text = file.read(kLargestStore + 1);
  if (text.size() > kLargestStore) return "is larger than a statistics file can be (1 MiB)";
  for (const QByteArray& line : text.split('\n')) {
    const QByteArray content = line.trimmed();
    if (content.startsWith(';')) continue;
    if (content.contains('@') || content.contains('\\')) {
      return "holds \"@\" or a backslash, which the game never writes";
    }
  }
  return {};
}

// The store and, for a save, its lock files must be ordinary files where they exist, and a link in their
// place must lead to one: reading a pipe or a device would block for ever, and a link that cannot be followed
// would be replaced by a file of zeros as if this were a first start.
void CheckStorePaths(const QString& store, bool saving) {
#ifdef Q_OS_WIN
  (void)store;
  (void)saving;
#else
  QStringList paths{store};
  if (saving) paths << store + ".lock" << store + ".lock.rmlock";
  for (const QString& name : paths) {
    const std::string shown = QDir::toNativeSeparators(name).toStdString();
    const QByteArray path = QFile::encodeName(name);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) continue;  // absent
    const bool link = S_ISLNK(info.st_mode);
    if (link && ::stat(path.constData(), &info) != 0) {
      const int error = errno;
      // A dangling link may be followed to create its target, where the target's folder exists.
      const QFileInfo target(QFileInfo(name).symLinkTarget());
      if (error == ENOENT && !target.filePath().isEmpty() && QFileInfo(target.absolutePath()).isDir())
        continue;
      throw Error("The statistics file " + shown + " is a link that cannot be followed (" +
                  std::strerror(error) +
                  "). Remove the link or make it lead to a file, and start the game again.");
    }
    if (S_ISDIR(info.st_mode) && name == store) {
      throw Error("The statistics file " + shown +
                  " is a folder. Remove or rename that folder, and the game will keep its statistics there.");
    }
    if (!S_ISREG(info.st_mode)) {
      throw Error(
          "The statistics file " + (name == store ? shown : "lock " + shown) +
          " is not an ordinary file (a folder, a pipe or a device). Remove it, and the game will keep its "
          "statistics in an ordinary file there.");
    }
  }
#endif
}

// Text as the player typed it, or what a damaged file holds: short, and with no control characters.
std::string Shown(QString text) {
  constexpr int kLongest = 40;
  if (text.size() > kLongest) text = text.left(kLongest) + "...";
  for (QChar& c : text) {
    if (!c.isPrint()) c = u'?';
  }
  return "\"" + text.toStdString() + "\"";
}

std::string Describe(const QVariant& value) {
  const int type = value.metaType().id();
  if (type == QMetaType::QString) return Shown(value.toString());
  // "Wins=1, 2" in the file reads as a list.
  if (type == QMetaType::QStringList) return Shown(value.toStringList().join(", "));
  return std::string("a value of type ") + value.metaType().name();
}

// The value as a 32-bit integer, or nothing when it is not one. A settings file keeps text, so a number there
// is decimal digits with an optional minus sign; the registry keeps typed numbers.
std::optional<std::int32_t> ToInt32(const QVariant& value) {
  switch (value.metaType().id()) {
    case QMetaType::QString: {
      const std::string text = value.toString().trimmed().toStdString();
      std::int32_t number = 0;
      const char* end = text.data() + text.size();
      const auto [stop, error] = std::from_chars(text.data(), end, number);
      if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
      return number;
    }
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
      return value.toInt();
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong: {
      const qlonglong number = value.toLongLong();
      if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
      return static_cast<std::int32_t>(number);
    }
    case QMetaType::ULongLong: {
      const qulonglong number = value.toULongLong();
      if (number > static_cast<qulonglong>(INT32_MAX)) return std::nullopt;
      return static_cast<std::int32_t>(number);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

SettingsRegistry::SettingsRegistry() {
  if (kFileStore) {
    // Where QSettings keeps a user's settings: the folder it takes from the same standard paths. The name is
    // found without opening any file, for every file QSettings opens is read, and reading a pipe there (the
    // store, or the organisation's file beside its folder) would block for ever.
    location_ = QDir::toNativeSeparators(SettingsFolder() + "/" + kApplication + ".conf");
    return;
  }
  location_ = QDir::toNativeSeparators(OpenSettings()->fileName());
  // The registry path comes as \HKEY_CURRENT_USER\...; the player knows it without the leading backslash.
  if (!kFileStore && location_.startsWith(u'\\')) location_.remove(0, 1);
}

SettingsRegistry::~SettingsRegistry() { ReleaseLock(); }

void SettingsRegistry::TakeLock() {
#ifndef Q_OS_WIN
  // The store's folder itself is locked, so no file of ours is added beside the store. It is made first, as
  // the save would make it (a folder that cannot be made is reported by the save's own checks).
  const QString folder = QFileInfo(location_).absolutePath();
  QDir().mkpath(folder);
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  if (!LockWithin(fd)) {
    ::close(fd);
    throw Error("The statistics could not be saved to " + Location() +
                ": another program has kept its folder locked for 5 seconds. Try again in a moment.");
  }
  lock_ = fd;
#endif
}

void SettingsRegistry::ReleaseLock() {
#ifndef Q_OS_WIN
  if (lock_ < 0) return;
  ::close(lock_);  // closing the last descriptor releases the flock
  lock_ = -1;
#endif
}

std::unique_ptr<QSettings> SettingsRegistry::OpenSettings() const {
  // Only this one store counts: a value missing here must not be taken from an organisation-wide or a
  // system-wide file instead. A file store is opened by its name, so no other file is ever read.
  auto settings =
      kFileStore ? std::make_unique<QSettings>(QDir::fromNativeSeparators(location_), QSettings::NativeFormat)
                 : std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization,
                                               kApplication);
  settings->setFallbacksEnabled(false);
  // A save writes a new file and puts it in place of the old one, or fails; it never writes into the old one.
  settings->setAtomicSyncRequired(true);
  return settings;
}

bool SettingsRegistry::OpenKey(bool can_create) {
  settings_.reset();
  copy_.reset();
  copy_file_.reset();
  written_.clear();
  ReleaseLock();
  if (kFileStore) CheckStorePaths(location_, can_create);
  // For a save, the lock first: the values read next are then the ones the write will follow.
  if (can_create) TakeLock();
  try {
    // Before the store's QSettings exists: making it would already write what a failed save left behind.
    if (can_create && stale_ && QFileInfo::exists(location_)) ReadFromCopy();
    std::unique_ptr<QSettings> settings = OpenSettings();
    const bool exists = kFileStore ? QFileInfo::exists(location_) : !settings->allKeys().isEmpty();
    if (!exists && !can_create) return false;
    if (exists && settings->status() == QSettings::AccessError) {
      QFile file(location_);
      const QString reason = file.open(QIODevice::ReadOnly) ? QString("access denied") : file.errorString();
      // Never treated as a first start: that would overwrite the player's statistics with zeros.
      throw Error("The statistics in " + Location() + " cannot be read (" + reason.toStdString() + "). " +
                  ResetAdvice("Make it readable"));
    }
    if (can_create && !settings->isWritable()) {
      throw Error(SaveFailure("cannot be saved", exists));
    }
    unsafe_ = kFileStore && exists ? UnsafeText(location_) : std::string();
    settings_ = std::move(settings);
    return true;
  } catch (...) {
    ReleaseLock();
    throw;
  }
}

bool SettingsRegistry::HasValue(const std::string& name) {
  if (!settings_) throw std::logic_error("HasValue before OpenKey");
  return (copy_ ? *copy_ : *settings_).contains(QString::fromStdString(name));
}

std::int32_t SettingsRegistry::ReadInteger(const std::string& name) {
  if (!settings_) throw std::logic_error("ReadInteger before OpenKey");
  if (!unsafe_.empty()) {
    throw Error("The statistics value \"" + name + "\" in " + Location() + " cannot be read: the file " +
                unsafe_ + ". " + ResetAdvice("Correct it"));
  }
  const QVariant value = (copy_ ? *copy_ : *settings_).value(QString::fromStdString(name));
  if (!value.isValid()) {
    throw Error("The statistics value \"" + name + "\" is missing from " + Location() + ". " +
                ResetAdvice("Add it (" + name + "=0)"));
  }
  const std::optional<std::int32_t> number = ToInt32(value);
  if (!number) {
    throw Error("The statistics value \"" + name + "\" in " + Location() + " is " + Describe(value) +
                ", not a whole number from -2147483648 to 2147483647. " + ResetAdvice("Correct it"));
  }
  return *number;
}

void SettingsRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  if (!settings_) throw std::logic_error("WriteInteger before OpenKey");
  written_.emplace_back(name, value);
}

void SettingsRegistry::CloseKey() {
  // The key is closed whatever happens below.
  const std::unique_ptr<QSettings> settings = std::move(settings_);
  const auto written = std::exchange(written_, {});
  copy_.reset();
  copy_file_.reset();
  struct Unlock {
    SettingsRegistry* registry;
    ~Unlock() { registry->ReleaseLock(); }
  } unlock{this};
  if (!settings || written.empty()) return;

  const std::optional<FileIdentity> before = IdentityOf(location_);
  if (kFileStore) RemoveAbandonedLocks(location_, Location());
  for (const auto& [name, value] : written) {
    settings->setValue(QString::fromStdString(name), QVariant(static_cast<int>(value)));
  }
  settings->sync();
  // QSettings reports only the first trouble it meets: after reading a damaged file it says FormatError, and
  // goes on saying it whether the write then worked or not. Only then does the file itself have to tell.
  // (Otherwise the status is the better witness: while two copies save at once, a file may be replaced by the
  // other copy's, which can even get the old file's inode number.)
  bool saved = settings->status() == QSettings::NoError;
  if (settings->status() == QSettings::FormatError) {
    const std::optional<FileIdentity> after = IdentityOf(location_);
    saved = !kFileStore || (after && after != before);
  }
  stale_ = !saved;
  if (!saved) {
    throw Error(SaveFailure("could not be saved", before.has_value()));
  }
}

void SettingsRegistry::ReadFromCopy() {
  copy_file_ = std::make_unique<QTemporaryFile>();
  QFile store(location_);
  if (!copy_file_->open() || !store.open(QIODevice::ReadOnly) ||
      copy_file_->write(store.read(static_cast<qint64>(kLargestStore))) < 0 || !copy_file_->flush()) {
    throw Error(SaveFailure("could not be saved", true));
  }
  copy_ = std::make_unique<QSettings>(copy_file_->fileName(), QSettings::NativeFormat);
}

std::string SettingsRegistry::Location() const { return location_.toStdString(); }

std::string SettingsRegistry::SaveFailure(const std::string& what, bool store_exists) const {
  std::string message =
      "The statistics " + what + " to " + Location() + ": " + WriteFailureReason().toStdString() + ".";
  if (kFileStore && store_exists) message += " The file keeps the statistics saved before.";
  return message + " Make sure its folder is writable and its disk has room.";
}

std::string SettingsRegistry::ResetAdvice(const std::string& repair) const {
  if (kFileStore) return repair + ", or delete that file to start the statistics afresh.";
  return repair + ", or delete that registry key to start the statistics afresh.";
}

QString SettingsRegistry::WriteFailureReason() const {
  if (!kFileStore) return "the registry refused the change";
  const QFileInfo info(location_);
  if (info.isDir()) return "it is a folder";
  const QString folder = info.absolutePath();
  std::error_code error;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
  if (error) {
    return "its folder " + QDir::toNativeSeparators(folder) + " cannot be created (" +
           QString::fromStdString(error.message()) + ")";
  }
  if (info.exists()) {
    QFile file(location_);
    if (!file.open(QIODevice::ReadWrite)) return "the file cannot be written (" + file.errorString() + ")";
  }
  // Try what a save does: a new file beside the old one, with a page of data in it.
  QTemporaryFile probe(folder + "/" + info.fileName() + ".XXXXXX");
  if (!probe.open()) {
    return "no file can be created in its folder " + QDir::toNativeSeparators(folder) + " (" +
           probe.errorString() + ")";
  }
  const QByteArray page(4096, '\n');
  if (probe.write(page) != page.size() || !probe.flush()) {
    return "writing in its folder " + QDir::toNativeSeparators(folder) + " fails (" + probe.errorString() +
           ")";
  }
  return "the file could not be replaced";
}

}  // namespace vantrel::platform
