// Any text as the statistics file: reading the four values gives four 32-bit integers, or an error that names
// the file and, when one value is at fault, that value.
#include <fcntl.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/error.h"
#include "registry/settings_registry.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_store: %s %s\n", what, detail.c_str());
  std::abort();
}

const char* const kNames[] = {"Wins", "Losses", "WinStreak", "LoseStreak"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir home(QDir::tempPath() + "/vantrel-fuzz-store-XXXXXX");
  static const QString store = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QDir().mkpath(home.filePath(QStringLiteral("Quorvin Software")));
    return home.filePath(QStringLiteral("Quorvin Software/Vantrel.conf"));
  }();
  static long long generation = 0;
  {
    QFile file(store);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) Broken("cannot write", store.toStdString());
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  // QSettings keeps a parsed file while its time and size stay the same: every input gets a time of its own.
  const struct timespec times[2] = {{++generation, 0}, {generation, 0}};
  ::utimensat(AT_FDCWD, QFile::encodeName(store).constData(), times, 0);

  vantrel::platform::SettingsRegistry registry;
  const char* reading = nullptr;
  try {
    if (!registry.OpenKey(false)) Broken("an existing file was taken for a first start");
    for (const char* name : kNames) {
      reading = name;
      registry.ReadInteger(name);  // a 32-bit integer by its type; what matters is that nothing else happens
    }
    registry.CloseKey();
  } catch (const vantrel::Error& error) {
    const std::string message = error.what();
    if (message.find(QDir::toNativeSeparators(store).toStdString()) == std::string::npos) {
      Broken("the error does not name the file:", message);
    }
    if (reading != nullptr && message.find(std::string("\"") + reading + "\"") == std::string::npos) {
      Broken("the error does not name the value:", message);
    }
  }
  return 0;
}
