// The game in the player's language: the translation the build compiles for it (translations/vantrel_LANG.qm)
// and Qt's own (qtbase_LANG.qm, which names the standard buttons), chosen from the system's locale as Qt
// chooses, and the hook through which the toolkit-free core translates its texts.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace vantrel::app {

class Translations {
 public:
  // Takes the first of `languages` (Qt's names, most wanted first: "de-DE", "pt-BR"; by default the system's,
  // from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that is English or has a translation, and installs that
  // translation: the game's from the folder `translations` beside the program (the build tree) or in the
  // installed game's data folder, Qt's from Qt's own folder. English, C, or no translation that fits:
  // nothing is read or installed, and every text stays as written.
  explicit Translations(const QString& program_folder,
                        const QStringList& languages = QLocale::system().uiLanguages());
  // Takes the translations and the core's hook away again.
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The translation installed ("de", "pt_BR"), or empty for English.
  const QString& Language() const { return language_; }

 private:
  std::unique_ptr<QTranslator> game_;
  std::unique_ptr<QTranslator> qt_;
  QString language_;
};

}  // namespace vantrel::app
