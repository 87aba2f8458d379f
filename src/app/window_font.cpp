// Choosing the window's font once.
#include "app/window_font.h"

#include <QFontDatabase>

namespace vantrel::app {

QFont WindowFont() {
  static const QFont font = [] {
    const QString designed = QStringLiteral("MS Sans Serif");
    QFont chosen;
    if (QFontDatabase::hasFamily(designed)) {
      chosen = QFont(designed);
    } else {
      chosen = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
      chosen.setStyleHint(QFont::SansSerif);
    }
    chosen.setPointSize(8);
    chosen.setBold(false);
    chosen.setItalic(false);
    return chosen;
  }();
  return font;
}

}  // namespace vantrel::app
