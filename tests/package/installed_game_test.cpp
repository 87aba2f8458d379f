// The game as the Debian package installs it (unpacked under VANTREL_PACKAGE_ROOT): started the way its menu
// entry starts it, from a folder that has nothing to do with it, it deals the table from its installed
// pictures; started from a folder with a CARDS folder of the player's own, it shows those.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "table/card_names.h"
#include "table_on_screen.h"

namespace vantrel::e2e {
namespace {

constexpr unsigned kClock = 1700000000;

class InstalledGame : public TableOnScreen {
 protected:
  void SetUp() override {
    root_ = qEnvironmentVariable("VANTREL_PACKAGE_ROOT");
    ASSERT_FALSE(root_.isEmpty()) << "VANTREL_PACKAGE_ROOT names the folder the package was unpacked into";
    const QString entry = Installed(QStringLiteral("/usr/share/applications/com.quorvin.vantrel.desktop"));
    ASSERT_TRUE(QFile::exists(entry)) << entry.toStdString();
    QSettings desktop(entry, QSettings::IniFormat);
    desktop.beginGroup(QStringLiteral("Desktop Entry"));
    exec_ = desktop.value(QStringLiteral("Exec")).toString().split(' ', Qt::SkipEmptyParts);
    path_ = desktop.value(QStringLiteral("Path")).toString();
    ASSERT_FALSE(exec_.isEmpty()) << "the menu entry has no Exec line";
  }

  // A file of the installed system, in the folder the package was unpacked into.
  QString Installed(const QString& path) const { return root_ + path; }
  // The menu entry's command, its program taken from the unpacked package.
  QStringList Command() const { return QStringList{Installed(exec_.first())} + exec_.mid(1); }

  QString root_;
  QStringList exec_;
  QString path_;
};

TEST_F(InstalledGame, ItsMenuEntryStartsItInAnyFolderWithItsOwnPictures) {
  // The menu starts it in its data folder, which holds its pictures.
  EXPECT_TRUE(QFile::exists(Installed(path_ + QStringLiteral("/CARDS/AS.BMP")))) << path_.toStdString();
  QTemporaryDir elsewhere;  // and from a terminal anywhere else it finds them all the same
  ASSERT_TRUE(elsewhere.isValid());
  Launch launch;
  launch.folder = elsewhere.path();
  launch.command = Command();
  launch.cards = Installed(path_ + QStringLiteral("/CARDS"));
  StartGame(kClock, QString(), launch);
  Deal();
}

TEST_F(InstalledGame, APlayersOwnCardsFolderInTheStartingFolderIsUsed) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QDir installed(Installed(path_ + QStringLiteral("/CARDS")));
  const QDir cards(QDir(folder.path()).filePath(QStringLiteral("CARDS")));
  ASSERT_TRUE(cards.mkpath(QStringLiteral(".")));
  for (const QString& name : installed.entryList(QDir::Files)) {
    ASSERT_TRUE(QFile::copy(installed.filePath(name), cards.filePath(name)));
  }
  // The player's own back: another bitmap of the card's size.
  const QString back = QFileInfo(QString::fromStdString(CardFileName(kBackPicture))).fileName();
  ASSERT_TRUE(QFile::remove(cards.filePath(back)));
  ASSERT_TRUE(QFile::copy(installed.filePath(QStringLiteral("KH.BMP")), cards.filePath(back)));

  Launch launch;
  launch.folder = folder.path();
  launch.command = Command();
  launch.cards = cards.path();
  StartGame(kClock, QString(), launch);
  Deal();  // the face-down cards show the player's back
}

}  // namespace
}  // namespace vantrel::e2e
