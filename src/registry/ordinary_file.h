// Reading a file only when it is an ordinary one: a pipe or a device would block the reading or never end it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vantrel {

// The first `limit` + 1 bytes of the file at `path` (one beyond the limit tells a file that is too long),
// read only when it is an ordinary file. Nothing when the file is missing, cannot be reached, is not an
// ordinary file or cannot be opened; `why` then says which.
std::optional<QByteArray> ReadOrdinaryFile(const QString& path, qint64 limit, QString& why);

}  // namespace vantrel
