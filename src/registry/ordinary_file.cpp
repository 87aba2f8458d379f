// Reading ordinary files only.
#include "registry/ordinary_file.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace vantrel {

std::optional<QByteArray> ReadOrdinaryFile(const QString& path, qint64 limit, QString& why) {
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(QFile::encodeName(path).toStdString(), error);
  if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
    // Behind a folder that may not be looked into, for instance.
    why = QStringLiteral("the file cannot be reached (%1)").arg(QString::fromStdString(error.message()));
  } else if (!std::filesystem::exists(status)) {
    why = QStringLiteral("the file is missing");
  } else if (std::filesystem::is_directory(status)) {
    why = QStringLiteral("it is a folder, not a file");
  } else if (!std::filesystem::is_regular_file(status)) {
    why = QStringLiteral("it is not an ordinary file");
  } else {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) return file.read(limit + 1);
    why = QStringLiteral("the file cannot be opened (%1)").arg(file.errorString());
  }
  return std::nullopt;
}

}  // namespace vantrel
