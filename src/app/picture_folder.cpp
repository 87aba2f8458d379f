// Finding the card pictures of an installed game that was started outside its data folder.
#include "app/picture_folder.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "table/card_names.h"

#ifndef VANTREL_DATA_FROM_PROGRAM
#define VANTREL_DATA_FROM_PROGRAM "../share/games/vantrel"
#endif

namespace vantrel::app {

QDir PictureFolder(const QDir& working_folder, const QString& program_folder) {
  const QString cards = QString::fromLatin1(kCardsFolder.data(), static_cast<qsizetype>(kCardsFolder.size()));
  // A CARDS of any kind in the working folder is the player's: even a broken one is read (and reported).
  if (QFileInfo::exists(working_folder.filePath(cards)) || program_folder.isEmpty()) return working_folder;
  const QDir installed(QDir(program_folder).filePath(QStringLiteral(VANTREL_DATA_FROM_PROGRAM)));
  // Its CARDS folder, or one that may not be looked at: the start-up then names it and says why it failed.
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(QFile::encodeName(installed.filePath(cards)).toStdString(), error);
  const bool unreachable =
      error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory;
  if (std::filesystem::is_directory(status) || unreachable) return QDir(installed.absolutePath());
  return working_folder;
}

QString ProgramFolder() {
#ifdef __linux__
  // Read before the application object exists, so from the kernel rather than from Qt.
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return QString::fromStdString(program.parent_path().string());
#endif
  return {};
}

}  // namespace vantrel::app
