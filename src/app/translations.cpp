// Choosing, loading and installing the translations.
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <optional>
#include <string>

#include "platform/texts.h"

#ifndef VANTREL_DATA_FROM_PROGRAM
#define VANTREL_DATA_FROM_PROGRAM "../share/games/vantrel"
#endif

namespace vantrel::app {
namespace {

bool IsEnglish(const QString& language) {
  const QLocale::Language spoken = QLocale(language).language();
  return spoken == QLocale::English || spoken == QLocale::C;
}

// The names a translation for the language may bear, most particular first: "de-Latn-DE" gives de_Latn_DE,
// de_Latn, de.
QStringList NamesFor(const QString& language) {
  const QStringList parts = QString(language).replace(u'-', u'_').split(u'_', Qt::SkipEmptyParts);
  QStringList names;
  for (qsizetype n = parts.size(); n > 0; --n) names.append(parts.first(n).join(u'_'));
  return names;
}

// Loads BASE_NAME.qm from the first folder that has it. Only an existing file is handed to QTranslator, which
// would otherwise try shorter names of its own ("vantrel.qm").
std::unique_ptr<QTranslator> Load(const QStringList& folders, const QString& base, const QString& name) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(base + u'_' + name + QStringLiteral(".qm"));
    auto translator = std::make_unique<QTranslator>();
    if (QFileInfo(path).isFile() && translator->load(path)) return translator;
  }
  return nullptr;
}

}  // namespace

Translations::Translations(const QString& program_folder, const QStringList& languages) {
  const QStringList folders = {
      QDir(program_folder).filePath(QStringLiteral("translations")),
      QDir(program_folder).filePath(QStringLiteral(VANTREL_DATA_FROM_PROGRAM "/translations"))};
  for (const QString& language : languages) {
    if (IsEnglish(language)) return;
    for (const QString& name : NamesFor(language)) {
      game_ = Load(folders, QStringLiteral("vantrel"), name);
      if (!game_) continue;
      language_ = name;
      // Installed after the game's, Qt's own translation is asked first: the standard buttons are Qt's words
      // wherever Qt has them, and the game's own names for them stand in for languages Qt lacks.
      QCoreApplication::installTranslator(game_.get());
      for (const QString& qt_name : NamesFor(language)) {
        qt_ = Load({QLibraryInfo::path(QLibraryInfo::TranslationsPath)}, QStringLiteral("qtbase"), qt_name);
        if (qt_) break;
      }
      if (qt_) QCoreApplication::installTranslator(qt_.get());
      const QTranslator* game = game_.get();
      platform::SetTranslator([game](const platform::Text& text, int count) -> std::optional<std::string> {
        const QString translated = game->translate(text.context, text.english, nullptr, count);
        if (translated.isEmpty()) return std::nullopt;
        return translated.toStdString();
      });
      return;
    }
  }
}

Translations::~Translations() {
  if (!game_) return;
  platform::SetTranslator({});
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  QCoreApplication::removeTranslator(game_.get());
}

}  // namespace vantrel::app
