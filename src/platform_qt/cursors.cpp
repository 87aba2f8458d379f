// Cursor ids to cursors: the stock ones map to Qt's shapes, the program's own come from its resources.
#include "platform_qt/cursors.h"

#include <QBitmap>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>

#include "platform/error.h"
#include "platform_qt/cursor_art.h"
#include "platform_qt/resources.h"
#include "table/card.h"

namespace vantrel::platform {
namespace {

constexpr int kCursorNoDrop = -13;

}  // namespace

QCursor LoadCursorResource(std::string_view name) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return LoadCursorResource(name, screen != nullptr ? screen->devicePixelRatio() : 1);
}

QCursor LoadCursorResource(std::string_view name, double ratio) {
  if (ratio != 1) return QCursor(QPixmap::fromImage(DrawCursorArt(name, ratio)), 0, 0);
  InitResources();
  const QString base = QStringLiteral(":/cursors/") +
                       QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower();
  const QBitmap bits = ReadXbm(base + QStringLiteral(".xbm"));
  const QBitmap mask = ReadXbm(base + QStringLiteral("_mask.xbm"));
  return QCursor(bits, mask, 0, 0);
}

CursorTable& CursorTable::Screen() {
  static CursorTable table;
  return table;
}

QCursor CursorTable::Get(int id) const {
  if (auto it = registered_.find(id); it != registered_.end()) return it->second;
  switch (id) {
    case kCursorHandPoint:
      return QCursor(Qt::PointingHandCursor);
    case kCursorDrag:
      return QCursor(Qt::DragMoveCursor);
    case kCursorNoDrop:
      return QCursor(Qt::ForbiddenCursor);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace vantrel::platform
