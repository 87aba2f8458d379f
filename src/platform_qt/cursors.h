// The application-wide cursor table: cursor ids as the table's images carry them, and the cursors they show.
#pragma once

#include <QCursor>
#include <map>
#include <string_view>

namespace vantrel::platform {

// Loads one of the program's own cursors ("HANDPOINTER", "HANDGRAB") from its resources: 32 x 32, two
// colours with a mask, hot spot at the top-left corner. Throws vantrel::Error when the resource is missing.
// On a primary screen of another device pixel ratio the same hand is drawn for that screen instead.
QCursor LoadCursorResource(std::string_view name);
// The same for a screen of `ratio` device pixels per pixel.
QCursor LoadCursorResource(std::string_view name, double ratio);

class CursorTable {
 public:
  // The one table of the application.
  static CursorTable& Screen();

  void Register(int id, const QCursor& cursor) { registered_[id] = cursor; }
  bool IsRegistered(int id) const { return registered_.count(id) != 0; }
  // A registered cursor, else the stock cursor of that id, else the arrow.
  QCursor Get(int id) const;

 private:
  std::map<int, QCursor> registered_;
};

}  // namespace vantrel::platform
